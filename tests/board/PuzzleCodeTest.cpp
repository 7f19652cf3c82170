// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle codes as a class uses them, with the game's real windows on the offscreen platform: the
// Puzzle Code window shows the board's code, refuses a mistyped one with its message and plays a
// good one, then gets out of the board's way; Ctrl+R restarts the puzzle and Ctrl+C copies its code; the statistics window's list
// of a level's last games plays a recorded game's puzzle again.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/Windows.h"
#include "board/Main.h"
#include "controls/Vertex1.h"
#include "dialogs/GameNotOverDialog.h"
#include "dialogs/PuzzleCodeBox.h"
#include "dialogs/ReviewWindow.h"
#include "dialogs/TabbedScores.h"
#include "engine/Puzzle.h"
#include "engine/PuzzleCode.h"
#include "engine/State.h"
#include "support/BoardTest.h"
#include "support/GameRecords.h"
#include "support/GameTest.h"
#include "ui/Modeless.h"

namespace {

QString CodeOf(const game::PuzzleRecipe& recipe) {
    return QString::fromLatin1(game::PuzzleCodeOf(recipe).data());
}

// A puzzle unlike the worked example: larger, four colours, edges hidden, another clock reading.
constexpr game::PuzzleRecipe kOther{9, 4, 55, false, 34'567'890};

class PuzzleCodes : public boardtest::BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        board = ShowActiveBoard(true);
    }
    // The puzzle the board shows is exactly the one `recipe` draws: its par and its edges.
    void ExpectOnBoard(const game::PuzzleRecipe& recipe, const TLevel1& board) const {
        const game::PuzzleGraph graph = game::GeneratePuzzle(recipe);
        const game::PuzzleState& p = game.Puzzle;
        EXPECT_EQ(p.Recipe, recipe);
        EXPECT_EQ(board.Par->text().toInt(),
                  game::ParFor(recipe.vertices, recipe.edgesShown, graph.hiddenColorCount, graph.edgeCount));
        ASSERT_EQ(p.EdgeCount, graph.edgeCount);
        for (int e = 0; e < graph.edgeCount; ++e) {
            const auto& [u, v] = graph.edges[static_cast<std::size_t>(e)];
            EXPECT_NE(game.BoardVertex[u].GetNeighbor(v), 0) << u << "-" << v;
        }
    }
    // "Yes" to the New Puzzle question a command asked during a game.
    void AnswerYes() {
        ASSERT_TRUE(windows->GameNotOverDecision->isVisible());
        game.NewPuzzleDecisionYes();
        windows->GameNotOverDecision->hide();
    }

    TLevel1* board = nullptr;
};

TEST_F(PuzzleCodes, TheCodeWindowShowsTheBoardsCodeRefusesAMistypedOneAndPlaysAGoodOne) {
    EXPECT_FALSE(board->RestartPuzzle1->isEnabled());  // no puzzle yet
    QTest::mouseClick(board->NewGame, Qt::LeftButton);
    EXPECT_TRUE(board->RestartPuzzle1->isEnabled());
    board->PuzzleCode1->trigger();
    TPuzzleCodeBox* box = windows->PuzzleCodeBox();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    auto* code = box->findChild<QLineEdit*>("Code");
    auto* entry = box->findChild<QLineEdit*>("Entry");
    auto* play = box->findChild<QPushButton*>("PlayButton");
    auto* message = box->findChild<QLabel*>("Message");
    EXPECT_EQ(code->text(), CodeOf(game.Puzzle.Recipe));
    EXPECT_TRUE(code->isReadOnly());
    EXPECT_EQ(entry->accessibleName(), "Code to play");

    // Half a code is not wrong yet; two characters swapped are, and cannot be played.
    const QString other = CodeOf(kOther);
    entry->setFocus();
    QTest::keyClicks(entry, other.left(4).toLower());
    EXPECT_TRUE(message->text().isEmpty());
    EXPECT_FALSE(play->isEnabled());
    QString swapped = other;
    std::swap(swapped[2], swapped[3]);
    ASSERT_NE(swapped, other);
    entry->clear();
    QTest::keyClicks(entry, swapped);
    EXPECT_EQ(message->text(), "A character is mistyped or two are swapped: check the code against the paper.");
    EXPECT_EQ(entry->accessibleDescription(), message->text());
    EXPECT_FALSE(play->isEnabled());
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_FALSE(windows->GameNotOverDecision->isVisible());
    EXPECT_NE(game.Puzzle.Recipe, kOther);
    entry->clear();
    QTest::keyClicks(entry, "1K3QU");
    EXPECT_EQ(message->text(), QString::fromUtf8("Codes never contain \u201CU\u201D: check that character."));

    // A good code, with a dash and in small letters: Play asks first during a game, then plays it.
    entry->clear();
    QTest::keyClicks(entry, other.toLower());
    EXPECT_TRUE(play->isEnabled());
    EXPECT_EQ(message->text(), "A puzzle of 9 vertices and 4 colors, edges hidden. Press Play.");
    QTest::mouseClick(play, Qt::LeftButton);
    AnswerYes();
    ExpectOnBoard(kOther, *board);
    EXPECT_TRUE(game.Puzzle.Replay);
    EXPECT_EQ(code->text(), other);  // the shown code follows the board
    EXPECT_FALSE(box->isVisible());  // and the window no longer covers it
}

TEST_F(PuzzleCodes, TheGreyedExampleIsACodeTheGamePlays) {
    board->PuzzleCode1->trigger();
    TPuzzleCodeBox* box = windows->PuzzleCodeBox();
    auto* entry = box->findChild<QLineEdit*>("Entry");
    QTest::keyClicks(entry, entry->placeholderText());
    EXPECT_TRUE(box->findChild<QPushButton*>("PlayButton")->isEnabled())
        << entry->placeholderText().toStdString();
}

TEST_F(PuzzleCodes, CtrlRRestartsTheSamePuzzleAndCtrlCCopiesItsCode) {
    game.ReplayClick(kOther);
    ExpectOnBoard(kOther, *board);
    const std::uint32_t serial = game.Puzzle.Serial;
    // Two clicks of the mouse, which leaves no focus mark behind.
    QTest::mouseClick(board->OrbVertex[2], Qt::LeftButton);
    QTest::mouseClick(board->OrbVertex[3], Qt::LeftButton);
    ASSERT_EQ(board->PlayerScore->text(), "2");

    QTest::keyClick(board, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), CodeOf(kOther));

    // During a game Restart asks first; then the same puzzle starts afresh, and as it was asked
    // for by its key, vertex 1 has the focus.
    QTest::keyClick(board, Qt::Key_R, Qt::ControlModifier);
    AnswerYes();
    EXPECT_EQ(game.Puzzle.Serial, serial + 1);
    ExpectOnBoard(kOther, *board);
    EXPECT_EQ(board->PlayerScore->text(), "0");
    EXPECT_EQ(game.Puzzle.ClickCount, 0);
    for (int k = 1; k <= kOther.vertices; ++k)
        EXPECT_EQ(game.BoardVertex[k].FillColor(), game::clBlack) << k;
    EXPECT_EQ(board->focusWidget(), board->OrbVertex[1]);
}

TEST_F(PuzzleCodes, TheProgressPagePlaysARecordedGameAgainOrReviewsIt) {
    // Two games of level 2 (six vertices, two colours, edges hidden): an old one without a code,
    // then one with its code and its clicks.
    game::PuzzleRecipe recipe{6, 2, 40, false, 1'234'567};
    game::GameRecord old = gametest::RatedGame(6, 2, false, 5, 7);
    game::GameRecord coded = gametest::RatedGame(6, 2, false, 5, 4);
    coded.code = game::PuzzleCodeOf(recipe);
    coded.clicks = {{1, 1}, {2, 2}};
    windows->Log().Record(old);
    windows->Log().Record(coded);

    TPerformancePages* pages = windows->PerformancePages;
    board->ViewPerformanceStats1Click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pages));
    windows->Log().Settle();
    pages->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(3);
    pages->ChooseLevel(2);
    auto* list = pages->findChild<QTreeWidget*>("RecentGames");
    auto* again = pages->findChild<QPushButton*>("PlayAgain");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    // Newest first, each row read whole.
    EXPECT_EQ(list->topLevelItem(0)->text(2), CodeOf(recipe));
    EXPECT_EQ(list->topLevelItem(0)->text(1), "-1");
    EXPECT_TRUE(list->topLevelItem(0)->data(0, Qt::AccessibleTextRole).toString().endsWith(
        "1 under par, code " + CodeOf(recipe)));
    EXPECT_TRUE(list->topLevelItem(1)->data(0, Qt::AccessibleTextRole).toString().endsWith("2 over par, no code"));

    // The game from before codes can be neither played again nor reviewed; the coded one opens in
    // the review, and Enter on it still plays it.
    auto* review = pages->findChild<QPushButton*>("Review");
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_FALSE(again->isEnabled());
    EXPECT_FALSE(review->isEnabled());
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_TRUE(again->isEnabled());
    QTest::mouseClick(review, Qt::LeftButton);
    ASSERT_TRUE(windows->ReviewWindow()->isVisible());
    EXPECT_TRUE(windows->ReviewWindow()->SummaryText().startsWith("2 clicks, par "));
    windows->ReviewWindow()->hide();
    list->activateWindow();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    ExpectOnBoard(recipe, *board);
    EXPECT_TRUE(game.Puzzle.Replay);
    EXPECT_FALSE(pages->isVisible());
}

}  // namespace
