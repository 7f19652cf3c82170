// SPDX-License-Identifier: GPL-3.0-or-later
// TGameNotOverDecision (GameNotOverDecision): "Decide Your Fate", asked by "New Puzzle" during a game.
// "Decide Your Fate" asked by "New Puzzle" during a game: "Yes" drops the game at par + 10
// and starts a new puzzle.
#pragma once

#include "dialogs/DecisionDialog.h"

// Asked by "New Puzzle" during a game.
class TGameNotOverDecision : public TDecisionDialog {
    Q_OBJECT

  public:
    explicit TGameNotOverDecision(game::Game& game, QWidget* parent = nullptr);

  protected:
    void OKBtnClick() override;
};
