// SPDX-License-Identifier: GPL-3.0-or-later
// game::Game: one game, whole: the settings, the puzzle on display, the run's session, the
// board's layout, the pseudo-random seed and the hooks it reports through, with every
// operation the windows call. Each window is handed the game it serves; nothing is shared
// by the process. No Qt here.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/Coach.h"
#include "engine/GameHooks.h"
#include "engine/History.h"
#include "engine/Position.h"
#include "engine/PuzzleCode.h"
#include "engine/PuzzleSetter.h"
#include "engine/Settings.h"
#include "engine/State.h"
#include "engine/Views.h"

namespace game {

// Every handler reads and writes a game on the user-interface thread.
class Game {
  public:
    // A fresh game with default settings, no puzzle yet, silent windows and the system's clock.
    Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameSettings Settings;
    // The settings as the file gave them at start (or as the last save wrote them), against
    // which a save tells what this run changed; nothing before the first load, when a save
    // writes every key.
    std::optional<GameSettings> SettingsInFile;
    PuzzleState Puzzle;
    SessionState Session;
    BoardLayout Layout;
    PerVertex<VertexRecord> BoardVertex;
    PerVertex<VertexRecord> SolutionVertex;
    std::uint32_t RandSeed = 0;
    Hooks hooks;

    // The attached board and dialogs, or silent ones.
    BoardView& Board() const;
    GameWindows& Windows() const;
    // Readings of the hooked clocks, or of the system's.
    std::int64_t SteadyMs() const;
    std::int64_t UtcMs() const;

    // The start values set after the settings are loaded and before any window exists.
    void SetStartValues();

    // --- The clicks kept ---
    // Clicks a puzzle keeps without touching the heap: room for them is made once, when the game
    // is made. A longer game (over ten times the largest par) still keeps every click: its log
    // makes more room, one allocation each time the room doubles.
    static constexpr std::size_t kClicksKeptInPlace = 4096;
    // The clicks on the puzzle on display, in order (a new, restarted or replayed puzzle starts
    // with none).
    std::span<const Click> Clicks() const { return m_clicks; }
    // The position on the board now: equal to PositionOf(Puzzle.Recipe, Clicks()).
    Position Now() const;
    // The lines of the board known now: shown with the puzzle or revealed by clashes.
    std::int32_t EdgesKnown() const;

    // --- The clock and the pseudo-random source ---
    // 0..n-1 for n >= 1, drawn from the game's seed.
    std::int32_t RandomBelow(std::int32_t n);
    // Seed := milliseconds since midnight UTC, read from the game's clock.
    void ReseedFromClock();
    // The game's clock now: milliseconds since midnight UTC.
    std::int32_t ClockReading() const;
    // The clock the game reads: `clock`, or the system's for nullptr.
    void SetClock(ClockFn clock);
    // Every later reading returns ms (until SetClock).
    void PinClock(std::int32_t ms);

    // --- A new puzzle: the puzzle setter's (engine/PuzzleSetter.h), called here ---
    void NewPuzzle() { m_setter.NewPuzzle(); }
    void PlayPuzzle(const PuzzleRecipe& recipe, bool replay) { m_setter.PlayPuzzle(recipe, replay); }
    // The puzzle of `recipe` put on the board at once at the position its `clicks` make, as though
    // they had just been played: the fills, every edge known drawn, the score, par and edge count,
    // and the painters on with `painter` (1..4) pressed, or the colour of the last click for 0 or
    // a colour the puzzle has not. The board is told the position whole, never the clicks one by
    // one, and shows the pixels playing them gives. Only a position in play is taken
    // (PositionInPlay): for any other nothing changes and the answer is false.
    bool PlayPuzzleAt(const PuzzleRecipe& recipe, bool replay, std::span<const Click> clicks, int painter = 0) {
        return m_setter.PlayPuzzleAt(recipe, replay, clicks, painter);
    }
    void AddEdge(int u, int v) { m_setter.AddEdge(u, v); }
    void ShowAllEdges() { m_setter.ShowAllEdges(); }
    void DrawEveryEdge(EdgeView view, int n) { m_setter.DrawEveryEdge(view, n); }
    void MirrorToSolutionView() { m_setter.MirrorToSolutionView(); }
    // Hears every AddEdge in the order made (developer tools and tests); nullptr stops it.
    void SetEdgeListener(EdgeListener listener, void* context);
    // Par of the puzzle on display.
    std::int32_t ComputePar() const;

    // --- The player's moves ---
    void NavyPainterClick();
    void MaroonPainterClick();
    void GreenPainterClick();
    void PurplePainterClick();
    // Selects the paint colour of colour index 1..4 (the four handlers above).
    void PainterClick(int colorIndex);
    // A click on board vertex k (1..16): colours it unless no game is in play.
    void VertexClick(int k);
    // The one move of the game: paints v, clears clashing neighbours and reveals their edges,
    // counts the click, tells the board what it did (one ShowMove) and ends the game when every
    // vertex is coloured. Returns what it told (vertex 0: no vertex of the board, nothing done).
    MoveReport ColorVertex(int v);
    // Marks the board edge a-b as drawn and has the board draw it now.
    void RevealEdge(int a, int b);
    void EnablePainters(bool on);

    // --- The game's end and the decisions: the coach's (engine/Coach.h), called here ---
    void UpdateSessionAverage(Ending ending) { m_coach.UpdateSessionAverage(ending); }
    void ShowSolution() { m_coach.ShowSolution(); }
    void EvaluateSolvedGame() { m_coach.EvaluateSolvedGame(); }
    void NewGameClick() { m_coach.NewGameClick(); }
    void DrawGraphClick() { m_coach.DrawGraphClick(); }
    void ReplayClick(const PuzzleRecipe& recipe) { m_coach.ReplayClick(recipe); }
    void RestartClick() { m_coach.RestartClick(); }
    void PerfectOk(const Rating& rated) { m_coach.PerfectOk(rated); }
    void PerfectNo(const Rating& rated) { m_coach.PerfectNo(rated); }
    void ExcellentOk(const Rating& rated) { m_coach.ExcellentOk(rated); }
    void ExcellentNo(const Rating& rated) { m_coach.ExcellentNo(rated); }
    void NotBadOk(const Rating& rated) { m_coach.NotBadOk(rated); }
    void NewPuzzleDecisionYes() { m_coach.NewPuzzleDecisionYes(); }
    void DrawGraphDecisionYes() { m_coach.DrawGraphDecisionYes(); }
    void DecisionNo() { m_coach.DecisionNo(); }
    // The settings dialog's OK: the game takes these settings whole, the board's tool tips follow
    // them and a new puzzle starts at once (the game in play is dropped unrated).
    void ApplySettings(const GameSettings& settings);

    // --- What the board keeps in the settings (saved with them when the board closes) ---
    // Where the player left the board window, and where it was left last (a width or height of
    // 0: nowhere kept).
    void KeepWindowPlace(const WindowPlace& place);
    WindowPlace KeptWindowPlace() const;
    // The Options menu's colour marks and colour-safe colours.
    void KeepColourLook(bool marks, bool safeColours);

  private:
    // The setter starts each puzzle's clicks afresh.
    friend class PuzzleSetter;
    std::vector<Click> m_clicks;
    PuzzleSetter m_setter{*this};
    Coach m_coach{*this};
};

}  // namespace game
