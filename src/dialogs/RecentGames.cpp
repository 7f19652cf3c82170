// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/RecentGames.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/MasteryMap.h"
#include "dialogs/TrendChart.h"
#include "engine/History.h"
#include "ui/CodeText.h"
#include "ui/DialogLook.h"

namespace {

// A result against par as a screen reader says it: "par", "2 over par", "1 under par".
QString SpokenFromPar(std::int64_t value) {
    const QLocale locale;
    if (value == 0)
        return TMasteryMap::tr("par");
    const QString number = locale.toString(static_cast<qlonglong>(value < 0 ? -value : value));
    return value > 0 ? TMasteryMap::tr("%1 over par").arg(number) : TMasteryMap::tr("%1 under par").arg(number);
}

}  // namespace

TRecentGames::TRecentGames(QWidget& page, const QRect& chart) : QObject(&page) {
    m_recent = new QTreeWidget(&page);
    m_recent->setObjectName(QStringLiteral("RecentGames"));
    m_recent->setAccessibleName(TMasteryMap::tr("Last games of the chosen level"));
    m_recent->setGeometry(chart.left(), chart.bottom() + 6, 248, 86);
    m_recent->setColumnCount(3);
    m_recent->setHeaderLabels({TMasteryMap::tr("Played"), TMasteryMap::tr("Result"), TMasteryMap::tr("Code")});
    m_recent->setRootIsDecorated(false);
    m_recent->setUniformRowHeights(true);
    m_recent->setAllColumnsShowFocus(true);
    m_recent->setSelectionMode(QAbstractItemView::SingleSelection);
    m_recent->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_recent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_recent->header()->setFont(ui::DialogFont(10, false));
    m_recent->header()->setStretchLastSection(true);
    m_recent->header()->setSectionsMovable(false);
    // The date and the result as wide as their words in the player's language; the code the rest.
    m_recent->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_recent->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_playAgain = new QPushButton(TMasteryMap::tr("Play &Again"), &page);
    m_playAgain->setObjectName(QStringLiteral("PlayAgain"));
    m_playAgain->setFont(ui::DialogFont(11, false));
    m_playAgain->setGeometry(m_recent->geometry().right() + 5, m_recent->y(), 81, 25);
    m_playAgain->setAutoDefault(false);
    m_playAgain->setEnabled(false);
    ui::FitCaption(*m_playAgain);
    // Beside Play Again, below it: the chosen game click by click. Enter still plays.
    m_review = new QPushButton(TMasteryMap::tr("&Review"), &page);
    m_review->setObjectName(QStringLiteral("Review"));
    m_review->setFont(ui::DialogFont(11, false));
    m_review->setGeometry(m_playAgain->x(), m_playAgain->y() + 30, 81, 25);
    m_review->setAutoDefault(false);
    m_review->setEnabled(false);
    ui::FitCaption(*m_review);
    QWidget::setTabOrder(m_recent, m_playAgain);
    QWidget::setTabOrder(m_playAgain, m_review);
    connect(m_recent, &QTreeWidget::currentItemChanged, this, &TRecentGames::FollowChoice);
    connect(m_review, &QPushButton::clicked, this, [this] {
        if (const int row = ChosenReviewable(); row >= 0)
            emit reviewAsked(row);
    });
    // Enter or a double click on a row plays it, as the button does.
    connect(m_recent, &QTreeWidget::itemActivated, this, [this] {
        if (const QString code = ChosenCode(); !code.isEmpty())
            emit playAgain(code);
    });
    connect(m_playAgain, &QPushButton::clicked, this, [this] {
        if (const QString code = ChosenCode(); !code.isEmpty())
            emit playAgain(code);
    });
}

QString TRecentGames::ChosenCode() const {
    const QTreeWidgetItem* item = m_recent->currentItem();
    return item ? item->data(2, Qt::UserRole).toString() : QString();
}

int TRecentGames::ChosenReviewable() const {
    QTreeWidgetItem* item = m_recent->currentItem();
    return item && item->data(1, Qt::UserRole).toBool() ? m_recent->indexOfTopLevelItem(item) : -1;
}

void TRecentGames::FollowChoice() {
    m_playAgain->setEnabled(!ChosenCode().isEmpty());
    m_review->setEnabled(ChosenReviewable() >= 0);
}

TRecentGames::Listed TRecentGames::ListedOf(const game::GameRecord& game) {
    const QDateTime utc = QDateTime::fromString(
        QString::fromLatin1(game.Utc().data(), qsizetype(game.Utc().size())), Qt::ISODateWithMs);
    return {utc.isValid() ? QLocale().toString(utc.toLocalTime(), QLocale::ShortFormat) : QString(),
            game.result - game.par, ui::CodeText(game.Code()), !game.Code().empty() && !game.clicks.empty()};
}

void TRecentGames::Show(const std::vector<Listed>& games) {
    m_recent->clear();
    for (const Listed& game : games) {
        const QString shownCode = game.code.isEmpty() ? QStringLiteral("–") : game.code;
        auto* item = new QTreeWidgetItem(m_recent, {game.when, SignedFromPar(game.fromPar), shownCode});
        item->setData(2, Qt::UserRole, game.code);
        item->setData(1, Qt::UserRole, game.reviewable);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        // A row is read whole: when, how it went and whether it can be played again.
        const QString words = game.code.isEmpty()
                                  ? TMasteryMap::tr("%1, %2, no code").arg(game.when, SpokenFromPar(game.fromPar))
                                  : TMasteryMap::tr("%1, %2, code %3").arg(game.when, SpokenFromPar(game.fromPar), game.code);
        for (int column = 0; column < 3; ++column) item->setData(column, Qt::AccessibleTextRole, words);
        if (game.code.isEmpty())
            item->setToolTip(2, TMasteryMap::tr("Played before games kept their codes: it cannot be played again."));
    }
    m_recent->setEnabled(!games.empty());
    FollowChoice();
}

