// SPDX-License-Identifier: GPL-3.0-or-later
// The review window's figures: a 16-vertex game of 200 clicks (edges hidden, so clashes reveal
// edges), the window shown on it and one step drawn, each timed until painted, as medians.
//   review_bench [runs [picture.png]]   (the picture: the window at click 100, to look at)
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "dialogs/ReviewWindow.h"
#include "engine/Game.h"
#include "engine/Random.h"

namespace {

// A game of 200 clicks on the largest puzzle that is still unsolved at its last click.
game::GameRecord LongGame() {
    std::uint32_t seed = 1;
    for (;;) {
        game::Game game;
        game::GameSettings& s = game.Settings;
        s.RandomNumberOfVertices = s.RandomNumberOfColors = s.RandomEdgeProbability = false;
        s.NumberOfVertices = 16;
        s.NumberOfColors = 4;
        s.EdgeProbability = 63;
        s.ShowEdges = false;
        game.PinClock(static_cast<std::int32_t>(seed * 7919u % 86'400'000u));
        game.NewPuzzle();
        for (int k = 0; k < 200 && !game.Puzzle.GameOver; ++k) {
            game.PainterClick(game::NextBelow(seed, 4) + 1);
            game.VertexClick(game::NextBelow(seed, 16) + 1);
        }
        if (game.Puzzle.GameOver || game.Clicks().size() != 200)
            continue;
        game::GameRecord record;
        record.code = game::PuzzleCodeOf(game.Puzzle.Recipe);
        record.clicks.assign(game.Clicks().begin(), game.Clicks().end());
        return record;
    }
}

int benchmark_sink = 0;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    const game::GameRecord record = LongGame();
    std::vector<double> shown, stepped;
    for (int run = 0; run < runs; ++run) {
        TReviewWindow window([] { return std::pair{true, false}; });
        QElapsedTimer clock;
        clock.start();
        window.ShowGame(record);
        window.show();
        // Painted whole into a picture: every control and the drawing, as the screen gets them.
        benchmark_sink += window.grab().width();
        shown.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        window.GoToStep(100 + run % 50);
        benchmark_sink += window.grab().width();
        stepped.push_back(clock.nsecsElapsed() / 1e6);
    }
    if (argc > 2) {
        TReviewWindow window([] { return std::pair{true, false}; });
        window.ShowGame(record);
        window.show();
        window.GoToStep(100);
        window.grab().save(QString::fromLocal8Bit(argv[2]));
    }
    std::printf("review window shown (200 clicks, 16 vertices): median %.2f ms over %d runs\n", Median(shown), runs);
    std::printf("one step drawn: median %.2f ms over %d runs\n", Median(stepped), runs);
    return benchmark_sink > 0 ? 0 : 1;
}
