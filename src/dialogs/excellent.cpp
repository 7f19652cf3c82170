// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/excellent.h"

#include "engine/Game.h"

TExcellentDlg::TExcellentDlg(game::Game& game, QWidget* parent)
    : TRatingDialog(game, {tr("Youse a dude!"), QSize(424, 264), QT_TRANSLATE_NOOP("TRatingDialog", "EXCELLENT"),
                     QRect(48, 136, 337, 57), QRect(183, 196, 75, 25), QRect(184, 224, 75, 25),
                     &game::Game::ExcellentOk, &game::Game::ExcellentNo},
                    parent) {
    setObjectName("ExcellentDlg");
}
