// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GameTest.h"

using namespace game;
using namespace gametest;

namespace {

using Edges = std::vector<std::pair<int, int>>;

std::string Format(std::int64_t total, std::int32_t games) {
    return ReduceAverage(total, games).Text();
}

TEST(AverageText, ThreeSignificantDigitsWrittenWithThreeDecimals) {
    EXPECT_EQ(Format(10, 3), "3.330");
    EXPECT_EQ(Format(2, 3), "0.667");
    EXPECT_EQ(Format(1, 16), "0.063");
    EXPECT_EQ(Format(25, 2), "12.500");
    EXPECT_EQ(Format(-3, 2), "-1.500");
    EXPECT_EQ(Format(0, 1), "0.000");
    EXPECT_EQ(Format(-4, 10000), "0.000") << "no minus sign on a value that rounds to zero";
    EXPECT_EQ(Format(5, 10000), "0.001") << "halves go away from zero";
    EXPECT_EQ(Format(-625, 10000), "-0.063");
    EXPECT_EQ(Format(1999, 20), "100.000");
    EXPECT_EQ(Format(247, 2), "124.000");
    EXPECT_EQ(Format(-1999, 2), "-1000.000");
    // From 1000 up, every whole digit stays and the value is rounded to a whole number.
    EXPECT_EQ(Format(2469, 2), "1235.000");
    EXPECT_EQ(Format(-493827, 5), "-98765.000");
    EXPECT_EQ(Format(2147483657, 1), "2147483657.000");
    // The rule works on the exact fraction: halves that a double cannot hold still go up.
    EXPECT_EQ(Format(41, 40), "1.030");
    EXPECT_EQ(Format(-41, 40), "-1.030");
    EXPECT_EQ(Format(1999, 200), "10.000") << "9.995 rounds to three significant digits";
    EXPECT_EQ(Format(19989, 2000), "9.990") << "9.9945 stays below the half";
    EXPECT_EQ(Format(1001, 8), "125.000");
    EXPECT_EQ(Format(INT64_MIN, 1), "-9223372036854775808.000");
    EXPECT_EQ(Format(7, 0), "0.000") << "no games, no average";
}

TEST_F(EngineTest, FortyGamesOfFortyOneOverParAverageExactly) {
    // 41 over par spread over 40 games, one game at a time: 1.025 rounds up to 1.03.
    for (int played = 1; played <= 40; ++played) {
        StartExample(true);
        Solve(played == 1 ? 41 : 0);
    }
    EXPECT_EQ(game.Session.SessionGameCount, 40);
    EXPECT_EQ(game.Session.SessionTotalFromPar, 41);
    EXPECT_EQ(AverageLabel(), "Average From Par: 1.030");
}

TEST_F(EngineTest, AGoodShownGameOpensPerfectAndCountsTheStreak) {
    StartExample(true);
    EXPECT_EQ(game.ComputePar(), 6);
    Solve();
    EXPECT_EQ(windows.dialogs, std::vector<Dialog>{Dialog::Perfect});
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 1);
    EXPECT_EQ(AverageLabel(), "Average From Par: 0.000");
    EXPECT_EQ(game.Session.SessionGameCount, 1);
    // The solution view shows the hidden colouring and every edge once, from its lower end.
    EXPECT_TRUE(board.solvedPicture);
    EXPECT_FALSE(board.paintersOn);
    EXPECT_FALSE(board.drawGraphEnabled);
    EXPECT_EQ(board.twinsShown, 6);
    const TColor expected[] = {clRed, clRed, clLime, clBlue, clRed, clLime};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(game.SolutionVertex[k].FillColor(), expected[k - 1]);
    EXPECT_EQ(board.solutionEdges, (Edges{{1, 3}, {1, 4}, {1, 6}, {2, 3}, {3, 4}, {3, 5}, {4, 5}, {5, 6}}));
    // Showing it again draws nothing twice.
    game.ShowSolution();
    EXPECT_EQ(board.solutionEdges.size(), 8u);
}

TEST_F(EngineTest, OneClickOverParIsNotGood) {
    StartExample(true);
    game.Settings.TeachingModeConsecutiveGoodGames = 5;
    Solve(1);
    EXPECT_EQ(windows.dialogs, std::vector<Dialog>{Dialog::NotBad});
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 0);
    EXPECT_EQ(AverageLabel(), "Average From Par: 1.000");

    game.Settings.TeachingMode = false;
    windows.dialogs.clear();
    StartExample(true);
    Solve(1);
    EXPECT_TRUE(windows.dialogs.empty()) << "outside teaching mode a game over par opens nothing";
    EXPECT_EQ(game.Session.SessionGameCount, 2);
}

TEST_F(EngineTest, ScoreEqualToParIsGood) {
    StartExample(false);  // par 12
    Solve(6);
    EXPECT_EQ(game.Puzzle.ClickCount, 12);
    EXPECT_EQ(windows.dialogs, std::vector<Dialog>{Dialog::Excellent});
    EXPECT_EQ(AverageLabel(), "Average From Par: 0.000");
}

TEST_F(EngineTest, HiddenLevelsNeedThreeExcellentGamesInARow) {
    for (int won = 1; won <= 3; ++won) {
        StartExample(false);
        Solve();
        EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, won);
        // The dialog is handed what it says: the count so far, then the offer.
        const Rating text = windows.ratings.back();
        EXPECT_EQ(text.offer, won == 3);
        if (won < 3) {
            EXPECT_EQ(text.message, RatingMessage::ExcellentCountSoFar);
            EXPECT_EQ(text.streak, won);
        }
    }
    game.ExcellentNo(windows.ratings.back());
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 2) << "the next good game offers again";
    StartExample(false);
    Solve();
    EXPECT_TRUE(windows.ratings.back().offer);
    game.ExcellentOk(windows.ratings.back());
    EXPECT_EQ(game.Settings.NumberOfVertices, 7);
    EXPECT_TRUE(game.Settings.ShowEdges);
    EXPECT_EQ(game.Settings.TeachingModePrimaryLevel, 1);
    EXPECT_EQ(game.Settings.TeachingModeSecondaryLevel, 0);
    EXPECT_EQ(windows.settingsChanges, std::vector<unsigned>{kShowEdgesChanged | kVertexCountChanged});
    EXPECT_EQ(windows.followed, game.Settings)
        << "the settings dialog is handed the settings as they now stand";
}

TEST_F(EngineTest, RatingDialogButtonsOutsideTheirOfferChangeNothing) {
    // Offers made in teaching mode, answered once it is switched off.
    const Rating perfect{RatingMessage::PerfectGoOn, 1, true, 6};
    const Rating excellent{RatingMessage::ExcellentAdvance, 3, true, 6};
    game.Settings.TeachingMode = false;
    game.Settings.TeachingModeConsecutiveGoodGames = 4;
    const GameSettings before = game.Settings;
    game.PerfectOk(perfect);
    game.ExcellentOk(excellent);
    game.NotBadOk({RatingMessage::NotBad, 0, false, 6});
    EXPECT_EQ(game.Settings, before);
    game.PerfectNo(perfect);
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 0);
    EXPECT_TRUE(windows.settingsChanges.empty());
}

TEST_F(EngineTest, AbandoningAGameCountsParPlusTen) {
    StartExample(false);
    game.Settings.TeachingModeConsecutiveGoodGames = 2;
    game.NewGameClick();
    EXPECT_EQ(windows.dialogs, std::vector<Dialog>{Dialog::GameNotOverDecision});
    EXPECT_FALSE(game.Puzzle.GameOver) << "the game goes on until the player decides";
    game.DecisionNo();
    EXPECT_FALSE(game.Puzzle.GameOver);
    game.NewGameClick();
    game.NewPuzzleDecisionYes();  // after 0 clicks all the same
    EXPECT_EQ(AverageLabel(), "Average From Par: 10.000");
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 0);
    EXPECT_FALSE(game.Puzzle.GameOver);
    EXPECT_EQ(game.Puzzle.ClickCount, 0);

    // Hidden edges, par 12: games of 6 and 8 clicks are 6 and 4 under par: (10 - 6 - 4) / 3.
    Solve();
    EXPECT_EQ(AverageLabel(), "Average From Par: 2.000");
    StartExample(false);
    Solve(2);
    EXPECT_EQ(AverageLabel(), "Average From Par: 0.000");
}

TEST_F(EngineTest, ThreeGamesOfZeroOneAndTwoOverParAverageOne) {
    for (int extra : {0, 1, 2}) {
        StartExample(true);
        Solve(extra);
    }
    EXPECT_EQ(AverageLabel(), "Average From Par: 1.000");
}

TEST_F(EngineTest, TheFirstDrawGraphIsFreeTheSecondAsks) {
    StartExample(false);
    game.Settings.TeachingModeConsecutiveGoodGames = 2;
    game.DrawGraphClick();
    EXPECT_TRUE(game.Puzzle.GameOver);
    EXPECT_TRUE(windows.dialogs.empty());
    EXPECT_EQ(game.Session.SessionGameCount, 0) << "nothing is rated";
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 0);
    EXPECT_EQ(board.solutionEdges.size(), 8u);
    EXPECT_FALSE(board.drawGraphEnabled);

    StartExample(false);
    game.DrawGraphClick();
    EXPECT_EQ(windows.dialogs, std::vector<Dialog>{Dialog::GameNotOverDecision2});
    EXPECT_FALSE(game.Puzzle.GameOver);
    game.DrawGraphDecisionYes();
    EXPECT_TRUE(game.Puzzle.GameOver);
    EXPECT_EQ(AverageLabel(), "Average From Par: 10.000");
}

TEST_F(EngineTest, ADecisionLeftOpenWhileTheGameIsSolvedRatesNothingMore) {
    StartExample(true);
    game.NewGameClick();  // New Puzzle path asks...
    Solve();         // ...but the player finishes the game instead
    ASSERT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 1);
    ASSERT_EQ(game.Session.SessionGameCount, 1);
    const std::uint32_t solved = game.Puzzle.Serial;
    game.NewPuzzleDecisionYes();
    EXPECT_EQ(game.Session.SessionGameCount, 1) << "the solved game is not rated a second time";
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 1) << "the streak the solve earned stays";
    EXPECT_NE(game.Puzzle.Serial, solved) << "the new puzzle the player asked for still comes";
    EXPECT_FALSE(game.Puzzle.GameOver);

    // Draw Graph path: the first use is free, the second asks.
    game.DrawGraphClick();
    StartExample(true);
    game.DrawGraphClick();
    Solve();
    ASSERT_EQ(game.Session.SessionGameCount, 2);
    const std::size_t lines = board.solutionEdges.size();
    game.DrawGraphDecisionYes();
    EXPECT_EQ(game.Session.SessionGameCount, 2);
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 1);
    EXPECT_EQ(board.solutionEdges.size(), lines) << "the dialog only closes";
}

// The question stood open while the settings dialog's OK started another puzzle: "Yes" then
// does what it says to the game in play, whichever puzzle it was first asked about.
TEST_F(EngineTest, AQuestionLeftOpenAcrossANewPuzzleActsOnTheGameInPlay) {
    StartExample(true);
    game.Settings.TeachingModeConsecutiveGoodGames = 1;
    game.NewGameClick();
    StartExample(true);  // the settings dialog's OK
    Paint(game.Puzzle.HiddenColoring[1], 1);
    const std::uint32_t played = game.Puzzle.Serial;
    game.NewPuzzleDecisionYes();
    EXPECT_EQ(game.Session.SessionGameCount, 1) << "the game in play is rated";
    EXPECT_EQ(AverageLabel(), "Average From Par: 10.000");
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 0);
    EXPECT_NE(game.Puzzle.Serial, played);

    // Draw Graph path (its first use is free, the second asks).
    game.DrawGraphClick();
    StartExample(true);
    game.Settings.TeachingModeConsecutiveGoodGames = 1;
    game.DrawGraphClick();
    StartExample(true);
    Paint(game.Puzzle.HiddenColoring[1], 1);
    const std::size_t lines = board.solutionEdges.size();
    game.DrawGraphDecisionYes();
    EXPECT_TRUE(game.Puzzle.GameOver) << "the solution of the game in play is shown";
    EXPECT_GT(board.solutionEdges.size(), lines);
    EXPECT_EQ(game.Session.SessionGameCount, 2);
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 0);
}

TEST_F(EngineTest, DialogTextsFollowTeachingModeAndStreak) {
    EXPECT_TRUE(PerfectDialogText(true, 1).offer);
    EXPECT_EQ(PerfectDialogText(true, 1).message, RatingMessage::PerfectGoOn);
    EXPECT_FALSE(PerfectDialogText(true, 0).offer);
    EXPECT_EQ(PerfectDialogText(true, -3).message, RatingMessage::PerfectNeedTwoInARow);
    EXPECT_EQ(PerfectDialogText(false, 7).message, RatingMessage::PerfectWayToGo);
    EXPECT_FALSE(PerfectDialogText(false, 7).offer);
    EXPECT_EQ(ExcellentDialogText(false, 9).message, RatingMessage::ExcellentMethod);
    EXPECT_EQ(ExcellentDialogText(true, -1).message, RatingMessage::ExcellentCountSoFar);
    EXPECT_EQ(ExcellentDialogText(true, -1).streak, -1);
    EXPECT_EQ(ExcellentDialogText(true, 3).message, RatingMessage::ExcellentAdvance);
    EXPECT_TRUE(ExcellentDialogText(true, 3).offer);
}

TEST_F(EngineTest, StreaksReadFromAFileNeverWrapRound) {
    StartExample(true);
    game.Settings.TeachingModeConsecutiveGoodGames = INT32_MAX;
    Solve();
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, INT32_MAX);
    game.Settings.TeachingModePrimaryLevel = INT32_MAX;
    game.Settings.TeachingModeConsecutiveGoodGames = 3;
    game.ExcellentOk({RatingMessage::ExcellentAdvance, 3, true, 6});
    EXPECT_EQ(game.Settings.TeachingModePrimaryLevel, INT32_MAX);
}

TEST_F(EngineTest, AnAdvanceDuringTheNextGameLeavesItsRulesAlone) {
    // The Perfect dialog of one game stays open while the next (7-vertex) game starts.
    StartExample(true);
    Solve();
    const Rating rated = windows.ratings.back();
    game.Settings.NumberOfVertices = 7;
    game.NewGameClick();
    const int n = game.Puzzle.VertexCount;
    ASSERT_EQ(n, 7);
    game.PerfectOk(rated);  // edges hidden and the level changed for the NEXT puzzle
    EXPECT_FALSE(game.Settings.ShowEdges);
    EXPECT_EQ(game.ComputePar(), 7) << "this puzzle was started with its edges shown";
    Solve();
    EXPECT_TRUE(game.Puzzle.GameOver) << "the game ends when its own vertices are all coloured";
    EXPECT_EQ(windows.dialogs.back(), Dialog::Perfect);
}

// The teaching path, walked through the real operations from 6 vertices with edges
// shown round to 6 vertices with edges shown again.
TEST_F(EngineTest, TeachingModeWalksEveryLevelAndStartsOver) {
    game.Settings.RandomNumberOfColors = game.Settings.RandomEdgeProbability = true;
    game.Settings.RandomNumberOfVertices = false;
    std::vector<std::pair<int, bool>> levels;
    std::uint32_t tick = 0;
    while (levels.size() < 23) {
        game.PinClock(gametest::kNoon + static_cast<std::int32_t>(++tick) * 997);
        levels.emplace_back(game.Settings.NumberOfVertices, game.Settings.ShowEdges);
        const int needed = game.Settings.ShowEdges ? 1 : 3;
        for (int won = 1; won <= needed; ++won) {
            game.NewGameClick();
            ASSERT_EQ(game.Puzzle.VertexCount, levels.back().first);
            Solve();
            const Dialog opened = windows.dialogs.back();
            ASSERT_EQ(opened, game.Settings.ShowEdges ? Dialog::Perfect : Dialog::Excellent);
            ASSERT_EQ(windows.ratings.back().offer, won == needed);
            if (opened == Dialog::Perfect) {
                game.PerfectOk(windows.ratings.back());
            } else {
                game.ExcellentOk(windows.ratings.back());
            }
        }
    }
    std::vector<std::pair<int, bool>> expected;
    for (int n = 6; n <= 16; ++n) {
        expected.emplace_back(n, true);
        expected.emplace_back(n, false);
    }
    expected.emplace_back(6, true);
    EXPECT_EQ(levels, expected);
    EXPECT_EQ(game.Settings.TeachingModePrimaryLevel, 11);
}

}  // namespace
