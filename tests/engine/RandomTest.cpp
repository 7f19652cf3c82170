// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Random.h"
#include "State.h"

using namespace game;

namespace {
std::int32_t g_readings = 0;
std::int32_t CountingClock() { return 1000 + g_readings++; }
}  // namespace

TEST(Random, KnownSequenceFromSeedZero) {
    RandSeed = 0;
    EXPECT_EQ(RandomBelow(100), 0);
    EXPECT_EQ(RandomBelow(100), 3);
    EXPECT_EQ(RandomBelow(100), 86);
    EXPECT_EQ(RandomBelow(100), 20);
}

TEST(Random, StaysBelowItsBoundWhateverTheSeed) {
    for (std::uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu, 0xDEADBEEFu}) {
        RandSeed = seed;
        for (int i = 0; i < 2000; ++i) {
            EXPECT_EQ(RandomBelow(1), 0);
            const int r = RandomBelow(16);
            ASSERT_GE(r, 0);
            ASSERT_LT(r, 16);
        }
    }
}

TEST(Random, ReseedsWithinOneMillisecondRepeatTheirDraws) {
    PinClock(12 * 3600 * 1000);
    ReseedFromClock();
    const int first = RandomBelow(100);
    ReseedFromClock();
    EXPECT_EQ(RandomBelow(100), first);
    EXPECT_EQ(RandSeed, 43200000u * 134775813u + 1u);

    // A clock that moves on gives a new seed at every reading.
    g_readings = 0;
    SetClock(&CountingClock);
    ReseedFromClock();
    EXPECT_EQ(RandSeed, 1000u);
    ReseedFromClock();
    EXPECT_EQ(RandSeed, 1001u);
    SetClock(nullptr);
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

TEST(State, StartValuesFollowTheLoadedVertexCount) {
    ResetAllState();
    EXPECT_EQ(Settings, GameSettings{});
    EXPECT_EQ(Settings.NumberOfVertices, 6);
    EXPECT_EQ(Settings.NumberOfColors, 3);
    EXPECT_EQ(Settings.EdgeProbability, 63);
    EXPECT_TRUE(Settings.ShowEdges && Settings.TeachingMode && Settings.ShowToolTips);
    EXPECT_TRUE(Settings.RandomNumberOfColors && Settings.RandomEdgeProbability);
    EXPECT_FALSE(Settings.RandomNumberOfVertices || Settings.PlayComputer);
    EXPECT_EQ(Layout.BoardRadius, 105);
    EXPECT_TRUE(Puzzle.GameOver);
    EXPECT_TRUE(Session.DrawGraphFirstUse);
    EXPECT_EQ(Session.SessionGameCount, 0);

    Settings.NumberOfVertices = 16;
    SetStartValues();
    EXPECT_EQ(Layout.BoardRadius, 143);
}

TEST(State, OutOfRangeCountsFallBackToTheirDefaults) {
    ResetAllState();
    for (int n : {-7, 0, 5, 17, 2147483647}) {
        Settings.NumberOfVertices = n;
        Settings.NumberOfColors = n;
        Settings.EdgeProbability = n;
        KeepSettingsInRange();
        EXPECT_EQ(Settings.NumberOfVertices, 6) << n;
        EXPECT_EQ(Settings.NumberOfColors, 3) << n;
        EXPECT_EQ(Settings.EdgeProbability, n) << "the edge probability indexes nothing and is kept";
    }
    Settings.NumberOfVertices = 16;
    Settings.NumberOfColors = 2;
    KeepSettingsInRange();
    EXPECT_EQ(Settings.NumberOfVertices, 16);
    EXPECT_EQ(Settings.NumberOfColors, 2);
}

TEST(State, VertexRecordTellsItsObserverOnlyOfRealChanges) {
    struct Counter : VertexObserver {
        int changes = 0;
        void fillColorChanged() override { ++changes; }
    } counter;
    VertexRecord record;
    record.SetObserver(&counter);
    record.SetFillColor(clBlack);
    EXPECT_EQ(counter.changes, 0);
    record.SetFillColor(clRed);
    record.SetFillColor(clRed);
    EXPECT_EQ(counter.changes, 1);
    record.SetNeighbor(-5, 7);
    record.SetNeighbor(16, 1);
    EXPECT_EQ(record.GetNeighbor(-5), 7);
    EXPECT_EQ(record.GetNeighbor(16), 1);
    EXPECT_EQ(counter.changes, 1) << "neighbour slots are plain data";
}
