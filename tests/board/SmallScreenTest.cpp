// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a screen too small for its designed size (run at QT_SCALE_FACTOR=2, where
// the offscreen screen is 400x300 of the board's pixels): it opens on the screen, filling it, with
// the board in a scroll area, and the control the keyboard reaches is scrolled into sight.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include "board/Main.h"
#include "support/BoardTest.h"
#include "support/GameTest.h"

namespace {

class SmallScreen : public boardtest::BoardTest {};

TEST_F(SmallScreen, TheBoardOpensOnItWithEveryControlReachable) {
    game.PinClock(gametest::kNoon);
    CreateWindows();
    TLevel1* board = windows->Level1;
    const QRect area = board->screen()->availableGeometry();
    if (area.width() >= TLevel1::kOuterWidth && area.height() >= TLevel1::kOuterHeight)
        GTEST_SKIP() << "the screen has room for the board";
    board->ShowCentered();
    board->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    EXPECT_TRUE(area.contains(board->frameGeometry())) << "the window stands out of the screen";
    auto* scroll = qobject_cast<QScrollArea*>(board->centralWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->widget(), board->Surface);

    // A puzzle lays the buttons out below the circle, out of sight; the keyboard brings them in.
    QTest::keyClick(board, Qt::Key_F2);
    ASSERT_FALSE(game.Puzzle.GameOver);
    for (QPushButton* button : {board->NewGame, board->DrawGraph}) {
        button->setFocus(Qt::TabFocusReason);
        const QRect seen(button->mapTo(scroll->viewport(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(seen)) << qPrintable(button->objectName());
    }
}

}  // namespace
