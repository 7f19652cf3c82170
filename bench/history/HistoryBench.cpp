// SPDX-License-Identifier: GPL-3.0-or-later
// The history's figures, on files of the caller's choosing (never the player's own):
//   history_bench make FILE GAMES   writes a history of that many made-up games
//   history_bench open FILE         first opening of the statistics window on it, to painted
//   history_bench append FILE       200 appends, each flushed to disk: median and 90th percentile
//   history_bench loop FILE         appends until killed (kill_history.py kills it at random)
//   history_bench count FILE        games read and lines passed over
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/GameLog.h"
#include "dialogs/TabbedScores.h"
#include "engine/History.h"
#include "platform/HistoryFile.h"

namespace {

game::GameRecord Made(int i) {
    game::GameRecord g;
    g.utc = game::UtcText(1'767'268'800'000 + i * 60'000LL);
    g.vertices = 6 + i % 11;
    g.colors = 2 + i % 3;
    g.edgesShown = i % 2 != 0;
    g.par = 10;
    g.result = 8 + i % 7;
    g.parOrBetter = g.result <= g.par;
    g.solveMs = 5000 + i % 90'000;
    return g;
}

bool Append(const std::string& path, int i) {
    return platform::AppendToHistory(path, game::HistoryHeader(), game::HistoryLine(Made(i)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: history_bench make|open|append|loop|count FILE [GAMES]\n");
        return 2;
    }
    const std::string mode = argv[1];
    const std::string path = argv[2];
    if (mode == "make" && argc > 3) {
        std::string text = game::HistoryHeader();
        for (int i = 0, n = std::atoi(argv[3]); i < n; ++i) text += game::HistoryLine(Made(i));
        std::ofstream(path, std::ios::binary) << text;
        return 0;
    }
    if (mode == "append") {
        std::vector<double> ms;
        for (int i = 0; i < 200; ++i) {
            const auto start = std::chrono::steady_clock::now();
            Append(path, i);
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(ms.begin(), ms.end());
        std::printf("append with fsync: median %.3f ms, 90th percentile %.3f ms (200 games)\n", ms[100],
                    ms[180]);
        return 0;
    }
    if (mode == "loop") {
        for (int i = 0;; ++i) Append(path, i);
    }
    if (mode == "count") {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const game::HistoryText read = game::ParseHistory(bytes);
        std::printf("%zu %zu\n", read.games.size(), read.skipped);
        return 0;
    }
    QApplication app(argc, argv);
    app::GameLog log(path);
    TPerformancePages window(nullptr, TPerformancePages::Pages::BuiltWhenShown);
    window.ShowLog(&log);
    QElapsedTimer timer;
    timer.start();
    window.show();
    QApplication::processEvents();
    window.grab();
    std::printf("first opening with %zu games: %lld ms to painted\n", log.History().size(),
                static_cast<long long>(timer.elapsed()));
    return 0;
}
