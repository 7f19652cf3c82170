// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ReviewWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "dialogs/ReviewBoard.h"
#include "dialogs/ReviewWords.h"
#include "engine/PuzzleCode.h"
#include "services/HelpViewer.h"
#include "ui/DialogLook.h"
#include "ui/SpokenLine.h"

TReviewWindow::TReviewWindow(std::function<std::pair<bool, bool>()> colourLook, QWidget* parent)
    : ui::FixedDialog(parent, tr("Game Review"), {720, 476}), m_colourLook(std::move(colourLook)) {
    setObjectName(QStringLiteral("ReviewWindow"));
    setFont(ui::DialogFont(13, false));
    setProperty("helpContext", help::kReviewTopic);
    ui::KeepLightFace(*this);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("Summary"));
    m_summary->setGeometry(12, 8, 696, 38);
    m_summary->setFont(ui::DialogFont(13, true));
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("Hint"));
    m_hint->setGeometry(12, 46, 696, 36);
    m_hint->setFont(ui::DialogFont(12, false));
    for (QLabel* label : {m_summary, m_hint}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    m_board = new TReviewBoard(this);
    m_board->setGeometry(12, 88, 420, 340);

    m_steps = new QListWidget(this);
    m_steps->setObjectName(QStringLiteral("Steps"));
    m_steps->setGeometry(444, 88, 264, 340);
    m_steps->setFont(ui::DialogFont(12, false));
    m_steps->setWordWrap(true);
    m_steps->setSpacing(1);
    m_steps->setUniformItemSizes(false);
    m_steps->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_steps->setAccessibleName(tr("Clicks of the game"));
    m_steps->installEventFilter(this);
    connect(m_steps, &QListWidget::currentRowChanged, this, &TReviewWindow::StepShown);

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setGeometry(616, 440, 92, 26);
    close->setAutoDefault(false);
    ui::FitCaption(*close);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    m_spoken = new ui::TSpokenLine(this);
}

bool TReviewWindow::ShowGame(const game::GameRecord& record) {
    const game::CodeReading reading = game::ReadPuzzleCode(record.Code());
    if (!reading.ok())
        return false;
    game::GameReview review = game::ReviewOf(reading.recipe, record.clicks);
    if (!review.valid)
        return false;
    m_review = std::move(review);
    m_summary->setText(review::SummaryWords(m_review));
    m_hint->setText(review::HintWords(m_review));
    const QSignalBlocker quiet(m_steps);
    m_steps->clear();
    for (int step = 0; step < review::StepCount(m_review); ++step) m_steps->addItem(review::StepWords(m_review, step));
    m_steps->setCurrentRow(0);
    StepShown(0);
    m_steps->scrollToTop();
    m_sayOnShow = true;
    if (isVisible())
        showEvent(nullptr);
    return true;
}

int TReviewWindow::Step() const {
    return m_steps->currentRow();
}

void TReviewWindow::GoToStep(int step) {
    if (m_steps->count() > 0)
        m_steps->setCurrentRow(std::clamp(step, 0, m_steps->count() - 1));
}

QString TReviewWindow::SummaryText() const {
    return m_summary->text() + QLatin1Char(' ') + m_hint->text();
}

void TReviewWindow::FollowColourLook() {
    StepShown(Step());
}

void TReviewWindow::StepShown(int step) {
    if (step < 0)
        return;
    if (m_colourLook) {
        const auto [marks, safe] = m_colourLook();
        m_board->SetColourLook(marks, safe);
    }
    m_board->Show(&m_review, step);
}

void TReviewWindow::showEvent(QShowEvent* event) {
    if (event)
        ui::FixedDialog::showEvent(event);
    StepShown(Step());
    m_steps->setFocus();
    // Where the clicks went, heard as the window opens on a game, before the first step.
    if (m_sayOnShow) {
        m_sayOnShow = false;
        m_spoken->Say(SummaryText());
    }
}

bool TReviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_steps && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            GoToStep(Step() + (key == Qt::Key_Right ? 1 : -1));
            return true;
        }
    }
    return ui::FixedDialog::eventFilter(watched, event);
}
