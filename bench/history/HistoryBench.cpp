// SPDX-License-Identifier: GPL-3.0-or-later
// The history's figures, on files of the caller's choosing (never the player's own):
//   history_bench make FILE GAMES   writes a history of that many made-up games
//   history_bench makeplayed FILE GAMES   the same, each game with its code and some 20 clicks,
//                                   as a history written since the clicks are kept
//   history_bench open FILE         first opening of the statistics window on it: the longest
//                                   stall of the board's thread and the time until the figures show
//   history_bench forget FILE       "Delete Data For This Level" (level 1) from the window: the
//                                   longest stall and the time until the rewrite is done
//   history_bench slowforget FILE   another game forgets level 1 slowly (7 s, its lock held) while
//                                   this one rates a game every 100 ms: games lost, longest stall
//   history_bench append FILE       200 appends, each flushed to disk: median and 90th percentile
//   history_bench rate FILE         60 games rated with the statistics window open on the history
//                                   and a level chosen on its map: the board's thread's time for
//                                   each (the rating, and the figures again when its append is in)
//   history_bench loop FILE         appends until killed (kill_history.py kills it at random)
//   history_bench count FILE        games read and lines passed over
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/TabbedScores.h"
#include "engine/History.h"
#include "engine/PuzzleCode.h"
#include "platform/AtomicFile.h"
#include "platform/HistoryFile.h"
#include "services/GameLog.h"

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
    return platform::AppendToHistory(path, game::HistoryHeader(), game::HistoryLine(Made(i))) ==
           platform::Appended::Done;
}

// The longest gap between two turns of the board's thread, ticking every 10 ms.
class StallWatch {
  public:
    StallWatch() {
        m_clock.start();
        m_tick.setInterval(10);
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
        m_tick.start();
    }
    qint64 longest() const { return std::max(m_longest, m_clock.elapsed() - m_last); }
    qint64 elapsed() const { return m_clock.elapsed(); }

  private:
    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// Runs the event loop until `done` holds, then 200 ms more for the painting.
void RunUntil(const std::function<bool()>& done) {
    while (!done()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QElapsedTimer after;
    after.start();
    while (after.elapsed() < 200) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

int Open(const std::string& path) {
    services::GameLog log(path);
    TPerformancePages window(nullptr, TPerformancePages::Pages::BuiltWhenShown);
    window.ShowLog(&log);
    window.BuildPages();  // as the game does in idle time after start-up
    StallWatch watch;
    qint64 shown = -1;
    QTimer::singleShot(20, [&] { window.show(); });
    RunUntil([&] {
        if (shown < 0 && log.HistoryRead())
            shown = watch.elapsed() - 20;
        return shown >= 0;
    });
    std::printf("first opening with %zu games: longest stall %lld ms, figures shown after %lld ms\n",
                log.History().size(), static_cast<long long>(watch.longest()), static_cast<long long>(shown));
    return 0;
}

int Rate(const std::string& path) {
    services::GameLog log(path);
    TPerformancePages window;
    window.ShowLog(&log);
    window.show();
    log.Settle();
    window.ChooseLevel(1);  // the trend and the last games of a level are shown too
    // Every figure shown again after a change, timed.
    std::int64_t refreshNs = 0;
    const std::function<void()> refresh = log.changed;
    log.changed = [&] {
        const auto start = std::chrono::steady_clock::now();
        refresh();
        refreshNs += std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
                         .count();
    };
    std::vector<double> ms;
    for (int i = 0; i < 60; ++i) {
        const auto start = std::chrono::steady_clock::now();
        log.Record(Made(i));
        const double rating = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        refreshNs = 0;
        log.Settle();  // the append on the worker; its landing shows the figures again
        ms.push_back(rating + double(refreshNs) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("rating a game with %zu games in the history: board's thread median %.3f ms, max %.3f ms (60 games)\n",
                log.History().size(), ms[30], ms.back());
    return 0;
}

int Forget(const std::string& path) {
    services::GameLog log(path);
    TPerformancePages window;
    window.ShowLog(&log);
    window.show();
    log.Settle();
    const std::size_t before = log.History().size();
    StallWatch watch;
    bool done = false;
    qint64 took = -1;
    QTimer::singleShot(20, [&] {
        log.ForgetHistoryLevel(1, [&](bool rewritten) {
            done = true;
            took = rewritten ? watch.elapsed() - 20 : -1;
        });
    });
    RunUntil([&] { return done; });
    std::printf("forgetting level 1 of %zu games (%zu left): longest stall %lld ms, done after %lld ms\n",
                before, log.History().size(), static_cast<long long>(watch.longest()),
                static_cast<long long>(took));
    return took < 0;
}

// Another copy of the game, whose rewrite of level 1 takes 7 s under the lock (a slow disk);
// started before this one's windows. Gives its process and the games the forget keeps.
std::pair<pid_t, std::size_t> StartSlowForget(const std::string& path) {
    std::size_t kept = 0;
    for (const game::GameRecord& g :
         game::ParseHistory(*platform::ReadHistory(path, std::size_t{1} << 30)).games)
        kept += g.Level() != 1 ? 1 : 0;
    const pid_t other = ::fork();
    if (other == 0) {
        const bool done = platform::RewriteFile(path, std::size_t{1} << 30, [](std::string old) {
            ::sleep(7);
            return std::optional<std::string>(game::WithoutLevel(old, 1));
        });
        ::_exit(done ? 0 : 1);
    }
    return {other, kept};
}

int SlowForget(const std::string& path, pid_t other, std::size_t before) {
    ::usleep(300'000);  // the rewrite has its lock
    std::size_t rated = 0;
    qint64 longest = 0;
    {
        services::GameLog log(path);
        StallWatch watch;
        QTimer rate;
        rate.setInterval(100);
        QObject::connect(&rate, &QTimer::timeout, [&] {
            log.Record(Made(2 + 6 * static_cast<int>(rated)));  // never level 1
            ++rated;
        });
        rate.start();
        int status = 0;
        RunUntil([&] { return ::waitpid(other, &status, WNOHANG) == other; });
        rate.stop();
        log.Record(Made(2 + 6 * static_cast<int>(rated++)));  // the next chance after the rewrite
        longest = watch.longest();
        log.Settle();
    }
    std::size_t levelOne = 0;
    const game::HistoryText after = game::ParseHistory(*platform::ReadHistory(path, std::size_t{1} << 30));
    for (const game::GameRecord& g : after.games) levelOne += g.Level() == 1 ? 1 : 0;
    const long long lost = static_cast<long long>(rated) -
                           (static_cast<long long>(after.games.size()) - static_cast<long long>(before));
    std::printf(
        "slow forget by another game: %zu games rated meanwhile, %lld lost, %zu of level 1 left, "
        "longest stall %lld ms\n",
        rated, lost, levelOne, static_cast<long long>(longest));
    return lost != 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: history_bench make|open|rate|forget|slowforget|append|loop|count FILE [GAMES]\n");
        return 2;
    }
    const std::string mode = argv[1];
    const std::string path = argv[2];
    if ((mode == "make" || mode == "makeplayed") && argc > 3) {
        std::string text = game::HistoryHeader();
        for (int i = 0, n = std::atoi(argv[3]); i < n; ++i) {
            game::GameRecord g = Made(i);
            if (mode == "makeplayed") {
                g.code = game::PuzzleCodeOf({g.vertices, g.colors, 63, g.edgesShown, i % 86'400'000});
                for (int k = 0; k < 12 + i % 17; ++k)
                    g.clicks.push_back({static_cast<std::uint8_t>(1 + (i + k) % g.vertices),
                                        static_cast<std::uint8_t>(1 + k % g.colors)});
            }
            text += game::HistoryLine(g);
        }
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
    const auto [other, kept] = mode == "slowforget" ? StartSlowForget(path) : std::pair<pid_t, std::size_t>{};
    QApplication app(argc, argv);
    if (mode == "open")
        return Open(path);
    if (mode == "rate")
        return Rate(path);
    if (mode == "forget")
        return Forget(path);
    if (mode == "slowforget")
        return SlowForget(path, other, kept);
    return 2;
}
