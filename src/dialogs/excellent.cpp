// The engine's records come before any Qt header: Qt defines "slots" as a word of its own.
#include "State.h"

#include "excellent.h"

#include <QLabel>
#include <QPushButton>

#include "GameEnd.h"

TExcellentDlg::TExcellentDlg(QWidget* parent)
    : TRatingDialog({"Youse a dude!", QSize(424, 264), QT_TRANSLATE_NOOP("TRatingDialog", "EXCELLENT"),
                     QRect(48, 136, 337, 57), QRect(183, 196, 75, 25), QRect(184, 224, 75, 25)},
                    parent) {
    setObjectName("ExcellentDlg");
}

void TExcellentDlg::FormShow() {
    const game::RatingText said = game::ExcellentDialogText(game::Settings.TeachingMode,
                                                            game::Settings.TeachingModeConsecutiveGoodGames);
    ShowMessage(QString::fromStdString(said.text), said.offer);
}

void TExcellentDlg::OKBtnClick() {
    game::ExcellentOk();
    hide();
}

void TExcellentDlg::NoButtonClick() {
    game::ExcellentNo();
    hide();
}
