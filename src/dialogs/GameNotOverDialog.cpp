// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/GameNotOverDialog.h"

#include "engine/Game.h"

TGameNotOverDecision::TGameNotOverDecision(game::Game& game, QWidget* parent) : TDecisionDialog(game, 304, 289, parent) {
    setObjectName("GameNotOverDecision");
}

void TGameNotOverDecision::OKBtnClick() {
    // Hidden first: the new puzzle is laid out with the question already gone.
    hide();
    m_game.NewPuzzleDecisionYes();
}
