// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/GameNotOverDialog2.h"

#include "engine/Game.h"

TGameNotOverDecision2::TGameNotOverDecision2(game::Game& game, QWidget* parent) : TDecisionDialog(game, 313, 297, parent) {
    setObjectName("GameNotOverDecision2");
}

void TGameNotOverDecision2::OKBtnClick() {
    m_game.DrawGraphDecisionYes();
    hide();
}
