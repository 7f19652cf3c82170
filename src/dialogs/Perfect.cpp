// SPDX-License-Identifier: GPL-3.0-or-later
#include "Perfect.h"

#include "Artwork.h"
#include "GameEnd.h"
#include "State.h"

TPerfectDlg::TPerfectDlg(QWidget* parent)
    : TRatingDialog({tr("You can't do better than this"), QSize(426, 258),
                     QT_TRANSLATE_NOOP("TRatingDialog", "PERFECT"), QRect(40, 137, 345, 49),
                     QRect(175, 196, 75, 25), QRect(176, 224, 75, 25)},
                    parent) {
    setObjectName("PerfectDlg");
    setWindowIcon(artwork::PerfectDialogIcon());
}

void TPerfectDlg::FormShow() {
    ShowMessage(game::PerfectDialogText(game::Settings.TeachingMode,
                                        game::Settings.TeachingModeConsecutiveGoodGames));
}

void TPerfectDlg::OKBtnClick() {
    game::PerfectOk();
    hide();
}

void TPerfectDlg::NoButtonClick() {
    game::PerfectNo();
    hide();
}
