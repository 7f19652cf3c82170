// SPDX-License-Identifier: GPL-3.0-or-later
// board::TKeyboardPlay: the main window Level1 played from the keyboard and followed by ear.
#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "engine/Views.h"

class QAction;
class QWidget;
class TOrbVertex1;

namespace game {
class Game;
}

namespace ui {
class TSpokenLine;
}

namespace board {

struct TBoardControls;

// Tab runs through the painters, the vertices and the two buttons; the arrows, Home and End walk
// round the circle; Space or Enter clicks; 1 to 4 pick a painter; F2 and Ctrl+N ask for a new
// puzzle as New Puzzle does, and so does Restart Puzzle's Ctrl+R; S says where the game stands. A focus mark rings the painter or vertex the keyboard reached, and
// only while the keyboard is in use: the mouse game never shows it. A move made from the
// keyboard is told on the vertex it was made on, once and whole.
class TKeyboardPlay : public QObject {
    Q_OBJECT
  public:
    // Says what it says of `game`, the game the board plays.
    TKeyboardPlay(QWidget& window, const TBoardControls& controls, const game::Game& game);

    // New Puzzle was clicked, by the mouse or by the keyboard.
    void NewPuzzleAsked();
    // A new puzzle's controls are ready: after one asked for from the keyboard, the first
    // vertex takes the focus, and the puzzle's size is heard.
    void PlayStarted();
    // A puzzle kept when the game last closed is back on the board: the first vertex takes the
    // focus (no mark shows until a key is used), and the puzzle and its score are heard.
    void PuzzleResumed();
    // The board has shown a move: what a keyboard move did is told from this.
    void MoveShown(const game::MoveReport& move);
    // A command that starts a puzzle: when it comes by its key, the puzzle starts as after F2.
    void WatchKeyedCommand(QAction* command);
    // The player has just used a key for a command that starts a puzzle.
    void KeyedCommand();
    // Has a screen reader say `words` now, and nothing more.
    void Say(const QString& words);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TOrbVertex1* BoardVertex(const QObject* object) const;
    int VisibleVertices() const;
    void Walk(TOrbVertex1* from, int key);
    void Move(TOrbVertex1* vertex);
    void PickPainter(int colorIndex);
    void AskNewPuzzle();
    void SetKeyboard(bool keyboard);
    void UpdateMark();

    QWidget& m_window;
    const TBoardControls& m_c;
    const game::Game& m_game;
    // The last thing the player used on the board was a key (not the mouse).
    bool m_keyboard = false;
    bool m_playFocusPending = false;
    // The last move the board showed, while a keyboard move waits to tell it.
    std::optional<game::MoveReport> m_move;
    // Where what the board says is heard from.
    ui::TSpokenLine* m_line = nullptr;
};

}  // namespace board
