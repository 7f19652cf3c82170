// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam between the rules and the windows. The engine calls these operations by
// name and reports what happened in numbers and ids; the windows turn them into words.
// The main window implements them in the game and a recording fake in tests.
#pragma once

#include <cstdint>

namespace game {

// The player's own vertices or their twins in the solution view.
enum class EdgeView { Board, Solution };

enum class Dialog { Perfect, Excellent, NotBad, GameNotOverDecision, GameNotOverDecision2 };

// Which message a rating dialog shows; the engine decides it, the dialog words it.
enum class RatingMessage {
    PerfectWayToGo,        // outside teaching mode
    PerfectNeedTwoInARow,  // teaching mode, no streak yet
    PerfectGoOn,           // teaching mode: offers the next level
    ExcellentMethod,       // outside teaching mode
    ExcellentCountSoFar,   // teaching mode: how many of the three the player has
    ExcellentAdvance,      // teaching mode: offers the next level
    NotBad,                // the "OK but..." message
};

// The settings a teaching advance changed, for the settings dialog to follow.
enum SettingsChange : unsigned {
    kShowEdgesChanged = 1u << 0,
    kVertexCountChanged = 1u << 1,
};

class Board {
  public:
    virtual ~Board() = default;

    // PuzzleSolved shown and ColorAllVertices hidden when solved; the other way round when not.
    virtual void ShowSolvedPicture(bool solved) = 0;
    // Repaints the whole main window at once.
    virtual void RepaintWindow() = 0;
    // Edge pen, Draw Graph enabled and visible, EnablePainters(true), score labels visible.
    virtual void ShowPlayControls() = 0;
    // Places vertices, buttons, labels and painters for the current vertex and colour counts.
    virtual void LayOutBoard() = 0;
    // Copies the board vertex controls' look and place onto the solution view (the engine
    // has already copied the vertex records).
    virtual void MirrorToSolutionView() = 0;
    // All four painters enabled (on) or disabled, and released; when on, NavyPainter pressed.
    virtual void EnablePainters(bool on) = 0;
    // Shows the painter of a colour index 1..4 pressed.
    virtual void PressPainter(int colorIndex) = 0;
    // An edge of a view has just been marked: draw it now and repaint both vertex squares over it.
    virtual void DrawEdge(EdgeView view, int a, int b) = 0;
    virtual void RefreshVertex(EdgeView view, int k) = 0;
    virtual void ShowSolutionVertex(int k) = 0;
    virtual void SetDrawGraphEnabled(bool enabled) = 0;
    // The numbers under the board.
    virtual void ShowPar(std::int32_t par) = 0;
    virtual void ShowScore(std::int32_t clicks) = 0;
    virtual void ShowEdgeCount(std::int32_t edges) = 0;
    // The run's average distance from par, as the exact total of (result - par) over the
    // rated games and their number (games > 0).
    virtual void ShowAverageFromPar(std::int64_t totalFromPar, std::int32_t games) = 0;
    // Shows a dialog without blocking; a visible one is only brought to the front.
    virtual void OpenDialog(Dialog dialog) = 0;
    // The game itself changed these settings (a set of SettingsChange bits); the settings
    // dialog follows.
    virtual void SettingsChangedByGame(unsigned changes) = 0;
};

// A board that shows nothing, used until a window (or a test's fake) is attached.
class NullBoard : public Board {
  public:
    void ShowSolvedPicture(bool) override {}
    void RepaintWindow() override {}
    void ShowPlayControls() override {}
    void LayOutBoard() override {}
    void MirrorToSolutionView() override {}
    void EnablePainters(bool) override {}
    void PressPainter(int) override {}
    void DrawEdge(EdgeView, int, int) override {}
    void RefreshVertex(EdgeView, int) override {}
    void ShowSolutionVertex(int) override {}
    void SetDrawGraphEnabled(bool) override {}
    void ShowPar(std::int32_t) override {}
    void ShowScore(std::int32_t) override {}
    void ShowEdgeCount(std::int32_t) override {}
    void ShowAverageFromPar(std::int64_t, std::int32_t) override {}
    void OpenDialog(Dialog) override {}
    void SettingsChangedByGame(unsigned) override {}
};

// The board the engine talks to; nullptr puts the silent board back.
void AttachBoard(Board* board);
Board& CurrentBoard();

}  // namespace game
