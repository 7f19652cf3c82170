// SPDX-License-Identifier: GPL-3.0-or-later
// TLevel1 (Level1): the main window "SpEcTrUmIx", the game board.
//
// The one window that stays open for the whole run: the title, the 16 player vertices and their
// 16 solution twins, the painters, the two buttons, the score labels and the menu, made from the
// board's control table. It is the form only: each click becomes one engine call; the engine's
// answers reach the controls through the board adapter, the edges are drawn by the edge painter,
// and closing waits for the close guard. Which dialogs the menu opens is the window registry's
// business: the form only says that the player asked for one.
#pragma once

#include <QMainWindow>

#include <memory>

#include "board/BoardControls.h"

namespace game {
class BoardView;
struct GameSettings;
class Game;
}  // namespace game

namespace board {
class TBoardAdapter;
class TEdgePainter;
class TKeyboardPlay;
class TToolTipSwitch;
class TWindowPlace;
}  // namespace board

class TLevel1 : public QMainWindow, public board::TBoardControls, public board::TBoardMenu {
    Q_OBJECT
  public:
    // The board of `game`, built from its settings; what it shows of the game reaches it only
    // through the engine's messages (View()), and each click becomes one call on `game`.
    explicit TLevel1(game::Game& game, QWidget* parent = nullptr);
    ~TLevel1() override;

    // The outer size the board is designed for, frame included.
    static constexpr int kOuterWidth = 652;
    static constexpr int kOuterHeight = 492;

    // Shows the board for the first time, centred on its screen at its designed size (on a screen
    // too small for it, filling the screen with the board in a scroll area).
    void ShowCentered();

    // Tool tips of the play controls follow the player's setting; the title, the
    // "Color All Vertices" picture and the solution view always explain themselves.
    void ApplyToolTips(bool on);
    bool ToolTipsOn() const;

    // What the engine tells the board arrives here.
    game::BoardView& View();

    // File > Performance...: asks for the statistics window.
    void ViewPerformanceStats1Click();
    void PrintPuzzles1Click();
    // File > Review Last Game... (Ctrl+G): asks for the review of the last game that ended.
    void ReviewLastGame1Click();
    // A game has ended in this run: there is a last game to review.
    void GameEnded();

    // File > Restart Puzzle (Ctrl+R): the puzzle on the board again, from its start.
    void RestartPuzzle1Click();
    // Ctrl+C: the code of the puzzle on the board goes to the clipboard.
    void CopyCode();
    // A puzzle is on the board now (a new one, a restart or a played code): the commands that
    // need one are enabled.
    void PuzzleShown();
    // The puzzle kept when the game last closed has been put back on the board (at start).
    void PuzzleResumed();
    // The next puzzle was asked for from the keyboard elsewhere (Enter in the Puzzle Code
    // window): it starts with the focus on its first vertex, as after F2.
    void PuzzleAskedByKey();

    // The windows the board's commands open without owning them.
    enum class Window { Settings, About, PerformanceStats, PrintPuzzles, PuzzleCode, ReviewLastGame };

  signals:
    // The player asked for one of those windows.
    void windowRequested(TLevel1::Window window);
    // A puzzle has just been laid out on the board, its code known.
    void puzzleShown();
    // The settings were saved (or the player chose to quit without them) and the board
    // closed: the run is over.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Showing: the board keeps its designed size until a window manager frames it.
    bool event(QEvent* event) override;
    // Full screen follows the window, however it was entered or left.
    void changeEvent(QEvent* event) override;

  private:
    void FormCreate();
    void CreateMenu();
    void CreateControls();
    // The Options menu's colour items follow the settings and change them.
    void ConnectColourItems();
    // Vertices, twins and painters show the colours as the settings ask (the one place a
    // painter's colours are set).
    void ShowColours(const game::GameSettings& settings);

    void NewGameClick();
    void DrawGraphClick();
    void OrbVertexClick(int k);
    void Exit1Click();
    void Settings1Click();
    void FullScreen1Click(bool on);
    void Contents1Click();
    void About1Click();
    void PuzzleCode1Click();

    game::Game& m_game;
    std::unique_ptr<board::TEdgePainter> m_edges;
    board::TToolTipSwitch* m_toolTips = nullptr;
    board::TKeyboardPlay* m_keys = nullptr;
    std::unique_ptr<board::TBoardAdapter> m_adapter;
    std::unique_ptr<board::TWindowPlace> m_place;
};
