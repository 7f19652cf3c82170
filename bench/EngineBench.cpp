// SPDX-License-Identifier: GPL-3.0-or-later
// How long the engine takes to make a puzzle and to play a click, with a silent board.
#include <benchmark/benchmark.h>

#include "engine/Moves.h"
#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "engine/State.h"

namespace {

void SetUpLargest() {
    game::world.Reset();
    game::world.Settings.RandomNumberOfColors = game::world.Settings.RandomNumberOfVertices = false;
    game::world.Settings.RandomEdgeProbability = false;
    game::world.Settings.NumberOfVertices = 16;
    game::world.Settings.NumberOfColors = 4;
    game::world.Settings.EdgeProbability = 100;
    game::world.Settings.ShowEdges = true;
}

void BM_NewPuzzle16Vertices4Colours(benchmark::State& state) {
    SetUpLargest();
    std::int32_t t = 0;
    for (auto _ : state) {
        game::PinClock(t);
        t = (t + 7919) % 86'400'000;
        game::NewPuzzle();
        benchmark::DoNotOptimize(game::world.Puzzle.EdgeCount);
    }
}
BENCHMARK(BM_NewPuzzle16Vertices4Colours);

void BM_ColorVertexClick(benchmark::State& state) {
    SetUpLargest();
    game::PinClock(12 * 3600 * 1000);
    game::NewPuzzle();
    int colour = 1;
    for (auto _ : state) {
        // Alternate colours on one vertex: every click clears a clashing neighbour or two.
        game::PainterClick(colour);
        game::ColorVertex(1);
        colour = colour % 4 + 1;
        if (game::world.Puzzle.GameOver) {
            state.PauseTiming();
            game::NewPuzzle();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_ColorVertexClick);

}  // namespace

BENCHMARK_MAIN();
