// SPDX-License-Identifier: GPL-3.0-or-later
// New Puzzle and Draw Graph at 16 vertices with every edge shown, through the real board window
// (offscreen unless another platform is asked for), the repaint of the whole board included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/Windows.h"
#include "board/Main.h"
#include "engine/GameEnd.h"
#include "engine/Puzzle.h"
#include "engine/Game.h"

namespace {

// The game the board of main() serves.
game::Game* g_game = nullptr;

void NewPuzzleSixteenVerticesAllEdges(benchmark::State& state) {
    game::Game& game = *g_game;
    game.Settings.RandomNumberOfVertices = false;
    game.Settings.NumberOfVertices = 16;
    game.Settings.ShowEdges = true;
    game.Settings.TeachingMode = false;
    for (auto _ : state) {
        game.NewPuzzle();
        // Whatever painting the puzzle left pending happens here, inside the measurement.
        QApplication::processEvents();
    }
    state.counters["edges"] = game.Puzzle.EdgeCount;
}
BENCHMARK(NewPuzzleSixteenVerticesAllEdges)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

// Draw Graph on that board: the solution view's twins and all their lines, painted.
void DrawGraphSixteenVerticesAllEdges(benchmark::State& state) {
    game::Game& game = *g_game;
    game.Settings.RandomNumberOfVertices = false;
    game.Settings.NumberOfVertices = 16;
    game.Settings.ShowEdges = true;
    game.Settings.TeachingMode = false;
    game.Settings.PlayComputer = false;
    for (auto _ : state) {
        state.PauseTiming();
        game.NewPuzzle();
        QApplication::processEvents();
        game.Session.DrawGraphFirstUse = true;
        state.ResumeTiming();
        game.DrawGraphClick();
        QApplication::processEvents();
    }
}
BENCHMARK(DrawGraphSixteenVerticesAllEdges)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_DATA_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    game::Game game;
    g_game = &game;
    app::TWindows windows(game);
    windows.Level1->ShowCentered();
    QApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
