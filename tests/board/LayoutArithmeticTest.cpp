// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board puts things for every vertex and colour count, checked without a window
// against the figures players and the help pages know.
#include <gtest/gtest.h>

#include "engine/Geometry.h"

namespace {

struct Row {
    int n, radius, width, half, outline, newGameTop, parLabelTop, scoreLabelTop;
};
constexpr Row kRows[] = {
    {6, 105, 46, 23, 3, 333, 363, 383},  {7, 109, 43, 22, 3, 335, 365, 385},
    {8, 113, 40, 20, 3, 338, 368, 388},  {9, 117, 37, 18, 3, 340, 370, 390},
    {10, 121, 34, 17, 3, 343, 373, 393}, {11, 124, 31, 16, 3, 344, 374, 394},
    {12, 128, 27, 14, 3, 346, 376, 396}, {13, 132, 24, 12, 3, 349, 379, 399},
    {14, 135, 21, 10, 2, 350, 380, 400}, {15, 139, 18, 9, 2, 353, 383, 403},
    {16, 143, 15, 8, 2, 355, 385, 405},
};

TEST(LayoutArithmetic, EveryVertexCountGivesItsRadiusSizesOutlineAndRows) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.n);
        EXPECT_EQ(game::BoardRadiusFor(row.n), row.radius);
        // 12 vertices are 27 wide only in extended precision; in double they would be 28.
        EXPECT_EQ(game::VertexSizeFor(row.n), row.width);
        EXPECT_EQ(game::VertexPenWidthFor(row.n), row.outline);

        // Vertex 1 stands at the right of the circle: its half-size (odd widths round to
        // the even half) is what separates its left from the circle's rim.
        const game::Rect first = game::VertexRect(row.n, 1);
        EXPECT_EQ(first.width, row.width);
        EXPECT_EQ(first.height, row.width);
        EXPECT_EQ(first.left, 160 + row.radius - row.half);
        EXPECT_EQ(first.top, 200 - row.half);

        const game::ControlPlaces c = game::PlaceControls(row.n, game::DefaultControlSizes());
        EXPECT_EQ(c.NewGame.top, row.newGameTop);
        EXPECT_EQ(c.DrawGraph.top, row.newGameTop);
        EXPECT_EQ(c.ParLabel.top, row.parLabelTop);
        EXPECT_EQ(c.Par.top, row.parLabelTop);
        EXPECT_EQ(c.EdgesLabel.top, row.parLabelTop);
        EXPECT_EQ(c.PlayerScoreLabel.top, row.scoreLabelTop);
        EXPECT_EQ(c.PlayerScore.top, row.scoreLabelTop);
        EXPECT_EQ(c.SessionAveFromParLabel.top, row.scoreLabelTop);

        // The lefts never depend on the vertex count.
        EXPECT_EQ(c.NewGame.left, 75);
        EXPECT_EQ(c.ParLabel.left, 75);
        EXPECT_EQ(c.PlayerScoreLabel.left, 75);
        EXPECT_EQ(c.Par.left, 110);
        EXPECT_EQ(c.PlayerScore.left, 156);
        EXPECT_EQ(c.DrawGraph.left, 160);
        EXPECT_EQ(c.EdgesLabel.left, 181);
        EXPECT_EQ(c.SessionAveFromParLabel.left, 181);
        EXPECT_EQ(c.NewGame.width, 85);
        EXPECT_EQ(c.NewGame.height, 25);
    }
}

TEST(LayoutArithmetic, VerticesStandWhereTheExamplesPutThem) {
    const std::pair<int, int> six[] = {{242, 177}, {190, 268}, {85, 268}, {32, 177}, {84, 86}, {189, 86}};
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const game::Rect r = game::VertexRect(6, k);
        EXPECT_EQ(std::make_pair(r.left, r.top), six[k - 1]);
    }
    const std::pair<int, int> eight[] = {{253, 180}, {220, 260}, {140, 293}, {60, 260},
                                         {27, 180},  {60, 100},  {140, 67},  {220, 100}};
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE(k);
        const game::Rect r = game::VertexRect(8, k);
        EXPECT_EQ(std::make_pair(r.left, r.top), eight[k - 1]);
    }
}

TEST(LayoutArithmetic, PaintersFormASquareATriangleOrAPairInsideTheCircle) {
    enum { Navy = 1, Maroon = 2, Green = 3, Purple = 4 };
    auto at = [](const game::PainterPlaces& p, int i) {
        return std::make_pair(p.place[i].left, p.place[i].top);
    };

    const game::PainterPlaces four = game::PlacePainters(4);
    EXPECT_EQ(at(four, Purple), std::make_pair(130, 170));
    EXPECT_EQ(at(four, Navy), std::make_pair(160, 170));
    EXPECT_EQ(at(four, Maroon), std::make_pair(130, 200));
    EXPECT_EQ(at(four, Green), std::make_pair(160, 200));
    for (int i = Navy; i <= Purple; ++i) EXPECT_TRUE(four.used[i]);

    const game::PainterPlaces three = game::PlacePainters(3);
    EXPECT_EQ(at(three, Maroon), std::make_pair(145, 170));
    EXPECT_EQ(at(three, Navy), std::make_pair(130, 200));
    EXPECT_EQ(at(three, Green), std::make_pair(160, 200));
    EXPECT_FALSE(three.used[Purple]);

    const game::PainterPlaces two = game::PlacePainters(2);
    EXPECT_EQ(at(two, Maroon), std::make_pair(130, 185));
    EXPECT_EQ(at(two, Navy), std::make_pair(160, 185));
    EXPECT_FALSE(two.used[Green]);
    EXPECT_FALSE(two.used[Purple]);
    EXPECT_EQ(two.place[Navy].width, 30);
    EXPECT_EQ(two.place[Navy].height, 30);
}

}  // namespace
