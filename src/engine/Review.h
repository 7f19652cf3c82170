// SPDX-License-Identifier: GPL-3.0-or-later
// game::ReviewOf: a finished game told click by click, each click put in one of four kinds, the
// kinds counted and one hint drawn from the counts. No Qt here.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/History.h"
#include "engine/Position.h"
#include "engine/PuzzleCode.h"
#include "engine/State.h"
#include "engine/Views.h"

namespace game {

// Where a click went, by one rule in this order: a click that cleared a neighbour across an
// edge already drawn is a clash the player could see; otherwise one that cleared a neighbour
// found a hidden edge; otherwise a click on a vertex already coloured is a repaint; otherwise it
// painted.
enum class ClickKind { Painted, VisibleClash, HiddenEdgeFound, Repaint };

ClickKind KindOf(const MoveReport& move, int colorIndexBefore);

// One click of a reviewed game: what was clicked, the colour the vertex wore before (0:
// uncoloured), what the click did (its neighbours cleared, each with whether its edge was hidden
// until then) and its kind.
struct ReviewedClick {
    Click click;
    std::int32_t colorBefore = 0;
    MoveReport move;
    ClickKind kind = ClickKind::Painted;
};

// How many clicks went each way; they always add up to the clicks of the game.
struct ClickCounts {
    std::int32_t painted = 0;
    std::int32_t visibleClashes = 0;
    std::int32_t hiddenEdgesFound = 0;
    std::int32_t repaints = 0;
    std::int32_t Total() const { return painted + visibleClashes + hiddenEdgesFound + repaints; }
    bool operator==(const ClickCounts&) const = default;
};

// The one lesson a game's counts teach, the most useful first: slips on edges the player could
// see, then repaints, then the price of exploring hidden edges; a game of paint alone, and one
// with no click, say so.
enum class ReviewHint { NoClicks, AllPainted, LookAtNeighbours, ChooseOnce, CostOfExploring };
ReviewHint HintFor(const ClickCounts& counts);

// A game told whole: its puzzle, every click with the position after it (positions[0] is the
// puzzle before the first click, positions[k] after click k) and the game's own solution.
struct GameReview {
    bool valid = false;  // false: the recipe is not a playable puzzle, or a click is not of it
    PuzzleRecipe recipe{};
    std::int32_t vertices = 0;
    std::int32_t colors = 0;
    bool edgesShown = false;
    std::int32_t par = 0;
    std::vector<ReviewedClick> clicks;
    std::vector<Position> positions;
    // The puzzle's hidden colouring (colour index of each vertex) and all of its edges.
    PerVertex<std::int32_t> solution{};
    PairMatrix<bool> edges{};
    ClickCounts counts;
    ReviewHint hint = ReviewHint::NoClicks;
};

// Replays the clicks on the puzzle of `recipe` by the game's own rules and tells each of them.
// Clicks after the one that solved the puzzle, or on a vertex it does not have, make it invalid.
GameReview ReviewOf(const PuzzleRecipe& recipe, std::span<const Click> clicks);

}  // namespace game
