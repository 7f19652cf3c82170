// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "controls/Vertex1.h"
#include "support/ControlPixels.h"

using namespace controls_test;

namespace {

constexpr game::TColor kBoardColor = 0x336699;  // anything the square never uses

// A vertex standing on a board filled with kBoardColor, as on the main window.
struct Board {
    QWidget parent;
    TOrbVertex1* vertex;
    Board() : vertex(new TOrbVertex1(&parent)) {
        parent.resize(60, 60);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, toQColor(kBoardColor));
        parent.setPalette(palette);
        parent.setAutoFillBackground(true);
        vertex->move(10, 10);
    }
    QImage render() {
        QImage image(parent.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        parent.render(&image);
        return image;
    }
};

}  // namespace

TEST(Vertex, NewControlIsABlankFuchsiaSquareWhoseCentreFollowsItsBounds) {
    QWidget parent;
    auto* vertex = new TOrbVertex1(&parent);
    EXPECT_EQ(vertex->size(), QSize(40, 40));
    EXPECT_EQ(vertex->penColor(), game::clFuchsia);
    EXPECT_EQ(vertex->penWidth(), 3);
    EXPECT_EQ(vertex->brushColor(), game::clBlack);

    vertex->move(70, 130);
    EXPECT_EQ(vertex->CenterX(), 90);
    EXPECT_EQ(vertex->CenterY(), 150);

    // Writing a centre never moves the square.
    vertex->setCenterX(999);
    vertex->setCenterY(-5);
    EXPECT_EQ(vertex->pos(), QPoint(70, 130));
    EXPECT_EQ(vertex->CenterX(), 90);
    EXPECT_EQ(vertex->CenterY(), 150);

    // New bounds show in the very next read; odd sizes round down.
    vertex->setGeometry(100, 50, 15, 27);
    EXPECT_EQ(vertex->CenterX(), 107);
    EXPECT_EQ(vertex->CenterY(), 63);
}

TEST(Vertex, ANewFillShowsAtTheNextPaintAndOnlyWhenItChanged) {
    Board board;
    board.parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board.parent));
    PaintCounter paints(*board.vertex);
    paints.settle();
    board.vertex->setBrushColor(game::clLime);
    PaintCounter::flush();
    EXPECT_GE(paints.count, 1);
    EXPECT_EQ(pixel(board.render(), 30, 30), game::clLime);
    paints.settle();
    board.vertex->setBrushColor(game::clLime);
    PaintCounter::flush();
    EXPECT_EQ(paints.count, 0);
}

TEST(Vertex, PenSettersRepaintOnlyOnChange) {
    Board board;
    board.parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board.parent));
    PaintCounter paints(*board.vertex);
    paints.settle();
    board.vertex->setPenColor(game::clFuchsia);
    board.vertex->setPenWidth(3);
    PaintCounter::flush();
    EXPECT_EQ(paints.count, 0);
    board.vertex->setPenWidth(2);
    PaintCounter::flush();
    EXPECT_GE(paints.count, 1);
    paints.settle();
    board.vertex->setPenColor(game::clWhite);
    PaintCounter::flush();
    EXPECT_GE(paints.count, 1);
}

// The pen is centred on the rectangle (p div 2, p div 2)-(p div 2 + 40 - p + 1, ...): the
// outline is the outer p pixels of the square, the fill the rest, and the board around it
// stays untouched.
TEST(Vertex, DrawsItsSquareExactlyWithinItsBoundsForPenWidthsTwoAndThree) {
    for (const int pen : {3, 2}) {
        SCOPED_TRACE(pen);
        Board board;
        board.vertex->setPenWidth(pen);
        board.vertex->setBrushColor(game::clBlue);
        const QImage image = board.render();
        auto at = [&](int x, int y) { return pixel(image, 10 + x, 10 + y); };
        for (int i = 0; i < 40; i += 13) {
            for (int band = 0; band < pen; ++band) {
                EXPECT_EQ(at(band, i), game::clFuchsia) << "left " << band << "," << i;
                EXPECT_EQ(at(39 - band, i), game::clFuchsia) << "right " << band << "," << i;
                EXPECT_EQ(at(i, band), game::clFuchsia) << "top " << i << "," << band;
                EXPECT_EQ(at(i, 39 - band), game::clFuchsia) << "bottom " << i << "," << band;
            }
        }
        EXPECT_EQ(at(pen, pen), game::clBlue);
        EXPECT_EQ(at(39 - pen, 39 - pen), game::clBlue);
        EXPECT_EQ(at(20, 20), game::clBlue);
        for (const QPoint outside :
             {QPoint(9, 9), QPoint(50, 50), QPoint(9, 30), QPoint(30, 50), QPoint(50, 9)})
            EXPECT_EQ(pixel(image, outside.x(), outside.y()), kBoardColor)
                << outside.x() << "," << outside.y();
    }
}

TEST(Vertex, ClicksOnLeftReleaseOverAVisibleEnabledSquareOnly) {
    Board board;
    board.parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board.parent));
    TOrbVertex1& vertex = *board.vertex;
    QSignalSpy clicks(&vertex, &TOrbVertex1::clicked);

    QTest::mouseClick(&vertex, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(&vertex, Qt::RightButton);
    QTest::mouseClick(&vertex, Qt::MiddleButton);
    EXPECT_EQ(clicks.count(), 1);

    // Pressed on the square, let go beside it: no click.
    QTest::mousePress(&vertex, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&vertex, Qt::LeftButton, {}, QPoint(45, 20));
    EXPECT_EQ(clicks.count(), 1);

    // A double click is one click: its second press arrives as the double click.
    QTest::mouseClick(&vertex, Qt::LeftButton);
    QTest::mouseDClick(&vertex, Qt::LeftButton);
    QTest::mouseRelease(&vertex, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);

    vertex.setEnabled(false);
    QTest::mouseClick(&vertex, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
    vertex.setEnabled(true);

    // Hidden between press and release (the board hides its vertices for a new puzzle).
    QTest::mousePress(&vertex, Qt::LeftButton);
    vertex.hide();
    QTest::mouseRelease(&vertex, Qt::LeftButton);
    vertex.show();
    QTest::mouseRelease(&vertex, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);

    QTest::mouseClick(&vertex, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 3);
}
