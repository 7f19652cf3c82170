// SPDX-License-Identifier: GPL-3.0-or-later
// A game on a pinned clock, and the player's way to finish it, shared by every kind of test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/GameEnd.h"
#include "engine/Game.h"
#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "engine/State.h"
#include "support/FakeViews.h"

namespace gametest {

// Every reseed at 12:00:00.000 UTC gives the worked examples.
inline constexpr std::int32_t kNoon = 12 * 3600 * 1000;

// Colours every vertex with the game's own colouring, after `extra` wasted clicks on vertex 1;
// `play(colourIndex, vertex)` makes one move the way the test plays (engine calls or clicks).
template <typename Play>
void Solve(const game::Game& game, Play&& play, int extra = 0) {
    const game::PuzzleState& p = game.Puzzle;
    for (int i = 0; i < extra; ++i) play(p.HiddenColoring[1], 1);
    for (int k = 1; k <= p.VertexCount; ++k) play(p.HiddenColoring[k], k);
}

// The six-vertex worked example at noon, its settings alone or started at once: hidden colouring
// 2 2 3 1 2 3, edges 3-4 3-5 4-5 1-3 1-4 1-6 2-3 5-6 (par 6 with edges shown, 12 hidden).
inline void UseExample(game::Game& game, bool showEdges) {
    game::GameSettings& s = game.Settings;
    s.RandomNumberOfColors = s.RandomNumberOfVertices = s.RandomEdgeProbability = false;
    s.NumberOfVertices = 6;
    s.NumberOfColors = 3;
    s.EdgeProbability = 63;
    s.ShowEdges = showEdges;
}

inline void StartExample(game::Game& game, bool showEdges) {
    UseExample(game, showEdges);
    game.NewPuzzle();
}

// A painter click and then a vertex click, through the engine.
inline void Paint(game::Game& game, int colorIndex, int vertex) {
    game.PainterClick(colorIndex);
    game.VertexClick(vertex);
}

// A random puzzle of any size and colour count, out of the teaching mode, its edges shown or not:
// the clock pinned at a moment drawn from `seed`.
inline void StartRandomPuzzle(game::Game& game, std::uint32_t& seed, bool showEdges) {
    game::GameSettings& s = game.Settings;
    s.RandomNumberOfVertices = s.RandomNumberOfColors = s.RandomEdgeProbability = true;
    s.TeachingMode = false;
    s.ShowEdges = showEdges;
    game.PinClock(game::NextBelow(seed, 86'400'000));
    game.NewPuzzle();
}

// One random click: a random vertex, mostly in the hidden colouring so that games end, otherwise
// in any colour so that they clash. Returns the click played.
inline game::Click PlayRandomClick(game::Game& game, std::uint32_t& seed) {
    const int vertex = game::NextBelow(seed, game.Puzzle.VertexCount) + 1;
    const int colour =
        game::NextBelow(seed, 3) != 0 ? game.Puzzle.HiddenColoring[vertex] : game::NextBelow(seed, 4) + 1;
    Paint(game, colour, vertex);
    return {static_cast<std::uint8_t>(vertex), static_cast<std::uint8_t>(colour)};
}

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.hooks.board = &board;
        game.hooks.windows = &windows;
        game.PinClock(kNoon);
    }
    void Solve(int extra = 0) {
        gametest::Solve(game, [this](int colorIndex, int vertex) { Paint(colorIndex, vertex); }, extra);
    }
    void Paint(int colorIndex, int vertex) { gametest::Paint(game, colorIndex, vertex); }
    void StartExample(bool showEdges) { gametest::StartExample(game, showEdges); }
    void UseExample(bool showEdges) { gametest::UseExample(game, showEdges); }
    // The average label as the board words it in English.
    std::string AverageLabel() const {
        return board.averagesShown == 0 ? std::string() : "Average From Par: " + board.average.Text();
    }

    // The test's own game, fresh for each test.
    game::Game game;
    RecordingBoard board;
    RecordingWindows windows;
};

}  // namespace gametest
