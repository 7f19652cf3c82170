// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/excellent.h"

#include "engine/GameEnd.h"

TExcellentDlg::TExcellentDlg(QWidget* parent)
    : TRatingDialog({tr("Youse a dude!"), QSize(424, 264), QT_TRANSLATE_NOOP("TRatingDialog", "EXCELLENT"),
                     QRect(48, 136, 337, 57), QRect(183, 196, 75, 25), QRect(184, 224, 75, 25),
                     &game::ExcellentOk, &game::ExcellentNo},
                    parent) {
    setObjectName("ExcellentDlg");
}
