// SPDX-License-Identifier: GPL-3.0-or-later
// app::TSessionEndSave: the end of the desktop session keeps the run's progress.
#pragma once

class QApplication;

namespace game {
class Game;
}

namespace app {

// Makes SIGTERM, SIGHUP and SIGINT (logout, shutdown, a closed terminal, Ctrl+C), the session
// manager's request to quit, and the loss of the display (the X server or the Wayland
// compositor gone, after which Qt ends the program) end the run as a close of the board does:
// the puzzle in play is kept and the settings are saved, then the game exits. There is nobody
// to answer a message box at such a moment, so a failed save shows none and leaves the old file
// as it was. Made once, before
// the event loop starts, for the game whose settings are kept; while it lives, that game's
// settings are the ones saved (signals and the exit reach no game once it is gone).
class TSessionEndSave {
  public:
    TSessionEndSave(QApplication& app, game::Game& game);
    ~TSessionEndSave();
    TSessionEndSave(const TSessionEndSave&) = delete;
    TSessionEndSave& operator=(const TSessionEndSave&) = delete;
};

// Call before the QApplication is made: when no display can be opened, the game says so in
// one line on stderr and ends with exit status 1, instead of Qt's abort and its lines of
// advice. What Qt reports while it starts is held back until DisplayOpened().
void ExpectDisplay();

// Call once the QApplication stands: Qt's messages go their usual way again, the held ones first.
void DisplayOpened();

}  // namespace app
