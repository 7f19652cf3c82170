// SPDX-License-Identifier: GPL-3.0-or-later
#include "State.h"

#include "excellent.h"

#include <QLabel>
#include <QPushButton>

#include "GameEnd.h"

TExcellentDlg::TExcellentDlg(QWidget* parent)
    : TRatingDialog({tr("Youse a dude!"), QSize(424, 264), QT_TRANSLATE_NOOP("TRatingDialog", "EXCELLENT"),
                     QRect(48, 136, 337, 57), QRect(183, 196, 75, 25), QRect(184, 224, 75, 25)},
                    parent) {
    setObjectName("ExcellentDlg");
}

void TExcellentDlg::FormShow() {
    ShowMessage(game::ExcellentDialogText(game::Settings.TeachingMode,
                                          game::Settings.TeachingModeConsecutiveGoodGames));
}

void TExcellentDlg::OKBtnClick() {
    game::ExcellentOk();
    hide();
}

void TExcellentDlg::NoButtonClick() {
    game::ExcellentNo();
    hide();
}
