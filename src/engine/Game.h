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

#include "engine/History.h"
#include "engine/Position.h"
#include "engine/PuzzleCode.h"
#include "engine/Settings.h"
#include "engine/State.h"
#include "engine/Views.h"

namespace game {

// The centre of the circle the vertices stand on, in the board's client pixels.
struct BoardLayout {
    std::int32_t BoardCenterX = 160;
    std::int32_t BoardCenterY = 200;
};

// Milliseconds since midnight UTC.
using ClockFn = std::int32_t (*)();
// Milliseconds on a clock that only goes forward, and since 1970-01-01 UTC.
using MillisecondsFn = std::int64_t (*)();
// Hears every edge a new puzzle adds, in the order made (developer tools and tests).
using EdgeListener = void (*)(int u, int v, void* context);

// Where the game's messages and readings go: the board window, the dialogs, the clock and a
// listener. Unset ones are silent (and the clock is the system's).
struct Hooks {
    BoardView* board = nullptr;
    GameWindows* windows = nullptr;
    ClockFn clock = nullptr;
    std::int32_t pinnedMs = -1;  // 0 and up: every reading of the clock gives this
    EdgeListener edgeListener = nullptr;
    void* edgeListenerContext = nullptr;
    MillisecondsFn steadyClock = nullptr;  // unset: the system's monotonic clock
    MillisecondsFn utcClock = nullptr;     // unset: the system's calendar clock
};

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

    // --- A new puzzle ---
    // Reads the clock once, draws the random settings from that reading, and plays the puzzle of
    // the settings so drawn. Never fails and never allocates.
    void NewPuzzle();
    // Builds the hidden colouring, the forced clique and the random edges of `recipe` and hands
    // the puzzle to the board. The settings are left as they are: a puzzle from a code or a
    // restart is `replay`, and a puzzle that is not playable is refused (nothing changes).
    void PlayPuzzle(const PuzzleRecipe& recipe, bool replay);
    // The puzzle of `recipe` put on the board at once at the position its `clicks` make, as though
    // they had just been played: the fills, every edge known drawn, the score, par and edge count,
    // and the painters on with `painter` (1..4) pressed, or the colour of the last click for 0 or
    // a colour the puzzle has not. The board is told the position whole, never the clicks one by
    // one, and shows the pixels playing them gives. Only a position in play is taken
    // (PositionInPlay): for any other nothing changes and the answer is false.
    bool PlayPuzzleAt(const PuzzleRecipe& recipe, bool replay, std::span<const Click> clicks, int painter = 0);
    // Joins u and v; the caller makes sure the pair is new.
    void AddEdge(int u, int v);
    // Hears every AddEdge in the order made (developer tools and tests); nullptr stops it.
    void SetEdgeListener(EdgeListener listener, void* context);
    // Par of the puzzle on display.
    std::int32_t ComputePar() const;
    // Draws every board edge not yet drawn, each once from its lower-numbered end.
    void ShowAllEdges();
    // Walks the first n vertices of a view through their neighbours in order, marks every edge
    // not yet marked in that view (once, from the end met first), draws it as it is marked and
    // refreshes each vertex after its edges.
    void DrawEveryEdge(EdgeView view, int n);
    // Copies the board's vertex records onto the solution view and lets the board follow.
    void MirrorToSolutionView();

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

    // --- The game's end and the decisions ---
    // Rates the game on display into the run's average distance from par, and hands its record,
    // ended so, to the windows.
    void UpdateSessionAverage(Ending ending);
    // Called by the click that solved the puzzle.
    void EvaluateSolvedGame();
    // Shows the game's own colouring beside the board and stops play.
    void ShowSolution();
    void NewGameClick();
    void DrawGraphClick();
    // A code's Play and Restart Puzzle: the puzzle of `recipe` (or the one in play, afresh), asked
    // first like New Puzzle while a game is in play. It is played without touching the settings.
    void ReplayClick(const PuzzleRecipe& recipe);
    void RestartClick();
    // The rating dialogs' buttons, each answering the game its dialog rated (whatever is in play by
    // then): only an offer the teaching mode made moves it, and going on starts from that game's level.
    void PerfectOk(const Rating& rated);
    void PerfectNo(const Rating& rated);
    void ExcellentOk(const Rating& rated);
    void ExcellentNo(const Rating& rated);
    void NotBadOk(const Rating& rated);
    // The decision dialogs' buttons.
    void NewPuzzleDecisionYes();
    void DrawGraphDecisionYes();
    void DecisionNo();
    // The settings dialog's OK: the game takes these settings whole, the board's tool tips follow
    // them and a new puzzle starts at once (the game in play is dropped unrated).
    void ApplySettings(const GameSettings& settings);

  private:
    std::vector<Click> m_clicks;
    // The record of the last game rated, its room for clicks made with the game's own.
    GameRecord m_rated;
    std::int32_t& Streak();
    bool Teaching() const;
    void SetStreak(std::int32_t value);
};

}  // namespace game
