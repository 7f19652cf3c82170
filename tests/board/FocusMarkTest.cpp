// SPDX-License-Identifier: GPL-3.0-or-later
// The focus mark the keyboard shows on the board, as a player sees it: a white ring two pixels
// wide with black on both sides, so it stands out on the board and across the aqua edges alike,
// and it grows with the board.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "board/Main.h"
#include "controls/Vertex1.h"
#include "engine/State.h"
#include "support/BoardTest.h"
#include "support/GameTest.h"

namespace {

class FocusMark : public boardtest::BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        board = ShowActiveBoard(true);  // edges shown: aqua lines run through the mark
    }

    // The columns across the top of the mark, each read from the mark's top edge inwards: how
    // many white pixels the ring has there and whether black lies on both sides of them.
    struct Ring {
        int columns = 0;
        int white = 0;        // columns where the ring shows (a dash, not a gap)
        int wrongWidth = 0;   // dash columns whose white is not `width` pixels deep
        int unbordered = 0;   // dash columns without black just outside and just inside the white
    };
    Ring TopOfMark(const QWidget* control, int width) const {
        const QRect area = board->Surface->FocusMarkArea();
        const QImage picture = board->Surface->grab(area).toImage();
        const int depth = control->geometry().top() - area.top();
        Ring ring;
        for (int x = depth; x < area.width() - depth; ++x) {
            ++ring.columns;
            int first = -1;
            int last = -1;
            for (int y = 0; y < depth; ++y) {
                if (picture.pixelColor(x, y) == QColor(Qt::white)) {
                    last = y;
                    first = first < 0 ? y : first;
                }
            }
            if (first < 0)
                continue;
            ++ring.white;
            ring.wrongWidth += last - first + 1 != width;
            const bool bordered = first > 0 && picture.pixelColor(x, first - 1) == QColor(Qt::black) &&
                                  picture.pixelColor(x, last + 1) == QColor(Qt::black);
            ring.unbordered += !bordered;
        }
        return ring;
    }

    TLevel1* board = nullptr;
};

TEST_F(FocusMark, IsATwoPixelWhiteRingOnBlackThatGrowsWithTheBoard) {
    Key(Qt::Key_F2);  // a puzzle started by key puts the focus on vertex 1
    TOrbVertex1* vertex = board->OrbVertex[1];
    ASSERT_TRUE(vertex->hasFocus());
    ASSERT_TRUE(board->Surface->FocusMarkArea().contains(vertex->geometry()));

    for (const int zoom : {1, 2}) {
        SCOPED_TRACE(zoom);
        if (zoom == 2) {
            board->resize(board->size() * 2);
            QTRY_COMPARE(board->Surface->Layout().Zoom(), 2.0);
        }
        const Ring ring = TopOfMark(vertex, 2 * zoom);
        ASSERT_GT(ring.columns, 10);
        // Long dashes: it reads as a ring, not as a row of dots.
        EXPECT_GE(ring.white * 10, ring.columns * 7) << ring.white << " of " << ring.columns << " columns";
        EXPECT_EQ(ring.wrongWidth, 0);
        EXPECT_EQ(ring.unbordered, 0);
    }
}

}  // namespace
