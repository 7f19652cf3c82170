#include "GameNotOverDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "Artwork.h"
#include "DialogLook.h"
#include "GameEnd.h"

namespace {

QLabel* MakeLine(QWidget* parent, const QString& text, int left, int top) {
    auto* line = new QLabel(text, parent);
    line->move(left, top);
    line->adjustSize();
    return line;
}

}  // namespace

TDecisionDialog::TDecisionDialog(int clientWidth, int bevelWidth, QWidget* parent) : QDialog(parent) {
    dialogs::MakeFixedDialog(*this, "Decide Your Fate", clientWidth, 214);
    setFont(dialogs::DialogFont(11));

    Bevel1 = dialogs::MakeBevel(this, QRect(8, 8, bevelWidth, 161));
    Image1 = new QLabel(this);
    Image1->setGeometry(16, 16, 272, 88);
    Image1->setPixmap(artwork::QuestionMarksPicture());
    Label1 = MakeLine(this, "You will suffer a score of Par + 10 if you click 'Yes'", 32, 112);
    Label2 = MakeLine(this, "and take your lumps. If you click 'No' you will be", 40, 128);
    Label3 = MakeLine(this, "returned to the current game. Life's tough. You decide.", 32, 144);

    OKBtn = new QPushButton("Yes", this);
    OKBtn->setGeometry(79, 180, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("No", this);
    CancelBtn->setGeometry(159, 180, 75, 25);
    setTabOrder(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

void TDecisionDialog::CancelBtnClick() {
    hide();
    game::DecisionNo();
}

void TDecisionDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        dialogs::CenterOnScreen(*this);
    QDialog::showEvent(event);
}

// The close box puts the question away; the game goes on as with "No".
void TDecisionDialog::closeEvent(QCloseEvent* event) {
    event->accept();
}

TGameNotOverDecision::TGameNotOverDecision(QWidget* parent) : TDecisionDialog(304, 289, parent) {
    setObjectName("GameNotOverDecision");
}

void TGameNotOverDecision::OKBtnClick() {
    // Hidden first: the new puzzle is laid out with the question already gone.
    hide();
    game::NewPuzzleDecisionYes();
}
