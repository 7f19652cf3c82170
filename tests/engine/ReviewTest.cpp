// SPDX-License-Identifier: GPL-3.0-or-later
// A finished game told click by click: where each click went, the counts and the hint.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/Game.h"
#include "engine/Random.h"
#include "engine/Review.h"
#include "support/GameTest.h"

namespace {

// Random games of every size, edges shown and hidden: each click's kind agrees with the
// positions before and after it, the four counts add up to the score, and a game with edges
// shown never finds a hidden edge, and one with neither clash nor repaint reads all painted.
TEST(Reviews, EveryClickIsCountedOnceByTheOneRule) {
    std::uint32_t seed = 20261211u;
    game::Game game;
    int allPainted = 0;
    for (int played = 0; played < 10'000; ++played) {
        gametest::StartRandomPuzzle(game, seed, played % 2 == 0);
        const int n = game.Puzzle.VertexCount;
        if (played % 3 == 0) {
            // Every vertex once, in a random order, in the hidden colouring: never a clash.
            std::vector<int> order(static_cast<std::size_t>(n));
            for (int k = 0; k < n; ++k) order[static_cast<std::size_t>(k)] = k + 1;
            for (int k = n - 1; k > 0; --k)
                std::swap(order[static_cast<std::size_t>(k)], order[static_cast<std::size_t>(game::NextBelow(seed, k + 1))]);
            for (const int vertex : order) gametest::Paint(game, game.Puzzle.HiddenColoring[vertex], vertex);
        }
        for (int k = 0; k < 3 * n && !game.Puzzle.GameOver; ++k) gametest::PlayRandomClick(game, seed);
        const game::GameReview review = game::ReviewOf(game.Puzzle.Recipe, game.Clicks());
        ASSERT_TRUE(review.valid);
        ASSERT_EQ(review.counts.Total(), game.Puzzle.ClickCount) << "game " << played;
        ASSERT_EQ(review.positions.back(), game.Now());
        for (std::size_t k = 0; k < review.clicks.size(); ++k) {
            const game::Position& before = review.positions[k];
            const game::Position& after = review.positions[k + 1];
            const int v = review.clicks[k].click.vertex;
            const game::TColor paint = game::PaintColor(review.clicks[k].click.colorIndex);
            bool cleared = false, seen = false;
            for (int i = 1; i <= n; ++i) {
                if (i == v || before.fills[i] != paint || after.fills[i] != game::clBlack)
                    continue;
                cleared = true;
                seen = seen || before.knownBy[v][i] != game::kEdgeUnknown;
            }
            const game::ClickKind expected = seen      ? game::ClickKind::VisibleClash
                                             : cleared ? game::ClickKind::HiddenEdgeFound
                                             : before.fills[v] != game::clBlack ? game::ClickKind::Repaint
                                                                                : game::ClickKind::Painted;
            ASSERT_EQ(review.clicks[k].kind, expected) << "game " << played << ", click " << k + 1;
        }
        if (review.edgesShown) {
            ASSERT_EQ(review.counts.hiddenEdgesFound, 0);
            if (review.counts.visibleClashes == 0 && review.counts.repaints == 0) {
                ASSERT_EQ(review.counts.painted, game.Puzzle.ClickCount);
                ASSERT_EQ(review.hint, game.Puzzle.ClickCount ? game::ReviewHint::AllPainted
                                                              : game::ReviewHint::NoClicks);
                ++allPainted;
            }
        }
    }
    EXPECT_GT(allPainted, 1000);
}

// The worked example with hidden edges: a paint, a hidden edge found, a clash across the edge it
// revealed, a repaint; the slip on a seen edge is the lesson.
TEST(Reviews, TheExampleGameTellsEachKindOfClick) {
    game::Game game;
    game.PinClock(gametest::kNoon);
    gametest::StartExample(game, false);
    gametest::Paint(game, 1, 1);
    gametest::Paint(game, 1, 4);  // 1 and 4 are joined, the line hidden: 1 cleared
    gametest::Paint(game, 1, 1);  // across the line just revealed: 4 cleared
    gametest::Paint(game, 2, 1);  // blue to red
    const game::GameReview review = game::ReviewOf(game.Puzzle.Recipe, game.Clicks());
    ASSERT_TRUE(review.valid);
    ASSERT_EQ(review.clicks.size(), 4u);
    EXPECT_EQ(review.clicks[0].kind, game::ClickKind::Painted);
    EXPECT_EQ(review.clicks[1].kind, game::ClickKind::HiddenEdgeFound);
    EXPECT_EQ(review.clicks[1].move.clearedCount, 1);
    EXPECT_EQ(review.clicks[1].move.cleared[0], (game::ClearedNeighbour{1, true}));
    EXPECT_EQ(review.positions[2].knownBy[4][1], 2);
    EXPECT_EQ(review.clicks[2].kind, game::ClickKind::VisibleClash);
    EXPECT_EQ(review.clicks[2].move.cleared[0], (game::ClearedNeighbour{4, false}));
    EXPECT_EQ(review.clicks[3].kind, game::ClickKind::Repaint);
    EXPECT_EQ(review.clicks[3].colorBefore, 1);
    EXPECT_EQ(review.counts, (game::ClickCounts{1, 1, 1, 1}));
    EXPECT_EQ(review.hint, game::ReviewHint::LookAtNeighbours);
    EXPECT_EQ(review.par, 12);
    EXPECT_EQ(review.solution[3], 3);
    EXPECT_TRUE(review.edges[3][4] && review.edges[4][3] && !review.edges[1][2]);
    // Clicks no game of this puzzle could make are not told at all.
    EXPECT_FALSE(game::ReviewOf(game.Puzzle.Recipe, std::vector<game::Click>{{7, 1}}).valid);
}

}  // namespace
