// SPDX-License-Identifier: GPL-3.0-or-later
// The records a game is made of: a vertex's share of the puzzle, the puzzle on display and the
// run's session. No Qt here.
#pragma once

#include <array>
#include <cstddef>
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

// How a pair of vertices is known as a line of the board: not at all, shown with the puzzle, or
// (1 and up) revealed by the clash of the click numbered so.
inline constexpr std::int32_t kEdgeUnknown = 0;
inline constexpr std::int32_t kEdgeShown = -1;

template <typename T>
using PerVertex = std::array<T, kMaxVertices + 1>;  // slots 1..16; slot 0 unused
template <typename T>
using PairMatrix = std::array<PerVertex<T>, kMaxVertices + 1>;

// A line between a and b is one line whichever end it was marked from: marked under either order.
template <typename T>
constexpr bool MarkedEitherWay(const PairMatrix<T>& marks, std::size_t a, std::size_t b) {
    return marks[a][b] != T{} || marks[b][a] != T{};
}

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
    // How each line of the board came to be known, both ways round: kEdgeUnknown, kEdgeShown
    // with the puzzle, or the number of the click whose clash revealed it.
    PairMatrix<std::int32_t> EdgeKnownBy{};

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
    // This run's mark on the puzzle it keeps when it closes (drawn when first needed), and the
    // mark of the kept puzzle it resumed at start: a kept puzzle with neither is not this run's
    // to remove.
    std::uint64_t KeepMark = 0;
    std::uint64_t ResumedMark = 0;
};

}  // namespace game
