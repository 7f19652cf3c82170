// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GameTest.h"

using namespace game;
using namespace gametest;

namespace {

using Edges = std::vector<std::pair<int, int>>;

TEST_F(EngineTest, PaintingABlackVertexWithoutClash) {
    StartExample(false);
    Paint(2, 1);
    EXPECT_EQ(game.Puzzle.ClickCount, 1);
    EXPECT_EQ(board.score, 1);
    EXPECT_EQ(game.BoardVertex[1].FillColor(), clRed);
    EXPECT_EQ(game.Puzzle.ColoredCount, 1);
    EXPECT_EQ(game.Puzzle.VertexColored[1], 1);

    // The same colour again still counts and changes nothing else.
    Paint(2, 1);
    EXPECT_EQ(game.Puzzle.ClickCount, 2);
    EXPECT_EQ(game.Puzzle.ColoredCount, 1);
    EXPECT_TRUE(board.boardEdges.empty());
}

TEST_F(EngineTest, PainterClicksSelectTheColourAndKeepThePainterDown) {
    StartExample(false);
    EXPECT_EQ(game.Puzzle.SelectedColor, clBlue);
    EXPECT_EQ(board.pressedPainter, 1);
    const std::pair<void (Game::*)(), TColor> painters[] = {{&Game::MaroonPainterClick, clRed},
                                                            {&Game::GreenPainterClick, clLime},
                                                            {&Game::PurplePainterClick, clFuchsia},
                                                            {&Game::NavyPainterClick, clBlue}};
    int index = 2;
    for (auto [click, color] : painters) {
        (game.*click)();
        EXPECT_EQ(game.Puzzle.SelectedColor, color);
        EXPECT_EQ(board.pressedPainter, index == 5 ? 1 : index);
        ++index;
    }
}

TEST_F(EngineTest, AClashClearsEveryClashingNeighbourAndRevealsTheirEdges) {
    StartExample(false);
    // Vertex 3 neighbours 1, 2, 4 and 5.
    Paint(1, 1);
    Paint(1, 4);  // 1 and 4 are joined: 1 turns black
    EXPECT_EQ(game.BoardVertex[1].FillColor(), clBlack);
    EXPECT_EQ(game.Puzzle.ColoredCount, 1);
    EXPECT_EQ(board.boardEdges, (Edges{{4, 1}}));
    EXPECT_EQ(game.Puzzle.BoardEdgeDrawn[4][1], 1);
    EXPECT_EQ(game.Puzzle.BoardEdgeDrawn[1][4], 0) << "only the pair as drawn is marked";

    Paint(2, 2);
    Paint(2, 5);
    Paint(3, 6);  // 6 is not joined to 2 or 5
    const int before = game.Puzzle.ColoredCount;
    Paint(2, 3);  // clashes with 2 and 5 in one click, in ascending order
    EXPECT_EQ(game.Puzzle.ColoredCount, before + 1 - 2);
    EXPECT_EQ(game.BoardVertex[2].FillColor(), clBlack);
    EXPECT_EQ(game.BoardVertex[5].FillColor(), clBlack);
    EXPECT_EQ(game.BoardVertex[6].FillColor(), clLime) << "non-neighbours are never touched";
    EXPECT_EQ(board.boardEdges, (Edges{{4, 1}, {3, 2}, {3, 5}}));

    // Recolouring a coloured vertex keeps the count and clears neighbours of the new colour.
    Paint(1, 5);
    const int count = game.Puzzle.ColoredCount;
    Paint(1, 3);  // 3 was red, now blue like 5
    EXPECT_EQ(game.BoardVertex[3].FillColor(), clBlue);
    EXPECT_EQ(game.BoardVertex[5].FillColor(), clBlack);
    EXPECT_EQ(game.Puzzle.ColoredCount, count - 1);
    // Revealed edges stay marked for the rest of the puzzle.
    EXPECT_EQ(game.Puzzle.BoardEdgeDrawn[4][1], 1);
}

// One record tells the board all a click did: here a red vertex 3 clears 1, whose edge an earlier
// clash showed, and 5, whose edge it reveals.
TEST_F(EngineTest, ADoubleClashIsToldAsOneMove) {
    StartExample(false);
    Paint(2, 1);
    Paint(2, 3);  // clears 1 and reveals 3-1
    Paint(2, 1);  // clears 3 over the edge already shown
    Paint(2, 5);
    board.boardEdges.clear();
    const MoveReport move = game.ColorVertex(3);
    ASSERT_EQ(board.moves.size(), 5u) << "one message for each click";
    EXPECT_EQ(board.moves.back(), move);
    EXPECT_EQ(move.vertex, 3);
    EXPECT_EQ(move.colorIndex, 2);
    ASSERT_EQ(move.clearedCount, 2);
    EXPECT_EQ(move.cleared[0], (ClearedNeighbour{1, false}));
    EXPECT_EQ(move.cleared[1], (ClearedNeighbour{5, true}));
    EXPECT_EQ(move.clicks, 5);
    EXPECT_FALSE(move.solved);
    EXPECT_EQ(board.boardEdges, (Edges{{3, 1}, {3, 5}}));
}

TEST_F(EngineTest, TheLastVertexSolvesOnlyWithoutAClash) {
    StartExample(true);
    // Colour 1..5 properly, then give the last black vertex, 6, the red of its neighbours 1 and 5.
    for (int k = 1; k <= 5; ++k) Paint(game.Puzzle.HiddenColoring[k], k);
    Paint(2, 6);
    EXPECT_FALSE(game.Puzzle.GameOver) << "1 and 5 turned black, so not every vertex is coloured";
    EXPECT_EQ(game.Puzzle.ColoredCount, 4);
    Paint(2, 1);  // 6 turns black again
    Paint(2, 5);
    EXPECT_FALSE(game.Puzzle.GameOver);
    Paint(3, 6);
    EXPECT_TRUE(game.Puzzle.GameOver);
    EXPECT_EQ(board.score, 9) << "the solving click is counted and shown";
    EXPECT_TRUE(board.moves.back().solved);

    // After the end, clicks change nothing and do not count.
    const TColor before = game.BoardVertex[1].FillColor();
    Paint(4, 1);
    EXPECT_EQ(game.Puzzle.ClickCount, 9);
    EXPECT_EQ(game.BoardVertex[1].FillColor(), before);
    EXPECT_NE(game.Puzzle.SelectedColor, clFuchsia);
}

TEST_F(EngineTest, VerticesOutsideThePuzzleAreNotInPlay) {
    StartExample(false);
    game.VertexClick(7);
    game.VertexClick(0);
    game.VertexClick(17);
    EXPECT_EQ(game.Puzzle.ClickCount, 0);
    game.BoardVertex[7].SetNeighbor(1, 1);  // a stale flag above N is never visited
    game.BoardVertex[1].SetNeighbor(7, 1);
    game.BoardVertex[7].SetFillColor(clBlue);
    Paint(1, 1);
    EXPECT_EQ(game.BoardVertex[7].FillColor(), clBlue);
}

TEST_F(EngineTest, NothingHappensBeforeTheFirstPuzzle) {
    game.NavyPainterClick();
    game.VertexClick(1);
    game.DrawGraphClick();
    EXPECT_EQ(game.Puzzle.ClickCount, 0);
    EXPECT_EQ(game.Puzzle.SelectedColor, clBlack);
    EXPECT_TRUE(windows.dialogs.empty());
}

}  // namespace
