// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/GameNotOverDialog2.h"

#include "engine/GameEnd.h"

TGameNotOverDecision2::TGameNotOverDecision2(QWidget* parent) : TDecisionDialog(313, 297, parent) {
    setObjectName("GameNotOverDecision2");
}

void TGameNotOverDecision2::OKBtnClick() {
    game::DrawGraphDecisionYes();
    hide();
}
