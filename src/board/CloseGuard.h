// SPDX-License-Identifier: GPL-3.0-or-later
// board::TCloseGuard: the settings saved before the main window Level1 may close.
#pragma once

class QWidget;

namespace game {
class Game;
}

namespace board {

class TCloseGuard {
  public:
    // Keeps the puzzle in play (or removes this run's kept one), then saves the settings. When this run's changes cannot be written (a run that changed nothing
    // has nothing to lose), says so in an error box owned by `board` ("Unable to write to
    // SpEcTrUmIx.ini.", and under it the system's reason) and keeps the board open, unless the
    // player chooses to quit without saving, since a file that can never be written must not
    // hold the player in the game.
    // True: the board may close.
    static bool SaveBeforeClosing(QWidget& board, game::Game& game);
};

}  // namespace board
