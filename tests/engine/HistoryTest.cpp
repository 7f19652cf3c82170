// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's record: which games are rated and what is kept of them, the history text read
// back leniently, and the figures the statistics window shows.
#include <gtest/gtest.h>

#include "engine/Figures.h"
#include "engine/GameEnd.h"
#include "engine/History.h"
#include "engine/Puzzle.h"
#include "engine/PuzzleCode.h"
#include "support/GameRecords.h"
#include "support/GameTest.h"

namespace {

std::int64_t g_steady = 0;
std::int64_t Steady() {
    return g_steady;
}
// 2026-01-01 12:00:00.250 UTC.
std::int64_t Utc() {
    return 1'767'268'800'250;
}

class RecordTest : public gametest::EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        game.hooks.steadyClock = &Steady;
        game.hooks.utcClock = &Utc;
        g_steady = 1000;
    }
};

game::GameRecord Game(int vertices, int colors, bool edges, int par, int result, std::int64_t ms = -1) {
    game::GameRecord g = gametest::RatedGame(vertices, colors, edges, par, result, ms);
    g.utc = game::UtcText(Utc());
    return g;
}

}  // namespace

TEST_F(RecordTest, EveryRatedGameIsHandedOverOnceWithItsNumbersAndNoUnratedOne) {
    gametest::StartExample(game, true);
    game.DrawGraphClick();  // the free first Draw Graph is not rated
    game.NewGameClick();    // the game is over: a new puzzle at once, nothing rated
    ASSERT_TRUE(windows.rated.empty());

    g_steady = 68'400;  // 67.4 seconds after the puzzle appeared
    Solve(1);
    ASSERT_EQ(windows.rated.size(), 1u);
    const game::GameRecord solved = windows.rated[0];
    EXPECT_EQ(solved.Utc(), "2026-01-01T12:00:00.250Z");
    EXPECT_EQ(solved.vertices, 6);
    EXPECT_EQ(solved.colors, 3);
    EXPECT_TRUE(solved.edgesShown);
    EXPECT_EQ(solved.par, 6);
    EXPECT_EQ(solved.result, 7);
    EXPECT_FALSE(solved.parOrBetter);
    EXPECT_TRUE(solved.teaching);
    EXPECT_EQ(solved.ending, game::Ending::Solved);
    EXPECT_EQ(solved.solveMs, 67'400);
    EXPECT_EQ(solved.Level(), 3);

    gametest::StartExample(game, false);
    game.NewGameClick();
    game.NewPuzzleDecisionYes();
    game.DrawGraphClick();
    game.DrawGraphDecisionYes();
    const std::size_t endedUnrated = windows.unrated.size();
    game.ApplySettings(game.Settings);
    gametest::Paint(game, 1, 1);
    game.ApplySettings(game.Settings);  // the settings' OK drops a game unrated, kept to look back on
    ASSERT_EQ(windows.rated.size(), 3u);
    ASSERT_EQ(windows.unrated.size(), endedUnrated + 1);
    EXPECT_EQ(windows.unrated.back().clicks, (std::vector<game::Click>{{1, 1}}));
    EXPECT_EQ(windows.rated[1].ending, game::Ending::NewPuzzle);
    EXPECT_EQ(windows.rated[1].result, windows.rated[1].par + 10);
    EXPECT_EQ(windows.rated[1].solveMs, -1);
    EXPECT_EQ(windows.rated[1].Level(), 4);
    EXPECT_EQ(windows.rated[2].ending, game::Ending::SolutionAsked);
    EXPECT_FALSE(windows.rated[2].Timed());
}

TEST(HistoryText, ReadsBackWhatItWroteAndSkipsWhatItCannotReadWithoutLosingTheRest) {
    const game::GameRecord a = Game(6, 2, true, 5, 5, 4'000);
    const game::GameRecord b = Game(16, 4, false, 30, 40);
    std::string text = game::HistoryHeader() + game::HistoryLine(a) + "\x01\xff junk\n\n" +
                       game::HistoryLine(b) + "2026-01-01T12:00:00.000Z\t7\t3\t1\n" + "2026-01-01T12:0";
    const game::HistoryText read = game::ParseHistory(text);
    ASSERT_EQ(read.games.size(), 2u);
    EXPECT_EQ(read.games[0], a);
    EXPECT_EQ(read.games[1], b);
    EXPECT_EQ(read.skipped, 3u);  // the junk, the short line and the torn last one
    EXPECT_TRUE(game::ParseHistory("").games.empty());

    // Deleting a level keeps every other line byte for byte, unreadable ones included.
    const std::string kept = game::WithoutLevel(text, b.Level());
    EXPECT_EQ(kept, game::HistoryHeader() + game::HistoryLine(a) + "\x01\xff junk\n\n" +
                        "2026-01-01T12:00:00.000Z\t7\t3\t1\n" + "2026-01-01T12:0");

    // A newer version with its columns in another order and more of them is read by name.
    const std::string newer =
        "#SpEcTrUmIx-history 2\tnote\tending\tsolve_ms\tutc\tvertices\tcolors\tedges\tpar\tresult\t"
        "par_or_better\tteaching\textra\n"
        "hi\tsolved\t4000\t2026-01-01T12:00:00.250Z\t6\t2\t1\t5\t5\t1\t0\tmore\n";
    const game::HistoryText later = game::ParseHistory(newer);
    ASSERT_EQ(later.games.size(), 1u);
    EXPECT_EQ(later.games[0], a);
}

TEST(HistoryFigures, CountLevelsParAndTimes) {
    const std::vector<game::GameRecord> games = {Game(6, 2, true, 5, 5, 67'449),
                                                 Game(6, 2, true, 5, 8, 2'550), Game(6, 2, true, 5, 15),
                                                 Game(16, 4, false, 30, 29, 600'000)};
    const game::Tally all = game::Summarize(games);
    EXPECT_EQ(all.games, 4);
    EXPECT_EQ(all.parOrBetter, 2);
    EXPECT_EQ(all.totalFromPar, 0 + 3 + 10 - 1);
    EXPECT_EQ(all.highestLevel, 66);
    const game::Tally first = game::Summarize(games, 1);
    EXPECT_EQ(first.games, 3);
    EXPECT_EQ(first.timed, 2);
    EXPECT_EQ(first.bestMs, 2'550);
    EXPECT_EQ(game::Summarize(games, 2).games, 0);

    EXPECT_EQ(game::TimeText(67'449), "1:07.4");
    EXPECT_EQ(game::TimeText(2'550), "0:02.6");
    EXPECT_EQ(game::TimeText(59'950), "1:00.0");
    EXPECT_EQ(game::TimeText(600'000, ','), "10:00,0");
    EXPECT_EQ(game::LevelOf(6, 2, true), 1);
    EXPECT_EQ(game::LevelOf(7, 4, false), 12);
    EXPECT_EQ(game::LevelOf(16, 4, false), 66);
    EXPECT_EQ(game::LevelOf(5, 2, true), 0);
    EXPECT_EQ(std::string(game::UtcText(951'782'400'000).data()), "2000-02-29T00:00:00.000Z");
}

// The statistics window's figures are kept game by game as games are rated, never counted again
// from the whole history; they must always be exactly those of the whole list read again: every
// level's tally, its last results against par and its last games, through long runs of one level,
// a forgotten level and games outside the catalogue.
TEST(HistoryFigures, KeptGameByGameTheyEqualTheWholeListCountedAgain) {
    std::uint32_t seed = 2026;
    const auto draw = [&](std::uint32_t n) {
        seed = seed * 1'664'525u + 1'013'904'223u;
        return static_cast<int>((seed >> 8) % n);
    };
    std::vector<game::GameRecord> games;
    game::Figures kept;
    const auto expectWholeList = [&](const char* when) {
        for (int level = 0; level <= 67; ++level) {
            EXPECT_EQ(kept.Of(level), game::Summarize(games, level)) << when << ", level " << level;
            std::vector<std::int64_t> trend;
            std::vector<game::GameRecord> recent;
            for (const game::GameRecord& g : games) {
                if (level != 0 && g.Level() == level) {
                    trend.push_back(g.result - g.par);
                    recent.insert(recent.begin(), g);
                }
            }
            if (trend.size() > game::Figures::kTrendGames)
                trend.erase(trend.begin(), trend.end() - game::Figures::kTrendGames);
            recent.resize(std::min(recent.size(), game::Figures::kRecentGames));
            EXPECT_EQ(kept.Trend(level), trend) << when << ", level " << level;
            EXPECT_EQ(kept.Recent(level), recent) << when << ", level " << level;
        }
    };
    for (int i = 1; i <= 1500; ++i) {
        // Most games at a few levels (long runs wrap the rings), the others anywhere, now and
        // then one outside the catalogue.
        const int level = draw(3) != 0 ? 1 + draw(3) : draw(67);
        const game::LevelShape shape = level ? game::DecodeLevel(level) : game::LevelShape{17, 3, true};
        const int par = 1 + draw(game::kLargestPar);
        const int result = draw(5) == 0 ? static_cast<int>(game::kLargestResult) : par - 3 + draw(8);
        game::GameRecord g = Game(shape.vertices, shape.colors, shape.edgesShown, par, std::max(0, result),
                                  draw(4) == 0 ? -1 : draw(90'000));
        g.utc = game::UtcText(1'767'268'800'000 + i);
        games.push_back(g);
        kept.Add(g);
        if (i % 250 == 0)
            expectWholeList("added");
    }
    kept.Forget(2);
    std::erase_if(games, [](const game::GameRecord& g) { return g.Level() == 2; });
    expectWholeList("level 2 forgotten");
}

// Every level of the statistics pages names one puzzle shape of the catalogue and back again, so
// a game filed under a level is found under that level's shape.
TEST(HistoryFigures, EachOfTheSixtySixLevelsDecodesToTheShapeThatGivesIt) {
    int shapes = 0;
    for (std::int32_t vertices = 6; vertices <= 16; ++vertices) {
        for (std::int32_t colors = 2; colors <= 4; ++colors) {
            for (const bool edgesShown : {true, false}) {
                const std::int32_t level = game::LevelOf(vertices, colors, edgesShown);
                EXPECT_EQ(game::DecodeLevel(level), (game::LevelShape{vertices, colors, edgesShown}))
                    << "level " << level;
                ++shapes;
            }
        }
    }
    EXPECT_EQ(shapes, 66);
    for (std::int32_t level = 1; level <= 66; ++level) {
        const game::LevelShape shape = game::DecodeLevel(level);
        EXPECT_EQ(game::LevelOf(shape.vertices, shape.colors, shape.edgesShown), level);
    }
    EXPECT_EQ(game::DecodeLevel(0), game::LevelShape{}) << "no level, no shape";
    EXPECT_EQ(game::DecodeLevel(67), game::LevelShape{});
}

TEST(HistoryText, FiguresNoGameCanGiveLeaveTheLineUnreadButKeptAndNoFigureOverflows) {
    // Par, result and solve time at the largest a game can give read back; one past them, or
    // a damaged line of the largest numbers a file can hold, is passed over and kept.
    game::GameRecord largest = Game(16, 4, false, game::kLargestPar, 0, game::kLongestSolveMs);
    largest.result = game::kLargestResult;
    const std::string damaged =
        "2026-01-01T00:00:00.000Z\t6\t2\t1\t-5\t9223372036854775807\t0\t0\tsolved\t-\n"
        "2026-01-01T00:00:00.000Z\t6\t2\t1\t0\t6\t0\t0\tsolved\t-\n"
        "2026-01-01T00:00:00.000Z\t6\t2\t1\t129\t6\t0\t0\tsolved\t-\n"
        "2026-01-01T00:00:00.000Z\t6\t2\t1\t6\t-1\t0\t0\tsolved\t-\n"
        "2026-01-01T00:00:00.000Z\t6\t2\t1\t6\t2147483648\t0\t0\tsolved\t-\n"
        "2026-01-01T00:00:00.000Z\t6\t2\t1\t6\t6\t1\t0\tsolved\t31622400001\n";
    const std::string text = game::HistoryHeader() + damaged + game::HistoryLine(largest);
    const game::HistoryText read = game::ParseHistory(text);
    ASSERT_EQ(read.games.size(), 1u);
    EXPECT_EQ(read.games[0], largest);
    EXPECT_EQ(read.skipped, 6u);
    EXPECT_EQ(game::WithoutLevel(text, 1), text);
    EXPECT_EQ(game::WithoutLevel(text, 66), game::HistoryHeader() + damaged);

    const std::vector<game::GameRecord> many(100'000, largest);
    const game::Tally tally = game::Summarize(many);
    EXPECT_EQ(tally.totalFromPar, 100'000 * (game::kLargestResult - game::kLargestPar));
    EXPECT_EQ(tally.totalMs, 100'000 * game::kLongestSolveMs);
    EXPECT_EQ(game::TimeText(tally.totalMs / tally.timed), "527040:00.0");
    EXPECT_EQ(game::TimeText(INT64_MAX), "153722867280912:55.8");
}

namespace {

// A history begun before codes were kept: its old lines read without one, and the lines a game
// of today appends under the old header keep theirs.
TEST(HistoryText, CodesAreKeptAndAFileWithoutThemStillReads) {
    game::GameRecord a = Game(6, 3, true, 6, 6);
    a.code = game::PuzzleCodeOf({6, 3, 63, true, 43'200'000});
    const std::string old =
        "#SpEcTrUmIx-history 1\tutc\tvertices\tcolors\tedges\tpar\tresult\tpar_or_better\tteaching\tending\tsolve_ms\n"
        "2026-01-01T12:00:00.250Z\t6\t3\t1\t6\t6\t1\t0\tsolved\t-\n";
    const game::HistoryText read = game::ParseHistory(old + game::HistoryLine(a));
    ASSERT_EQ(read.games.size(), 2u);
    EXPECT_EQ(read.games[0].Code(), "");
    EXPECT_EQ(read.games[1], a);
    EXPECT_EQ(game::ParseHistory(game::HistoryHeader() + game::HistoryLine(a)).games.at(0), a);
    // A code that cannot be this game's puzzle is dropped, the game kept.
    game::GameRecord b = a;
    b.vertices = 7;
    b.par = 7;
    const game::HistoryText wrong = game::ParseHistory(game::HistoryHeader() + game::HistoryLine(b));
    ASSERT_EQ(wrong.games.size(), 1u);
    EXPECT_EQ(wrong.games[0].Code(), "");
}

// Each game keeps its clicks in the last column, under today's header and under an older one
// (with the code named or not); a damaged field or a game longer than the bound keeps none, and
// the game itself, its figures and its code read as before.
TEST(HistoryText, ClicksAreKeptBoundedAfterTheCodeUnderEveryHeader) {
    game::GameRecord a = Game(6, 3, false, 12, 5);
    a.code = game::PuzzleCodeOf({6, 3, 63, false, 43'200'000});
    a.clicks = {{1, 1}, {4, 1}, {1, 1}, {1, 2}, {6, 3}};
    const std::string v1 =
        "#SpEcTrUmIx-history 1\tutc\tvertices\tcolors\tedges\tpar\tresult\tpar_or_better\tteaching\tending\tsolve_ms\n";
    const std::string v2 = v1.substr(0, v1.size() - 1) + "\tcode\n";
    for (const std::string& header : {game::HistoryHeader(), v1, std::string("#SpEcTrUmIx-history 2") + v2.substr(21)}) {
        const std::string line = game::HistoryLine(a, header);
        EXPECT_TRUE(line.ends_with("\t1141111263\n")) << line;
        EXPECT_EQ(game::ParseHistory(header + line).games.at(0), a) << header;
    }
    game::GameRecord longer = a;
    longer.clicks.assign(game::kLargestClicksKept + 1, {1, 1});
    EXPECT_TRUE(game::HistoryLine(longer).ends_with("\t-\n"));
    longer.clicks.resize(game::kLargestClicksKept);
    EXPECT_EQ(game::ParseHistory(game::HistoryLine(longer)).games.at(0), longer);
    std::string damaged = game::HistoryLine(a);
    damaged.replace(damaged.size() - 3, 2, "9z");
    game::GameRecord without = a;
    without.clicks.clear();
    EXPECT_EQ(game::ParseHistory(damaged).games.at(0), without);
    EXPECT_EQ(game::Summarize(game::ParseHistory(damaged).games), game::Summarize(std::vector{a}));
    // Read back, only each level's last games carry their clicks: the ones the windows list.
    std::string many = game::HistoryHeader();
    for (std::size_t i = 0; i < game::kClicksReadPerLevel + 2; ++i) many += game::HistoryLine(a);
    game::GameRecord other = Game(7, 3, false, 12, 5);  // another level's game keeps its own
    other.code = game::PuzzleCodeOf({7, 3, 63, false, 43'200'000});
    other.clicks = {{7, 1}};
    many += game::HistoryLine(other);
    const std::vector<game::GameRecord> read = game::ParseHistory(many).games;
    EXPECT_TRUE(read[1].clicks.empty());
    EXPECT_EQ(read[2], a);
    EXPECT_EQ(read.back(), other);
}

}  // namespace
