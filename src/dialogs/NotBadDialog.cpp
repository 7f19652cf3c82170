// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NotBadDialog.h"

#include "engine/Game.h"

TNotBadMessage::TNotBadMessage(game::Game& game, QWidget* parent)
    : TRatingDialog(game, {tr("OK but..."), QSize(419, 272), QT_TRANSLATE_NOOP("TRatingDialog", "NOT BAD"),
                     QRect(32, 143, 361, 89), QRect(175, 244, 75, 25), QRect(), &game::Game::NotBadOk, nullptr},
                    parent) {
    setObjectName("NotBadMessage");
    // Its words never change: the engine opens it with the same message every time.
    ShowMessage({game::RatingMessage::NotBad, 0, false});
}
