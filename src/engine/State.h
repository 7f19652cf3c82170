// SPDX-License-Identifier: GPL-3.0-or-later
// game::World: the game's whole state, the records every window reads and writes on the one
// user-interface thread, with the hooks the engine reports through. No Qt here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/Palette.h"
#include "engine/PuzzleCode.h"
#include "engine/Settings.h"

namespace game {

// Paint colour of a ColorIndex 1..4 (blue, red, lime, fuchsia); black for anything else.
constexpr TColor PaintColor(int colorIndex) {
    const PaletteEntry* entry = PaletteOf(colorIndex);
    return entry ? entry->paint : clBlack;
}

// One vertex's share of the puzzle: its Neighbors slots -5..16 (slot 0 the degree,
// slots 1..16 adjacency flags) and its fill colour (black = uncoloured). Plain data: the
// windows learn of a changed fill from the engine's messages, never from the record.
class VertexRecord {
  public:
    static constexpr int kFirstSlot = -5;
    static constexpr int kLastSlot = 16;
    static constexpr int kSlotCount = kLastSlot - kFirstSlot + 1;
    using Slots = std::array<std::int32_t, kSlotCount>;

    std::int32_t GetNeighbor(int index) const {
        return m_slots[static_cast<std::size_t>(index - kFirstSlot)];
    }
    void SetNeighbor(int index, std::int32_t value) {
        m_slots[static_cast<std::size_t>(index - kFirstSlot)] = value;
    }
    const Slots& AllNeighbors() const { return m_slots; }
    void SetAllNeighbors(const Slots& values) { m_slots = values; }

    TColor FillColor() const { return m_fill; }
    void SetFillColor(TColor color) { m_fill = color; }

    // Back to a fresh vertex: no neighbours, black fill.
    void Reset() {
        m_slots.fill(0);
        m_fill = clBlack;
    }

  private:
    Slots m_slots{};
    TColor m_fill = clBlack;
};

template <typename T>
using PerVertex = std::array<T, kMaxVertices + 1>;  // slots 1..16; slot 0 unused
template <typename T>
using PairMatrix = std::array<PerVertex<T>, kMaxVertices + 1>;

struct PuzzleState {
    bool GameOver = false;
    PerVertex<std::int32_t> HiddenColoring{};
    std::int32_t HiddenColorCount = 0;
    std::int32_t EdgeCount = 0;
    PairMatrix<std::uint8_t> PairDecided{};
    TColor SelectedColor = clBlack;
    std::int32_t ColoredCount = 0;
    PerVertex<std::int32_t> VertexColored{};
    std::int32_t ClickCount = 0;
    PairMatrix<std::int32_t> BoardEdgeDrawn{};
    PairMatrix<std::int32_t> SolutionEdgeDrawn{};

    // The puzzle on display keeps its own vertex count and edge mode: a teaching advance
    // changes the settings for the next puzzle, never the rules of the one being played.
    std::int32_t VertexCount = 0;
    bool EdgesShown = false;
    // What the puzzle was drawn from, and so its code.
    PuzzleRecipe Recipe{};
    // Played again from its code or restarted: rated and recorded, but it never moves the
    // teaching mode on or back, and it is rated as outside it.
    bool Replay = false;
    // Counts puzzles made.
    std::uint32_t Serial = 0;
    // When the puzzle appeared, on the monotonic clock (milliseconds).
    std::int64_t ShownAtMs = -1;
};

struct SessionState {
    // The run's average from par kept exact: the total of (result - par) over the rated
    // games, and their number.
    std::int64_t SessionTotalFromPar = 0;
    std::int32_t SessionGameCount = 0;
    bool DrawGraphFirstUse = true;
    // The puzzle a code's Play or Restart Puzzle asked to start, while the New Puzzle question
    // stands open; none when the question came from New Puzzle itself.
    std::optional<PuzzleRecipe> ReplayAsked;
};

// The centre of the circle the vertices stand on, in the board's client pixels.
struct BoardLayout {
    std::int32_t BoardCenterX = 160;
    std::int32_t BoardCenterY = 200;
};

class BoardView;
class GameWindows;

// Milliseconds since midnight UTC.
using ClockFn = std::int32_t (*)();
// Milliseconds on a clock that only goes forward, and since 1970-01-01 UTC.
using MillisecondsFn = std::int64_t (*)();
// Hears every edge a new puzzle adds, in the order made (developer tools and tests).
using EdgeListener = void (*)(int u, int v, void* context);

// Where the engine's messages and readings go: the board window, the dialogs, the clock and a
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

// The game's one world: the process-wide records every handler reads and writes on the
// user-interface thread, the pseudo-random seed, the vertices' records and the hooks.
struct World {
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
    // Everything back to a fresh start with default settings: records, vertex records, seed,
    // clock, board, dialogs and listener.
    void Reset();
};

inline World world;

}  // namespace game
