// SPDX-License-Identifier: GPL-3.0-or-later
// GeneratePuzzle: a puzzle built around a hidden proper colouring, away from any board, and its par.
#pragma once

#include <array>
#include <cstdint>

#include "engine/PuzzleCode.h"
#include "engine/State.h"

namespace game {

// A puzzle drawn away from the board, as PlayPuzzle would build it: its hidden colouring, its
// edges in the order made and the seed its draws left behind. Empty for a recipe not playable.
struct PuzzleGraph {
    std::int32_t vertices = 0;
    std::int32_t hiddenColorCount = 0;
    PerVertex<std::int32_t> hiddenColoring{};
    std::array<std::array<std::uint8_t, 2>, kMaxVertices*(kMaxVertices - 1) / 2> edges{};
    std::int32_t edgeCount = 0;
    std::uint32_t seedAfter = 0;
};
PuzzleGraph GeneratePuzzle(const PuzzleRecipe& recipe);

// Par of a puzzle of n vertices, built with hiddenColorCount colours and edgeCount edges.
std::int32_t ParFor(int n, bool edgesShown, int hiddenColorCount, int edgeCount);

// The settings draws, each reseeded from the puzzle's one clock reading.
int DrawNumberOfColors(std::int32_t clockMs);
int DrawNumberOfVertices(std::int32_t clockMs);
int DrawEdgeProbability(std::int32_t clockMs);

// A puzzle's shape as the player asks for it: a count of 0, or a probability below 0, is left
// to a draw ("Random").
struct ShapeAsked {
    int vertices = 0;
    int colors = 0;
    int edgeProbability = -1;
};

// The shape the settings ask New Puzzle (and the worksheet offered from them) for. A hand-edited
// probability beyond 0..100 asks for its nearer bound, which joins pairs exactly as it would.
ShapeAsked ShapeAskedBy(const GameSettings& settings);

// The recipe for an asked shape at a clock reading. What is left to a draw is drawn as New Puzzle
// draws it: the vertices from `verticesMs`, the colours from `colorsMs`, the probability from
// `clockMs` (New Puzzle passes its one reading for all three).
PuzzleRecipe RecipeFor(const ShapeAsked& shape, bool edgesShown, std::int32_t clockMs, std::int32_t verticesMs,
                       std::int32_t colorsMs);

}  // namespace game
