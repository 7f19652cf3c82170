// SPDX-License-Identifier: GPL-3.0-or-later
// game::BoardView and game::GameWindows: the one way from the rules to the windows.
//
// The engine tells the windows what happened and nothing else: each message carries all its
// reader needs, in numbers, ids and whole records (never words), and no window calls back into
// the engine for more. A player's click goes down into the engine once; the engine's answer comes
// up as these messages. The board window implements BoardView, the set of dialogs GameWindows;
// tests put recording fakes in their places.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/History.h"
#include "engine/State.h"

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

// What a rating dialog says when it opens, with the streak it may quote, and whether it offers
// to go on (its "No" shown); and the game it rates. A dialog may be answered long after, with
// another puzzle on the board: its answer acts on this game, never on the one in play.
struct Rating {
    RatingMessage message = RatingMessage::PerfectWayToGo;
    std::int32_t streak = 0;
    // Only a game the teaching mode counted offers to go on; going on starts from its level.
    bool offer = false;
    std::int32_t vertices = 0;  // the rated game's vertex count (its level, with the dialog's edges)
    std::int32_t score = -1;    // its clicks and par, read out before the message; -1: not told
    std::int32_t par = -1;
    bool operator==(const Rating&) const = default;
};

// The run's average distance from par as the board writes it: already rounded to three
// significant digits (at most three decimals, halves away from zero; from 1000 up every whole
// digit), with three decimals always shown.
struct AverageFromPar {
    std::int32_t games = 0;  // rated games so far
    bool negative = false;   // never set on a value that rounds to zero
    std::uint64_t whole = 0;
    std::uint32_t thousandths = 0;
    // "3.330", "-1.500", "0.000": the digits with a full stop before the decimals.
    std::string Text() const;
    bool operator==(const AverageFromPar&) const = default;
};

// Where the board puts a new puzzle's vertices, buttons, labels and painters.
struct BoardShape {
    std::int32_t vertices = 6;
    std::int32_t colors = 3;
    std::int32_t centerX = 160;
    std::int32_t centerY = 200;
};

// A neighbour a move turned black: it wore the colour just painted and is joined to the painted
// vertex, and the edge between them is drawn now, from the painted vertex to this one.
struct ClearedNeighbour {
    std::int32_t vertex = 0;
    // The line was not on the board before this move (neither shown with the puzzle nor revealed
    // by an earlier clash).
    bool edgeWasHidden = false;
    bool operator==(const ClearedNeighbour&) const = default;
};

// What one click on a vertex did, whole: the board shows it and a screen reader tells it from
// this alone. Fixed in size: a move never touches the heap.
struct MoveReport {
    std::int32_t vertex = 0;      // the vertex painted, 1..16
    std::int32_t colorIndex = 0;  // the colour it now wears, 1..4
    // The neighbours it cleared, in ascending order: the first `clearedCount` entries.
    std::int32_t clearedCount = 0;
    std::array<ClearedNeighbour, kMaxVertices> cleared{};
    std::int32_t clicks = 0;  // the score with this click counted
    bool solved = false;      // every vertex is coloured: the game ends with this move
    bool operator==(const MoveReport&) const = default;
};

// The fill of each vertex 1..16 of a view (black = uncoloured); slot 0 unused.
using Fills = PerVertex<TColor>;

// The settings a teaching advance changed, for the settings dialog to follow.
enum SettingsChange : unsigned {
    kShowEdgesChanged = 1u << 0,
    kVertexCountChanged = 1u << 1,
};

class BoardView {
  public:
    virtual ~BoardView() = default;

    // PuzzleSolved shown and ColorAllVertices hidden when solved; the other way round when not.
    virtual void ShowSolvedPicture(bool solved) = 0;
    // Edge pen, Draw Graph enabled and visible, EnablePainters(true), score labels visible.
    virtual void ShowPlayControls() = 0;
    // A fresh board: every line of the last puzzle gone, and vertices, buttons, labels and
    // painters placed for this shape.
    virtual void LayOutBoard(const BoardShape& shape) = 0;
    // The solution view copies the board vertices' look and place (their fills came just before,
    // by ShowFills); its twins show during play only when `twinsShown`.
    virtual void MirrorToSolutionView(bool twinsShown) = 0;
    // All four painters enabled (on) or disabled, and released; when on, NavyPainter pressed.
    virtual void EnablePainters(bool on) = 0;
    // Shows the painter of a colour index 1..4 pressed and the others released.
    virtual void PressPainter(int colorIndex) = 0;
    // The vertices of a view wear these fills now (a new puzzle's black board, the solution view's
    // colours); a vertex whose fill did not change is left as it is.
    virtual void ShowFills(EdgeView view, const Fills& fills) = 0;
    // A click on a board vertex, told once it is decided: the score, the painted vertex's colour,
    // then each cleared neighbour turning black with its edge drawn. A solving move is followed
    // by the messages of the game's end.
    virtual void ShowMove(const MoveReport& move) = 0;
    // An edge of a view has just been marked: it shows now, the vertex squares over its ends.
    virtual void DrawEdge(EdgeView view, int a, int b) = 0;
    // Every edge of vertex k has been drawn: its square stands over their ends when the board
    // next shows, and the lines so far look as they always have at this step.
    virtual void RefreshVertex(EdgeView view, int k) = 0;
    // The solution view shows its twins 1..n, in the fills it was last given.
    virtual void ShowSolutionVertices(int n) = 0;
    virtual void SetDrawGraphEnabled(bool enabled) = 0;
    // The numbers under the board.
    virtual void ShowPar(std::int32_t par) = 0;
    virtual void ShowScore(std::int32_t clicks) = 0;
    virtual void ShowEdgeCount(std::int32_t edges) = 0;
    virtual void ShowAverageFromPar(const AverageFromPar& average) = 0;
    // The board's tool tips follow the player's setting.
    virtual void ApplyToolTips(bool on) = 0;
    // What the board was told so far is settled now as the paint that follows it would show it:
    // a board put at a position steps through the moments its clicks were painted at.
    virtual void SettleNow() {}
    // The moments of a position's clicks are told between these two: the board may settle each
    // of them at the end, as it stood, leaving out those whose every pixel a later one covers.
    virtual void StepsBegin() {}
    virtual void StepsEnd() {}
};

class GameWindows {
  public:
    virtual ~GameWindows() = default;

    // Shows a dialog without blocking. A hidden rating dialog opens with `rating`'s message; one
    // already up is only brought to the front and keeps its words. The decision dialogs ignore it.
    virtual void OpenDialog(Dialog dialog, const Rating& rating) = 0;
    // The game itself changed these settings (a set of SettingsChange bits); the settings
    // dialog follows, from the settings as they now stand.
    virtual void SettingsChangedByGame(const GameSettings& settings, unsigned changes) = 0;
    // A game has just been rated into the run's average; the record is all there is to keep.
    virtual void GameRated(const GameRecord& record) { (void)record; }
    // A game has ended without a rating (the first Draw Graph of a run): it is not kept, only
    // looked back on.
    virtual void GameEndedUnrated(const GameRecord& record) { (void)record; }
};

}  // namespace game
