// SPDX-License-Identifier: GPL-3.0-or-later
// TGameNotOverDecision2 (GameNotOverDecision2): "Decide Your Fate", asked by "Draw Graph" during a game.
// "Decide Your Fate" asked by "Draw Graph" during a game (after the run's free first use):
// "Yes" drops the game at par + 10 and shows the game's own solution.
#pragma once

#include "dialogs/DecisionDialog.h"

class TGameNotOverDecision2 : public TDecisionDialog {
    Q_OBJECT

  public:
    explicit TGameNotOverDecision2(game::Game& game, QWidget* parent = nullptr);

  protected:
    void OKBtnClick() override;
};
