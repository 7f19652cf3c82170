// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board window stands: its designed size, fitted to its frame and its screen, full
// screen, and the place the player left it at, kept in the game's settings from one run to the
// next.
#pragma once

#include <QRect>
#include <QSize>

class QAction;
class QMainWindow;

namespace game {
class Game;
}

namespace board {

class TBoardSurface;

class TWindowPlace {
  public:
    // The place of `window`, whose board is `surface` and whose settings are `game`'s.
    TWindowPlace(QMainWindow& window, TBoardSurface& surface, game::Game& game, QSize outer);

    // Shows the window for the first time where the player left it, or centred on its screen at
    // its designed size (on a screen too small for it, filling the screen with the board in a
    // scroll area).
    void ShowCentered();
    // The window is being shown: it keeps its designed size until a window manager frames it.
    void Showing();
    // The window was maximised, made full screen or put back in a window of its own; `fullScreen`
    // (the Options menu's item) follows.
    void StateChanged(QAction* fullScreen);
    // Full screen on or off, back to the window it was (maximised if it was before).
    void SetFullScreen(bool on);
    // Keeps where the player left the window in the game's settings (saved as the board closes);
    // nothing when it stands where and as large as the game put it.
    void Remember();

  private:
    // The window as the player left it last time: its place, size and whether maximised or full
    // screen. False when nothing usable is remembered (the board then opens centred).
    bool Restore();
    void FitFrameToDesignedSize();
    // The board fills the window, not a scroll area of a screen too small for it.
    bool BoardFillsWindow() const;

    QMainWindow& m_window;
    TBoardSurface& m_surface;
    game::Game& m_game;
    bool m_frameFitted = false;
    // The frame was measured while maximised or full screen: the window is fitted when it leaves.
    bool m_fitOnLeaving = false;
    // The window opened where the player left it last time.
    bool m_restored = false;
    // The client area the game itself last gave the window.
    QRect m_placed;
    // The outer size the board opened at: the designed one where the screen has room for it.
    QSize m_outer;
};

}  // namespace board
