// SPDX-License-Identifier: GPL-3.0-or-later
// TDecisionDialog: the look the two "Decide Your Fate" dialogs share.
// "Decide Your Fate": asked when the player wants to leave a puzzle unfinished. "Yes" drops
// the game at par + 10; "No" (also Escape, and the close box) goes back to it. The two
// decision dialogs differ only in their width and in what "Yes" goes on to do.
#pragma once

#include "ui/FixedDialog.h"

namespace game {
class Game;
}

class QFrame;
class QLabel;
class QPushButton;

class TDecisionDialog : public ui::FixedDialog {
    Q_OBJECT

  public:
    // A question of `game`'s: the answers go to it.
    TDecisionDialog(game::Game& game, int clientWidth, int bevelWidth, QWidget* parent);

    QFrame* Bevel1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

  public slots:
    void reject() override { CancelBtnClick(); }  // Escape: "No"

  protected:
    void closeEvent(QCloseEvent* event) override;
    virtual void OKBtnClick() = 0;
    void CancelBtnClick();
    game::Game& m_game;
};
