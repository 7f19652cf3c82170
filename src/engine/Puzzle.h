// SPDX-License-Identifier: GPL-3.0-or-later
// NewPuzzle: building a new puzzle around a hidden proper colouring, and its par.
#pragma once

#include <cstdint>

#include "engine/Views.h"

namespace game {

// Draws the random settings, builds the hidden colouring, the forced clique and the
// random edges, and hands the puzzle to the board. Never fails and never allocates.
void NewPuzzle();

// Joins u and v; the caller makes sure the pair is new.
void AddEdge(int u, int v);

// Hears every AddEdge in the order made (developer tools and tests); nullptr stops it.
void SetEdgeListener(EdgeListener listener, void* context);

// Par of the puzzle on display.
std::int32_t ComputePar();

// Par of a puzzle of n vertices, built with hiddenColorCount colours and edgeCount edges.
std::int32_t ParFor(int n, bool edgesShown, int hiddenColorCount, int edgeCount);

// The settings draws, each from its own reseed.
int DrawNumberOfColors();
int DrawNumberOfVertices();
int DrawEdgeProbability();

// Draws every board edge not yet drawn, each once from its lower-numbered end.
void ShowAllEdges();

// Walks the first n vertices of a view through their neighbours in order, marks every edge
// not yet marked in that view (once, from the end met first), draws it as it is marked and
// refreshes each vertex after its edges.
void DrawEveryEdge(EdgeView view, int n);

// Copies the board's vertex records onto the solution view and lets the board follow.
void MirrorToSolutionView();

}  // namespace game
