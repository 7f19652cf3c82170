// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameNotOverDialog2.h"

#include "GameEnd.h"

TGameNotOverDecision2::TGameNotOverDecision2(QWidget* parent) : TDecisionDialog(313, 297, parent) {
    setObjectName("GameNotOverDecision2");
}

void TGameNotOverDecision2::OKBtnClick() {
    game::DrawGraphDecisionYes();
    hide();
}
