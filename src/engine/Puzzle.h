// SPDX-License-Identifier: GPL-3.0-or-later
// NewPuzzle: building a new puzzle around a hidden proper colouring, and its par.
#pragma once

#include <array>
#include <cstdint>

#include "engine/PuzzleCode.h"
#include "engine/State.h"
#include "engine/Views.h"

namespace game {

// Reads the clock once, draws the random settings from that reading, and plays the puzzle of
// the settings so drawn. Never fails and never allocates.
void NewPuzzle();

// Builds the hidden colouring, the forced clique and the random edges of `recipe` and hands the
// puzzle to the board. The settings are left as they are: a puzzle from a code or a restart is
// `replay`, and a puzzle that is not playable is refused (nothing changes).
void PlayPuzzle(const PuzzleRecipe& recipe, bool replay);

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

// Joins u and v; the caller makes sure the pair is new.
void AddEdge(int u, int v);

// Hears every AddEdge in the order made (developer tools and tests); nullptr stops it.
void SetEdgeListener(EdgeListener listener, void* context);

// Par of the puzzle on display.
std::int32_t ComputePar();

// Par of a puzzle of n vertices, built with hiddenColorCount colours and edgeCount edges.
std::int32_t ParFor(int n, bool edgesShown, int hiddenColorCount, int edgeCount);

// The settings draws, each reseeded from the puzzle's one clock reading.
int DrawNumberOfColors(std::int32_t clockMs);
int DrawNumberOfVertices(std::int32_t clockMs);
int DrawEdgeProbability(std::int32_t clockMs);

// Draws every board edge not yet drawn, each once from its lower-numbered end.
void ShowAllEdges();

// Walks the first n vertices of a view through their neighbours in order, marks every edge
// not yet marked in that view (once, from the end met first), draws it as it is marked and
// refreshes each vertex after its edges.
void DrawEveryEdge(EdgeView view, int n);

// Copies the board's vertex records onto the solution view and lets the board follow.
void MirrorToSolutionView();

}  // namespace game
