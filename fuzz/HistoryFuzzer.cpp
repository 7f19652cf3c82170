// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary file text to the history reader and checks what the statistics window and a
// player's file rely on: every game read holds figures a game can give and writes back as the
// same game, the figures of any history add up without overflow, and deleting a level takes
// that level's games out and leaves every other line, read or not, as it was.
// Built as a libFuzzer target with clang (fuzz/CMakeLists.txt), and into a plain program that
// replays the seeds, run by the test suite in every build (the sanitizer build included).
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GameEnd.h"
#include "engine/History.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckFigures(const std::vector<game::GameRecord>& games, std::int32_t level) {
    __extension__ typedef __int128 Wide;
    Wide fromPar = 0;
    Wide ms = 0;
    std::int32_t count = 0;
    for (const game::GameRecord& g : games) {
        if (level != 0 && g.Level() != level)
            continue;
        ++count;
        fromPar += Wide{g.result} - g.par;
        if (g.Timed())
            ms += g.solveMs;
    }
    const game::Tally tally = game::Summarize(games, level);
    Check(tally.games == count && Wide{tally.totalFromPar} == fromPar && Wide{tally.totalMs} == ms);
    (void)game::ReduceAverage(tally.totalFromPar, tally.games).Text();
    (void)game::TimeText(tally.bestMs);
    (void)game::TimeText(tally.timed ? tally.totalMs / tally.timed : -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const game::HistoryText read = game::ParseHistory(text);
    std::set<std::int32_t> levels;
    for (const game::GameRecord& g : read.games) {
        Check(g.Level() >= 1 && g.Level() <= 66);
        Check(g.par >= 1 && g.par <= game::kLargestPar && g.result >= 0 && g.result <= game::kLargestResult);
        Check(g.solveMs >= -1 && g.solveMs <= game::kLongestSolveMs);
        const game::HistoryText again = game::ParseHistory(game::HistoryHeader() + game::HistoryLine(g));
        Check(again.games.size() == 1 && again.games[0] == g && again.skipped == 0);
        levels.insert(g.Level());
    }
    CheckFigures(read.games, 0);
    Check(game::WithoutLevel(text, 0) == text);
    for (const std::int32_t level : levels) {
        CheckFigures(read.games, level);
        const std::string kept = game::WithoutLevel(text, level);
        const game::HistoryText left = game::ParseHistory(kept);
        std::vector<game::GameRecord> others;
        for (const game::GameRecord& g : read.games) {
            if (g.Level() != level)
                others.push_back(g);
        }
        Check(left.games == others && left.skipped == read.skipped);
        Check(game::WithoutLevel(kept, level) == kept);
    }
    return 0;
}
