// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Perfect.h"

#include "artwork/Artwork.h"
#include "engine/Game.h"

TPerfectDlg::TPerfectDlg(game::Game& game, QWidget* parent)
    : TRatingDialog(game, {tr("You can't do better than this"), QSize(426, 258),
                     QT_TRANSLATE_NOOP("TRatingDialog", "PERFECT"), QRect(40, 137, 345, 49),
                     QRect(175, 196, 75, 25), QRect(176, 224, 75, 25), &game::Game::PerfectOk, &game::Game::PerfectNo},
                    parent) {
    setObjectName("PerfectDlg");
    setWindowIcon(artwork::PerfectDialogIcon());
}
