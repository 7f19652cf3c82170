// SPDX-License-Identifier: GPL-3.0-or-later
// game::Position and PositionOf: any point of a game, rebuilt from its recipe and its first
// clicks with no window attached. No Qt here.
#pragma once

#include <cstdint>
#include <span>

#include "engine/History.h"
#include "engine/PuzzleCode.h"
#include "engine/State.h"

namespace game {

// The board at some click of a game: what a window needs to draw it and a screen reader to tell
// it, whole.
struct Position {
    // The fill of each vertex 1..16 (black: uncoloured); slot 0 unused.
    PerVertex<TColor> fills{};
    // For each pair, both ways round: kEdgeUnknown, kEdgeShown or the click that revealed it.
    PairMatrix<std::int32_t> knownBy{};
    std::int32_t edgesKnown = 0;
    std::int32_t clicks = 0;
    bool solved = false;
    bool operator==(const Position&) const = default;
};

// The position after `clicks` on the puzzle of `recipe`, exactly as playing them gave it (the
// game's own rules, played with no window); a recipe that is not playable gives an empty position.
Position PositionOf(const PuzzleRecipe& recipe, std::span<const Click> clicks);

}  // namespace game
