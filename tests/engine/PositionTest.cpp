// SPDX-License-Identifier: GPL-3.0-or-later
// Any position of a game rebuilt from its recipe and its first clicks.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/Game.h"
#include "engine/Position.h"
#include "engine/Random.h"
#include "support/GameTest.h"

namespace {

// Random games of every size, edges shown and hidden, with random colours (so clashes), each
// position rebuilt from the recipe and the clicks kept and found equal to the one played; the
// finished game's record carries the same clicks.
TEST(Positions, EveryRebuiltPositionIsThePlayedOne) {
    std::uint32_t seed = 20261210u;
    game::Game game;
    gametest::RecordingWindows windows;
    game.hooks.windows = &windows;
    int positions = 0;
    for (int played = 0; played < 10'000; ++played) {
        gametest::StartRandomPuzzle(game, seed, played % 2 == 0);
        const int n = game.Puzzle.VertexCount;
        std::vector<game::Click> clicks;
        for (int k = 0; k < 3 * n && !game.Puzzle.GameOver; ++k) {
            clicks.push_back(gametest::PlayRandomClick(game, seed));
            ASSERT_EQ(std::vector<game::Click>(game.Clicks().begin(), game.Clicks().end()), clicks);
            ASSERT_EQ(game::PositionOf(game.Puzzle.Recipe, clicks), game.Now()) << "game " << played << ", click " << k + 1;
            ++positions;
        }
        if (game.Puzzle.GameOver) {
            ASSERT_EQ(windows.rated.back().clicks, clicks);
            windows.rated.clear();
        }
    }
    EXPECT_GT(positions, 100'000);
}

// Known edges are told with how they became known: shown, or revealed by a click's clash.
TEST(Positions, AnEdgeIsKnownAsShownOrByTheClickThatRevealedIt) {
    game::Game game;
    game.PinClock(gametest::kNoon);
    gametest::StartExample(game, false);
    gametest::Paint(game, 1, 1);
    gametest::Paint(game, 1, 4);  // 1 and 4 are joined: the clash of click 2 reveals them
    const game::Position at = game.Now();
    EXPECT_EQ(at.knownBy[1][4], 2);
    EXPECT_EQ(at.knownBy[4][1], 2);
    EXPECT_EQ(at.edgesKnown, 1);
    EXPECT_EQ(at.clicks, 2);
    EXPECT_EQ(game::PositionOf(game.Puzzle.Recipe, {}).edgesKnown, 0);
    gametest::StartExample(game, true);
    EXPECT_EQ(game.Now().knownBy[3][4], game::kEdgeShown);
    EXPECT_EQ(game.Now().edgesKnown, 8);
    EXPECT_TRUE(game.Clicks().empty());
}

// Clicks written as text read back the same; a text no game wrote gives none.
TEST(Positions, ClicksReadBackFromTheirTextAndDamagedTextGivesNone) {
    const std::vector<game::Click> clicks{{1, 1}, {16, 4}, {10, 2}, {9, 0}};
    EXPECT_EQ(game::ClicksText(clicks), "11g4a290");
    EXPECT_EQ(game::ReadClicks("11g4a290", 4), clicks);
    EXPECT_EQ(game::ReadClicks("", 0), std::vector<game::Click>{});
    for (std::string_view bad : {"117", "1175", "h1", "0 1", "11g4a290"})
        EXPECT_FALSE(game::ReadClicks(bad, 3)) << bad;
}

}  // namespace
