// SPDX-License-Identifier: GPL-3.0-or-later
// File > Review Last Game: the game that just ended, told and stepped through by keyboard.
#include <QAction>
#include <QLabel>
#include <QListWidget>

#include "board/Main.h"
#include "dialogs/ReviewWindow.h"
#include "support/BoardTest.h"
#include "support/RecordingViewer.h"
#include "ui/SpokenLine.h"

namespace {

class Review : public boardtest::BoardTest {};

// Greyed until a game ends; a game dropped for a new puzzle opens with where its clicks went, said
// as it opens, and its steps go by Right/Left/Home/End with each row read whole. The free first
// Draw Graph ends a game too. F1 opens the help at its section.
TEST_F(Review, TheLastGameThatEndedOpensToldWholeAndStepsByKey) {
    TLevel1* board = ShowActiveBoard(false);
    EXPECT_FALSE(board->ReviewLastGame1->isEnabled());
    game.NewPuzzle();
    gametest::Paint(game, 1, 1);
    gametest::Paint(game, 1, 4);  // 1 and 4 are joined, the line hidden
    gametest::Paint(game, 1, 1);  // across the line just revealed
    gametest::Paint(game, 2, 1);  // blue to red
    EXPECT_FALSE(board->ReviewLastGame1->isEnabled());
    game.NewGameClick();
    game.NewPuzzleDecisionYes();
    ASSERT_TRUE(board->ReviewLastGame1->isEnabled());

    QTest::keyClick(board, Qt::Key_G, Qt::ControlModifier);
    TReviewWindow* review = windows->ReviewWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(review));
    EXPECT_EQ(review->findChild<QLabel*>("Summary")->text(),
              "4 clicks, par 12: 1 painted, 1 clash on an edge you could see, 1 hidden edge found, 1 repaint");
    EXPECT_EQ(review->findChild<QLabel*>("Hint")->text(),
              "1 clash was on an edge already drawn: look at a vertex's neighbors before you paint it.");
    EXPECT_EQ(review->findChild<ui::TSpokenLine*>()->LastSaid(), review->SummaryText());
    auto* steps = review->findChild<QListWidget*>("Steps");
    ASSERT_EQ(steps->count(), 6);
    EXPECT_EQ(QApplication::focusWidget(), steps);
    EXPECT_EQ(steps->item(0)->text(), "Before the first click: every edge hidden");
    EXPECT_EQ(steps->item(1)->text(), "Click 1: vertex 1 painted blue");
    EXPECT_EQ(steps->item(2)->text(), "Click 2: vertex 4 blue, found the hidden edge 4-1; 1 cleared");
    EXPECT_EQ(steps->item(3)->text(), "Click 3: vertex 1 blue, clash with 4 across an edge you could see; 4 cleared");
    EXPECT_EQ(steps->item(4)->text(), "Click 4: vertex 1 repainted from blue to red");
    EXPECT_TRUE(steps->item(5)->text().startsWith("The game's own solution: 1 red, 2 red, 3 green, 4 blue"));
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(review->Step(), 2);
    Key(Qt::Key_End);
    EXPECT_EQ(review->Step(), 5);
    Key(Qt::Key_Right);
    EXPECT_EQ(review->Step(), 5);
    Key(Qt::Key_Home);
    Key(Qt::Key_Left);
    EXPECT_EQ(review->Step(), 0);
    RecordingViewer viewer;
    Key(Qt::Key_F1);
    EXPECT_EQ(viewer.requests, std::vector<int>{help::kReviewTopic});

    // The first Draw Graph of a run is free, and its game is the last one now.
    gametest::Paint(game, 3, 3);
    game.DrawGraphClick();
    board->ReviewLastGame1->trigger();
    EXPECT_EQ(steps->count(), 3);
    EXPECT_EQ(steps->item(1)->text(), "Click 1: vertex 3 painted green");
}

}  // namespace
