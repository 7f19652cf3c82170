// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "engine/State.h"
#include "support/GameTest.h"

using namespace game;
using Edges = std::vector<std::pair<int, int>>;

namespace {

using gametest::kNoon;

class PuzzleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.hooks.board = &board;
        game.SetEdgeListener([](int u, int v, void* sink) { static_cast<Edges*>(sink)->emplace_back(u, v); },
                        &edges);
    }
    void TearDown() override {
        game.SetEdgeListener(nullptr, nullptr);
    }
    void Make(std::int32_t timeMs, int n, int c, int p, bool showEdges = false) {
        game.PinClock(timeMs);
        game.Settings.NumberOfVertices = n;
        game.Settings.NumberOfColors = c;
        game.Settings.EdgeProbability = p;
        game.Settings.RandomNumberOfColors = game.Settings.RandomNumberOfVertices =
            game.Settings.RandomEdgeProbability = false;
        game.Settings.ShowEdges = showEdges;
        edges.clear();
        game.NewPuzzle();
    }
    std::vector<int> Coloring() const {
        return {game.Puzzle.HiddenColoring.begin() + 1,
                game.Puzzle.HiddenColoring.begin() + 1 + game.Settings.NumberOfVertices};
    }
    bool Joined(int a, int b) const { return game.BoardVertex[a].GetNeighbor(b) == 1; }

    game::Game game;
    gametest::RecordingBoard board;
    Edges edges;
};

// The worked examples pin every draw, the diagonal pairs' included: skipping those
// draws would join other pairs.
TEST_F(PuzzleTest, WorkedExampleSixVerticesThreeColours) {
    Make(kNoon, 6, 3, 63);
    EXPECT_EQ(Coloring(), (std::vector<int>{2, 2, 3, 1, 2, 3}));
    EXPECT_EQ(edges, (Edges{{3, 4}, {3, 5}, {4, 5}, {1, 3}, {1, 4}, {1, 6}, {2, 3}, {5, 6}}));
    EXPECT_EQ(game.Puzzle.EdgeCount, 8);
    EXPECT_EQ(game.ComputePar(), 12);
    EXPECT_EQ(board.par, 12);
    EXPECT_EQ(board.score, 0);
    EXPECT_EQ(board.edgeCount, 8);

    Make(kNoon, 6, 3, 63, true);
    EXPECT_EQ(game.Puzzle.EdgeCount, 8);
    EXPECT_EQ(board.par, 6);
}

TEST_F(PuzzleTest, WorkedExampleEightVerticesFourColours) {
    Make(kNoon, 8, 4, 63);
    EXPECT_EQ(Coloring(), (std::vector<int>{2, 2, 4, 2, 2, 3, 3, 1}));
    EXPECT_EQ(edges, (Edges{{4, 6},
                            {4, 8},
                            {4, 3},
                            {6, 8},
                            {6, 3},
                            {8, 3},
                            {1, 3},
                            {1, 6},
                            {1, 7},
                            {1, 8},
                            {2, 3},
                            {2, 6},
                            {2, 7},
                            {3, 5},
                            {3, 7},
                            {4, 7},
                            {5, 7},
                            {5, 8},
                            {7, 8}}));
    EXPECT_EQ(game.Puzzle.EdgeCount, 19);
    EXPECT_EQ(game.ComputePar(), 19);
}

TEST_F(PuzzleTest, EveryPuzzleIsProperAndNeedsItsColours) {
    // Thousands of clock readings across the day, every size and colour count.
    for (std::int32_t t = 0; t < 86'400'000; t += 86'400'000 / 1500 + 7) {
        const int n = 6 + t % 11;
        const int c = 2 + (t / 11) % 3;
        const int p = 1 + (t / 3) % 100;
        Make(t, n, c, p);
        SCOPED_TRACE(testing::Message() << "t=" << t << " n=" << n << " c=" << c << " p=" << p);

        const std::vector<int> coloring = Coloring();
        std::set<int> used(coloring.begin(), coloring.end());
        ASSERT_EQ(used, (c == 2   ? std::set<int>{1, 2}
                         : c == 3 ? std::set<int>{1, 2, 3}
                                  : std::set<int>{1, 2, 3, 4}));
        ASSERT_EQ(game.Puzzle.HiddenColorCount, c);
        ASSERT_EQ(static_cast<int>(edges.size()), game.Puzzle.EdgeCount);

        // The first C(C-1)/2 edges are the forced clique, over C different colours.
        if (c >= 3) {
            std::set<int> clique;
            for (int e = 0; e < c * (c - 1) / 2; ++e) {
                clique.insert(edges[static_cast<std::size_t>(e)].first);
                clique.insert(edges[static_cast<std::size_t>(e)].second);
            }
            ASSERT_EQ(static_cast<int>(clique.size()), c);
            std::set<int> cliqueColors;
            for (int v : clique) cliqueColors.insert(game.Puzzle.HiddenColoring[v]);
            ASSERT_EQ(static_cast<int>(cliqueColors.size()), c);
            for (int a : clique) {
                for (int b : clique) {
                    if (a != b) {
                        ASSERT_TRUE(Joined(a, b));
                    }
                }
            }
        }
        for (int a = 1; a <= n; ++a) {
            int flags = 0;
            ASSERT_EQ(game.BoardVertex[a].GetNeighbor(a), 0) << "no vertex is its own neighbour";
            for (int b = 1; b <= n; ++b) {
                flags += game.BoardVertex[a].GetNeighbor(b);
                ASSERT_EQ(Joined(a, b), Joined(b, a));
                if (Joined(a, b)) {
                    ASSERT_NE(game.Puzzle.HiddenColoring[a], game.Puzzle.HiddenColoring[b]);
                }
            }
            ASSERT_EQ(game.BoardVertex[a].GetNeighbor(0), flags);
        }
        std::set<std::pair<int, int>> distinct;
        for (auto [u, v] : edges) distinct.insert({std::min(u, v), std::max(u, v)});
        ASSERT_EQ(distinct.size(), edges.size()) << "every pair is joined at most once";
    }
}

TEST_F(PuzzleTest, CertainEdgesMakeACompleteMultipartiteGraph) {
    for (std::int32_t t : {0, 1234567, kNoon, 86'399'999}) {
        Make(t, 16, 4, 100);
        int expected = 0;
        for (int a = 1; a <= 16; ++a) {
            for (int b = 1; b <= 16; ++b) {
                const bool differ = game.Puzzle.HiddenColoring[a] != game.Puzzle.HiddenColoring[b];
                EXPECT_EQ(Joined(a, b), differ);
                expected += (a < b && differ) ? 1 : 0;
            }
        }
        EXPECT_EQ(game.Puzzle.EdgeCount, expected);
    }
}

TEST_F(PuzzleTest, TwoColourPuzzlesForceNoEdgeAndMayHaveNone) {
    int withoutEdges = 0;
    for (std::int32_t t = 0; t < 200; ++t) {
        Make(t * 4099, 6, 2, 1);
        withoutEdges += game.Puzzle.EdgeCount == 0 ? 1 : 0;
        EXPECT_EQ(game.ComputePar(), 12);
    }
    EXPECT_GT(withoutEdges, 100) << "with a 1 % edge chance most two-colour puzzles are edgeless";
}

TEST_F(PuzzleTest, ParTable) {
    EXPECT_EQ(ParFor(9, true, 3, 40), 9);
    EXPECT_EQ(ParFor(16, true, 4, 100), 16);
    EXPECT_EQ(ParFor(12, false, 3, 80), 33) << "whatever the edge count";
    EXPECT_EQ(ParFor(12, false, 4, 20), 30);
    EXPECT_EQ(ParFor(12, false, 2, 40), 46);
    EXPECT_EQ(ParFor(16, false, 3, 40), 40);
    EXPECT_EQ(ParFor(9, false, 3, 10), 18);
    EXPECT_EQ(ParFor(10, false, 3, 10), 25);
    EXPECT_EQ(ParFor(14, false, 3, 30), 37);
    EXPECT_EQ(ParFor(15, false, 3, 10), 30);
    EXPECT_EQ(ParFor(13, false, 3, 27), 33);
}

// The drawn settings replace the stored ones (and so are what the settings dialog shows and the
// next save writes). Each draw reseeds, so one clock reading fixes all three.
TEST_F(PuzzleTest, RandomSettingsAreDrawnAndKept) {
    struct Draw {
        std::int32_t timeMs;
        int vertices, colors, edgeProbability;
    };
    for (const Draw& draw : {Draw{0, 6, 2, 40}, Draw{7, 7, 3, 49}, Draw{4099, 10, 4, 68},
                             Draw{kNoon, 8, 3, 56}, Draw{61234567, 16, 4, 84}}) {
        game.PinClock(draw.timeMs);
        GameSettings& s = game.Settings;
        s.RandomNumberOfColors = s.RandomNumberOfVertices = s.RandomEdgeProbability = true;
        game.NewPuzzle();
        EXPECT_EQ(s.NumberOfVertices, draw.vertices) << draw.timeMs;
        EXPECT_EQ(s.NumberOfColors, draw.colors) << draw.timeMs;
        EXPECT_EQ(s.EdgeProbability, draw.edgeProbability) << draw.timeMs;
        EXPECT_EQ(game.Puzzle.VertexCount, draw.vertices);
        EXPECT_EQ(game.Puzzle.HiddenColorCount, draw.colors);
    }
    // Over a day every vertex count and colour count comes up, and the edge probability keeps
    // to 40..84.
    std::set<int> counts, colors, probabilities;
    for (std::int32_t t = 0; t < 86'400'000; t += 86'400'000 / 2000 + 1) {
        game.PinClock(t);
        game.NewPuzzle();
        counts.insert(game.Settings.NumberOfVertices);
        colors.insert(game.Settings.NumberOfColors);
        probabilities.insert(game.Settings.EdgeProbability);
    }
    EXPECT_EQ(counts.size(), 11u);
    EXPECT_EQ(colors.size(), 3u);
    EXPECT_EQ(*probabilities.begin(), 40);
    EXPECT_EQ(*probabilities.rbegin(), 84);
}

TEST_F(PuzzleTest, HandsThePuzzleToTheBoardInOrder) {
    Make(kNoon, 6, 3, 63, true);
    EXPECT_EQ(board.calls, (std::vector<std::string>{"ShowSolvedPicture(play)", "ShowPlayControls",
                                                     "LayOutBoard", "MirrorToSolutionView"}));
    EXPECT_EQ(board.shape.vertices, 6);
    EXPECT_EQ(board.shape.colors, 3);
    EXPECT_EQ(board.shape.centerX, 160);
    EXPECT_EQ(board.shape.centerY, 200);
    EXPECT_FALSE(board.twinsDuringPlay);
    EXPECT_FALSE(game.Puzzle.GameOver);
    EXPECT_EQ(game.Puzzle.SelectedColor, clBlue);
    // Every edge drawn once, from its lower-numbered end, and marked in that order only.
    EXPECT_EQ(board.boardEdges, (Edges{{1, 3}, {1, 4}, {1, 6}, {2, 3}, {3, 4}, {3, 5}, {4, 5}, {5, 6}}));
    for (auto [a, b] : board.boardEdges) {
        EXPECT_EQ(game.Puzzle.BoardEdgeDrawn[a][b], 1);
        EXPECT_EQ(game.Puzzle.BoardEdgeDrawn[b][a], 0);
    }
    // The solution view knows the same graph.
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(game.SolutionVertex[k].AllNeighbors(), game.BoardVertex[k].AllNeighbors());

    Make(kNoon, 6, 3, 63, false);
    EXPECT_TRUE(board.boardEdges.size() == 8u) << "hidden edges are not drawn";
    for (int a = 1; a <= 16; ++a) {
        for (int b = 1; b <= 16; ++b) EXPECT_EQ(game.Puzzle.BoardEdgeDrawn[a][b], 0);
    }
}

TEST_F(PuzzleTest, ANewPuzzleDiscardsTheOldOne) {
    Make(kNoon, 16, 4, 100, true);
    game.BoardVertex[3].SetFillColor(clRed);
    game.Puzzle.ClickCount = 9;
    game.Puzzle.SolutionEdgeDrawn[1][2] = 1;
    Make(kNoon + 5, 6, 2, 50);
    EXPECT_EQ(game.Puzzle.ClickCount, 0);
    EXPECT_EQ(game.Puzzle.ColoredCount, 0);
    EXPECT_EQ(game.Puzzle.SolutionEdgeDrawn[1][2], 0);
    EXPECT_EQ(game.Puzzle.BoardEdgeDrawn[1][2], 0);
    for (int k = 1; k <= 16; ++k) EXPECT_EQ(game.BoardVertex[k].FillColor(), clBlack);
    for (int k = 7; k <= 16; ++k) EXPECT_EQ(game.Puzzle.HiddenColoring[k], 0);
    for (int a = 1; a <= 6; ++a) {
        int flags = 0;
        for (int b = 1; b <= 6; ++b) flags += game.BoardVertex[a].GetNeighbor(b);
        EXPECT_EQ(game.BoardVertex[a].GetNeighbor(0), flags);
    }
}

TEST_F(PuzzleTest, HandEditedCountsNeverReachBeyondTheArrays) {
    for (auto [n, c] :
         std::vector<std::pair<int, int>>{{0, 3}, {17, 3}, {-1, 0}, {1000, 9}, {6, 5}, {3, 4}}) {
        game.PinClock(kNoon);
        game.Settings.RandomNumberOfColors = game.Settings.RandomNumberOfVertices = false;
        game.Settings.NumberOfVertices = n;
        game.Settings.NumberOfColors = c;
        game.NewPuzzle();
        EXPECT_GE(game.Settings.NumberOfVertices, 6);
        EXPECT_LE(game.Settings.NumberOfVertices, 16);
        EXPECT_GE(game.Settings.NumberOfColors, 2);
        EXPECT_LE(game.Settings.NumberOfColors, 4);
        EXPECT_EQ(game.Puzzle.HiddenColorCount, game.Settings.NumberOfColors);
    }
    for (int p : {-50, 0, 101, 2147483647}) {
        Make(kNoon, 8, 3, p);
        EXPECT_EQ(game.Puzzle.HiddenColorCount, 3) << "any edge probability still builds a puzzle";
    }
}

}  // namespace
