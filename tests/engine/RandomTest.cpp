// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/Random.h"
#include "engine/State.h"
#include "support/GameTest.h"

using namespace game;

namespace {
std::int32_t g_readings = 0;
std::int32_t CountingClock() {
    return 1000 + g_readings++;
}
}  // namespace

TEST(Random, KnownSequenceFromSeedZero) {
    game::Game game;
    game.RandSeed = 0;
    EXPECT_EQ(game.RandomBelow(100), 0);
    EXPECT_EQ(game.RandomBelow(100), 3);
    EXPECT_EQ(game.RandomBelow(100), 86);
    EXPECT_EQ(game.RandomBelow(100), 20);
}

TEST(Random, StaysBelowItsBoundWhateverTheSeed) {
    game::Game game;
    for (std::uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu, 0xDEADBEEFu}) {
        game.RandSeed = seed;
        for (int i = 0; i < 2000; ++i) {
            EXPECT_EQ(game.RandomBelow(1), 0);
            const int r = game.RandomBelow(16);
            ASSERT_GE(r, 0);
            ASSERT_LT(r, 16);
        }
    }
}

TEST(Random, ReseedsWithinOneMillisecondRepeatTheirDraws) {
    game::Game game;
    game.PinClock(gametest::kNoon);
    game.ReseedFromClock();
    const int first = game.RandomBelow(100);
    game.ReseedFromClock();
    EXPECT_EQ(game.RandomBelow(100), first);
    EXPECT_EQ(game.RandSeed, 43200000u * 134775813u + 1u);

    // A clock that moves on gives a new seed at every reading.
    g_readings = 0;
    game.SetClock(&CountingClock);
    game.ReseedFromClock();
    EXPECT_EQ(game.RandSeed, 1000u);
    game.ReseedFromClock();
    EXPECT_EQ(game.RandSeed, 1001u);
    game.SetClock(nullptr);
}

TEST(Random, SystemClockReadsMillisecondsOfTheDay) {
    const std::int32_t ms = SystemMillisecondsOfDay();
    EXPECT_GE(ms, 0);
    EXPECT_LT(ms, 24 * 3600 * 1000);
}

TEST(Random, NearestEvenSendsExactHalvesToTheEvenNeighbour) {
    EXPECT_EQ(NearestEven(22.5L), 22);
    EXPECT_EQ(NearestEven(37.5L), 38);
    EXPECT_EQ(NearestEven(-2.5L), -2);
    EXPECT_EQ(NearestEven(22.5000001L), 23);
    EXPECT_EQ(NearestEven(-0.4L), 0);
    // The extended 20.8 lies just below 20.8, so 12 vertices are 27 pixels wide, not 28.
    EXPECT_EQ(NearestEven((20.8L - 12) * 3.125L), 27);
}

TEST(State, AFreshWorldHasTheDefaultSettingsAndNoPuzzle) {
    const game::Game game;
    const GameSettings& s = game.Settings;
    EXPECT_EQ(s, GameSettings{});
    EXPECT_EQ(s.NumberOfVertices, 6);
    EXPECT_EQ(s.NumberOfColors, 3);
    EXPECT_EQ(s.EdgeProbability, 63);
    EXPECT_TRUE(s.ShowEdges && s.TeachingMode && s.ShowToolTips);
    EXPECT_TRUE(s.RandomNumberOfColors && s.RandomEdgeProbability);
    EXPECT_FALSE(s.RandomNumberOfVertices || s.PlayComputer);
    EXPECT_EQ(game.Layout.BoardCenterX, 160);
    EXPECT_EQ(game.Layout.BoardCenterY, 200);
    EXPECT_TRUE(game.Puzzle.GameOver);
    EXPECT_TRUE(game.Session.DrawGraphFirstUse);
    EXPECT_EQ(game.Session.SessionGameCount, 0);
    EXPECT_EQ(game.hooks.board, nullptr);
}

TEST(State, OutOfRangeCountsFallBackToTheirDefaults) {
    game::Game game;
    for (int n : {-7, 0, 5, 17, 2147483647}) {
        game.Settings.NumberOfVertices = n;
        game.Settings.NumberOfColors = n;
        game.Settings.EdgeProbability = n;
        KeepSettingsInRange(game.Settings);
        EXPECT_EQ(game.Settings.NumberOfVertices, 6) << n;
        EXPECT_EQ(game.Settings.NumberOfColors, 3) << n;
        EXPECT_EQ(game.Settings.EdgeProbability, n) << "the edge probability indexes nothing and is kept";
    }
    game.Settings.NumberOfVertices = 16;
    game.Settings.NumberOfColors = 2;
    KeepSettingsInRange(game.Settings);
    EXPECT_EQ(game.Settings.NumberOfVertices, 16);
    EXPECT_EQ(game.Settings.NumberOfColors, 2);
}

TEST(State, VertexRecordKeepsEverySlotAndItsFill) {
    VertexRecord record;
    record.SetFillColor(clRed);
    record.SetNeighbor(-5, 7);
    record.SetNeighbor(16, 1);
    EXPECT_EQ(record.GetNeighbor(-5), 7);
    EXPECT_EQ(record.GetNeighbor(16), 1);
    EXPECT_EQ(record.FillColor(), clRed);
    record.Reset();
    EXPECT_EQ(record.GetNeighbor(16), 0);
    EXPECT_EQ(record.FillColor(), clBlack);
}
