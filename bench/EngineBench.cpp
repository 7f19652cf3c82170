// SPDX-License-Identifier: GPL-3.0-or-later
// How long the engine takes to make a puzzle and to play a click, with a silent board.
#include <benchmark/benchmark.h>

#include "engine/Game.h"
#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "engine/State.h"

namespace {

void SetUpLargest(game::Game& game) {
    game.Settings.RandomNumberOfColors = game.Settings.RandomNumberOfVertices = false;
    game.Settings.RandomEdgeProbability = false;
    game.Settings.NumberOfVertices = 16;
    game.Settings.NumberOfColors = 4;
    game.Settings.EdgeProbability = 100;
    game.Settings.ShowEdges = true;
}

void BM_NewPuzzle16Vertices4Colours(benchmark::State& state) {
    game::Game game;
    SetUpLargest(game);
    std::int32_t t = 0;
    for (auto _ : state) {
        game.PinClock(t);
        t = (t + 7919) % 86'400'000;
        game.NewPuzzle();
        benchmark::DoNotOptimize(game.Puzzle.EdgeCount);
    }
}
BENCHMARK(BM_NewPuzzle16Vertices4Colours);

void BM_ColorVertexClick(benchmark::State& state) {
    game::Game game;
    SetUpLargest(game);
    game.PinClock(12 * 3600 * 1000);
    game.NewPuzzle();
    int colour = 1;
    for (auto _ : state) {
        // Alternate colours on one vertex: every click clears a clashing neighbour or two.
        game.PainterClick(colour);
        game.ColorVertex(1);
        colour = colour % 4 + 1;
        if (game.Puzzle.GameOver) {
            state.PauseTiming();
            game.NewPuzzle();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_ColorVertexClick);

}  // namespace

BENCHMARK_MAIN();
