// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DecisionDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "artwork/Artwork.h"
#include "engine/Game.h"
#include "ui/DialogLook.h"
#include "ui/ReadAsOne.h"

namespace {

// The three lines were measured for a narrower face than the one standing in for it here:
// a line that would run over the bevel's frame is set a little tighter, so it stays inside.
QLabel* MakeLine(QWidget* parent, const QString& text, int left, int top, int right) {
    auto* line = new QLabel(text, parent);
    line->move(left, top);
    line->adjustSize();
    if (line->geometry().right() <= right)
        return line;
    const auto width = [line](const QFont& font) {
        line->setFont(font);
        line->adjustSize();
        return line->width();
    };
    line->setFont(
        ui::FitToWidth(line->font(), right - left + 1, ui::Squeeze::LetterSpacing, 99, 90, width).face);
    line->adjustSize();
    return line;
}

}  // namespace

TDecisionDialog::TDecisionDialog(game::Game& game, int clientWidth, int bevelWidth, QWidget* parent)
    : ui::FixedDialog(parent, tr("Decide Your Fate"), {clientWidth, 214}, Kind::Question), m_game(game) {
    setFont(ui::DialogFont(11));

    Bevel1 = ui::MakeBevel(this, QRect(8, 8, bevelWidth, 161));
    Image1 = new artwork::TPicture(&artwork::QuestionMarksPicture, tr("Three question marks"), this);
    Image1->setGeometry(16, 16, 272, 88);
    // Last pixel column a line may use: inside the bevel's two-pixel frame, one pixel clear of it.
    const int right = Bevel1->geometry().right() - 3;
    Label1 = MakeLine(this, tr("You will suffer a score of Par + 10 if you click 'Yes'"), 32, 112, right);
    Label2 = MakeLine(this, tr("and take your lumps. If you click 'No' you will be"), 40, 128, right);
    Label3 = MakeLine(this, tr("returned to the current game. Life's tough. You decide."), 32, 144, right);
    // Three lines on the screen, one message to the ear.
    ui::ReadAsOne({Label1, Label2, Label3},
                  Label1->text() + QLatin1Char(' ') + Label2->text() + QLatin1Char(' ') + Label3->text());

    OKBtn = new QPushButton(tr("Yes"), this);
    OKBtn->setGeometry(79, 180, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("No"), this);
    CancelBtn->setGeometry(159, 180, 75, 25);
    setTabOrder(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

void TDecisionDialog::CancelBtnClick() {
    hide();
    m_game.DecisionNo();
}

// The close box puts the question away; the game goes on as with "No".
void TDecisionDialog::closeEvent(QCloseEvent* event) {
    event->accept();
}
