// SPDX-License-Identifier: GPL-3.0-or-later
// The board in a window larger than designed: everything grows by one factor and comes back to
// the pixel at the designed size; full screen; and the window opening where the player left it.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>

#include <map>
#include <tuple>

#include "board/Main.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "engine/GameEnd.h"
#include "engine/State.h"
#include "support/BoardTest.h"

namespace {

class GrowingBoard : public boardtest::BoardTest {
  protected:
    TLevel1& ShownBoard() {
        CreateWindows();
        TLevel1& board = *windows->Level1;
        board.ShowCentered();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&board));
        return board;
    }
    void NewPuzzle() {
        game.Settings.RandomNumberOfVertices = false;
        game.Settings.NumberOfVertices = 16;
        game.Settings.RandomNumberOfColors = false;
        game.Settings.NumberOfColors = 4;
        game.NewGameClick();
    }
    struct Look {
        QRect place;
        QFont font;
        bool operator==(const Look&) const = default;
    };
    static std::map<QString, Look> LooksOf(const TLevel1& board) {
        std::map<QString, Look> looks;
        for (const QWidget* control : board.Surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            looks[control->objectName()] = {control->geometry(), control->font()};
        return looks;
    }
};

TEST_F(GrowingBoard, AnEnlargedWindowShowsTheWholeBoardLargerAndTheDesignedSizeComesBackToThePixel) {
    TLevel1& board = ShownBoard();
    NewPuzzle();
    const std::map<QString, Look> designed = LooksOf(board);
    const QSize client = board.size();
    const QRect vertex = board.OrbVertex[5]->geometry();
    const QRect painter = board.MaroonPainter->geometry();
    const int parFont = board.ParLabel->font().pixelSize();

    board.resize(client * 2);
    QTRY_COMPARE(board.Surface->Layout().Zoom(), 2.0);
    // One factor for everything, so the board keeps its shape: places, sizes, letters and lines.
    const QPoint origin = board.OrbVertex[5]->geometry().topLeft() - vertex.topLeft() * 2;
    EXPECT_EQ(board.OrbVertex[5]->geometry(), QRect(vertex.topLeft() * 2 + origin, vertex.size() * 2));
    EXPECT_EQ(board.MaroonPainter->geometry(), QRect(painter.topLeft() * 2 + origin, painter.size() * 2));
    EXPECT_EQ(board.ParLabel->font().pixelSize(), parFont * 2);
    EXPECT_EQ(board.OrbVertex[5]->Zoom(), 2.0);
    EXPECT_EQ(board.MaroonPainter->Zoom(), 2.0);
    // The mouse finds a vertex where it is seen.
    const QPoint seen = board.OrbVertex[5]->geometry().center();
    ASSERT_EQ(board.Surface->childAt(seen), board.OrbVertex[5]);
    board.MaroonPainter->Click();
    QTest::mouseClick(board.OrbVertex[5], Qt::LeftButton);
    EXPECT_EQ(board.OrbVertex[5]->brushColor(), game::clRed);

    board.resize(client);
    QTRY_COMPARE(board.Surface->Layout().Zoom(), 1.0);
    std::map<QString, Look> back = LooksOf(board);
    // The move widened the score's label to its new caption, as at the designed size.
    back.erase("PlayerScore");
    for (const auto& [name, look] : back) EXPECT_EQ(look, designed.at(name)) << name.toStdString();
}

TEST_F(GrowingBoard, FullScreenFillsTheScreenAndF11EndsIt) {
    TLevel1& board = ShownBoard();
    const QSize client = board.size();
    board.FullScreen1->trigger();
    QTRY_VERIFY(board.isFullScreen());
    EXPECT_TRUE(board.FullScreen1->isChecked());
    QTRY_VERIFY(board.Surface->Layout().Zoom() > 1.0);
    QTest::keyClick(&board, Qt::Key_F11);
    QTRY_VERIFY(!board.isFullScreen());
    EXPECT_FALSE(board.FullScreen1->isChecked());
    QTRY_COMPARE(board.size(), client);
}

TEST_F(GrowingBoard, TheWindowOpensWhereThePlayerLeftItAndNothingIsKeptWhenItWasLeftAlone) {
    TLevel1& board = ShownBoard();
    board.close();
    EXPECT_EQ(game.Settings.WindowWidth, 0) << "left where the game put it";

    TLevel1& moved = ShownBoard();
    const QRect left = moved.geometry().translated(-20, -10).adjusted(0, 0, 60, 40);
    moved.setGeometry(left);
    QTRY_COMPARE(moved.geometry(), left);
    moved.close();
    EXPECT_EQ(game.Settings.WindowLeft, left.left());
    EXPECT_EQ(game.Settings.WindowHeight, left.height());

    TLevel1& again = ShownBoard();
    EXPECT_EQ(again.geometry(), left);
    again.FullScreen1->trigger();
    QTRY_VERIFY(again.isFullScreen());
    again.close();
    EXPECT_EQ(game.Settings.WindowState, 2);
    EXPECT_EQ(game.Settings.WindowWidth, left.width()) << "the size it comes back to";
    EXPECT_TRUE(ShownBoard().isFullScreen());
}

TEST_F(GrowingBoard, APlaceBeyondTheScreensReachOpensCentredAsIfNoneWereKept) {
    TLevel1& first = ShownBoard();
    const QRect centred = first.geometry();
    first.close();
    game::GameSettings& kept = game.Settings;
    // The far side past the largest coordinate; the second sum wraps round to a centre on the screen.
    for (const auto& [left, top, width] : {std::tuple{2147483000, 10, 1000}, {2147483547, 10, 1202},
                                           {10, 2147483000, 1000}}) {
        kept.WindowLeft = left;
        kept.WindowTop = top;
        kept.WindowWidth = width;
        kept.WindowHeight = 1000;
        kept.WindowState = 0;
        TLevel1& board = ShownBoard();
        EXPECT_EQ(board.geometry(), centred) << left << "," << top << " " << width;
        board.close();
    }
}

}  // namespace
