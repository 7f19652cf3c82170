// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game dialogs: what they say for what they are handed, and what their buttons,
// Enter, Escape and the close box do to the game. Which dialog a game earns, and the teaching
// cycle, are the engine's and are tested there.
#include "support/DialogTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "dialogs/SpinEdit.h"

namespace dialogtest {
namespace {

using game::Rating;
using game::RatingMessage;

class ProgressDialogsTest : public DialogTest {
  protected:
    static void Activate(QWidget* window) { QApplication::setActiveWindow(window); }
    static QString Said(const TRatingDialog& dialog) { return dialog.Label1->text(); }
    static bool Offers(const TRatingDialog& dialog) {
        return dialog.NoButton->isVisible() && dialog.NoButton->isEnabled();
    }
    // Opens a rating dialog afresh with a message, as the end of a game does.
    static void Reopen(TRatingDialog& dialog, const Rating& rating) {
        dialog.hide();
        dialog.Open(rating);
    }
};

TEST_F(ProgressDialogsTest, RatingDialogsSayWhatTheyAreHanded) {
    EXPECT_EQ(perfect.windowTitle(), "You can't do better than this");
    EXPECT_EQ(perfect.size(), QSize(426, 258));
    Reopen(perfect, {RatingMessage::PerfectGoOn, 1, true});
    EXPECT_EQ(
        Said(perfect),
        "Way to go. You seem to know what you are doing at this level. Would you like to go on to the next "
        "level?");
    EXPECT_TRUE(Offers(perfect));
    Reopen(perfect, {RatingMessage::PerfectNeedTwoInARow, 0, false});
    EXPECT_EQ(Said(perfect),
              "You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.");
    EXPECT_FALSE(Offers(perfect));
    Reopen(perfect, {RatingMessage::PerfectWayToGo, 5, false});
    EXPECT_EQ(Said(perfect), "Way to go!");
    EXPECT_FALSE(Offers(perfect));

    EXPECT_EQ(excellent.windowTitle(), "Youse a dude!");
    EXPECT_EQ(excellent.size(), QSize(424, 264));
    Reopen(excellent, {RatingMessage::ExcellentMethod, 3, false});
    EXPECT_EQ(Said(excellent),
              "Do you have a method? Do you think it works for other graphs with a different number of "
              "vertices and a different number of edges?");
    EXPECT_FALSE(Offers(excellent));
    Reopen(excellent, {RatingMessage::ExcellentCountSoFar, 2, false});
    EXPECT_EQ(Said(excellent), "You need 3 excellent games in a row to advance. You now have 2.");
    Reopen(excellent, {RatingMessage::ExcellentCountSoFar, -1, false});
    EXPECT_EQ(Said(excellent), "You need 3 excellent games in a row to advance. You now have -1.");
    Reopen(excellent, {RatingMessage::ExcellentAdvance, 3, true});
    EXPECT_EQ(Said(excellent),
              "You seem to know what you are doing at this level. You did three excellent games in a row. "
              "Would you like to advance to the next level?");
    EXPECT_TRUE(Offers(excellent));

    // Opening a dialog that is already up only brings it forward: its words stay.
    excellent.Open({RatingMessage::ExcellentCountSoFar, 1, false});
    EXPECT_TRUE(Offers(excellent));

    EXPECT_EQ(notBad.windowTitle(), "OK but...");
    EXPECT_EQ(notBad.size(), QSize(419, 272));
    EXPECT_TRUE(Said(notBad).contains("You need 1  Par game to advance"));
}

TEST_F(ProgressDialogsTest, AGameOverParInTeachingModeIsAnsweredWithOkOnly) {
    game.Settings.ShowEdges = false;
    game.Settings.TeachingModeConsecutiveGoodGames = 2;
    game.NewPuzzle();
    Solve(40);
    ASSERT_EQ(opened, std::vector{game::Dialog::NotBad});
    ASSERT_TRUE(notBad.isVisible());
    Activate(&notBad);
    Press(&notBad, Qt::Key_Escape);
    EXPECT_TRUE(notBad.isVisible()) << "Escape does nothing in a rating dialog";
    Press(&notBad, Qt::Key_Return);
    EXPECT_FALSE(notBad.isVisible());
}

TEST_F(ProgressDialogsTest, RatingButtonsEscapeAndTheCloseBox) {
    game::GameSettings& s = game.Settings;
    s.TeachingModeConsecutiveGoodGames = 3;
    Reopen(excellent, {RatingMessage::ExcellentAdvance, 3, true});
    Activate(&excellent);
    Press(&excellent, Qt::Key_Escape);
    EXPECT_TRUE(excellent.isVisible());
    excellent.close();
    EXPECT_FALSE(excellent.isVisible());
    EXPECT_EQ(s.TeachingModeConsecutiveGoodGames, 3) << "the close box has no effect";

    Reopen(excellent, {RatingMessage::ExcellentAdvance, 3, true});
    Click(excellent.NoButton);
    EXPECT_FALSE(excellent.isVisible());
    EXPECT_EQ(s.TeachingModeConsecutiveGoodGames, 2);

    s.TeachingModeConsecutiveGoodGames = 1;
    Reopen(perfect, {RatingMessage::PerfectGoOn, 1, true});
    Activate(&perfect);
    perfect.NoButton->setFocus();
    Press(&perfect, Qt::Key_Return);
    EXPECT_FALSE(perfect.isVisible()) << "Enter presses the focused No";
    EXPECT_EQ(s.TeachingModeConsecutiveGoodGames, 0);
    EXPECT_TRUE(s.ShowEdges);

    // The next offer opens on OK again, so Enter takes it, as the player sees it.
    s.TeachingModeConsecutiveGoodGames = 1;
    Reopen(perfect, {RatingMessage::PerfectGoOn, 1, true});
    Activate(&perfect);
    EXPECT_EQ(perfect.focusWidget(), perfect.OKBtn);
    Press(&perfect, Qt::Key_Return);
    EXPECT_FALSE(s.ShowEdges) << "Enter took the offer";

    // Outside teaching mode OK only puts the dialog away.
    s.TeachingMode = false;
    Reopen(perfect, {RatingMessage::PerfectWayToGo, 4, false});
    const game::GameSettings before = s;
    Click(perfect.OKBtn);
    EXPECT_FALSE(perfect.isVisible());
    EXPECT_EQ(s, before);
}

// The settings dialog follows an advance taken in a rating dialog, so a later OK keeps it.
TEST_F(ProgressDialogsTest, AnAdvanceMovesTheSettingsDialogAlong) {
    options = MakeOptions(game);
    game::GameSettings& s = game.Settings;
    s.TeachingModeConsecutiveGoodGames = 3;
    s.ShowEdges = false;
    Reopen(excellent, {RatingMessage::ExcellentAdvance, 3, true});
    Click(excellent.OKBtn);
    EXPECT_EQ(s.NumberOfVertices, 7);
    EXPECT_EQ(options->VertNumSpinEdit->text(), "7");
    EXPECT_TRUE(options->ShowEdges->isChecked());
    ui::ShowModeless(options.get());
    Click(options->OKBtn);
    EXPECT_EQ(game.Puzzle.VertexCount, 7);
    EXPECT_TRUE(game.Puzzle.EdgesShown);
}

// A rating dialog answered after another puzzle has started answers for the game it rated: a
// code played again never moves the teaching mode, whatever follows it on the board...
TEST_F(ProgressDialogsTest, AnOkAfterNewPuzzleAnswersTheReplayItRatedNotTheNewGame) {
    game::GameSettings& s = game.Settings;
    gametest::UseExample(game, false);
    s.TeachingModeConsecutiveGoodGames = 3;
    game.ReplayClick({6, 3, 63, false, kNoon});  // a code played
    Solve();
    ASSERT_TRUE(excellent.isVisible());
    ASSERT_FALSE(Offers(excellent));
    game.NewGameClick();  // F2: the player's own puzzle, which the teaching mode counts
    ASSERT_FALSE(game.Puzzle.Replay);
    const game::GameSettings before = s;
    Click(excellent.OKBtn);
    EXPECT_EQ(s, before) << "no level, vertex count, edge mode or streak moved";
}

// ...and an advance the teaching mode offered is taken even with that puzzle restarted.
TEST_F(ProgressDialogsTest, AnOfferTakenAfterRestartingThePuzzleStillAdvances) {
    game::GameSettings& s = game.Settings;
    gametest::StartExample(game, false);
    s.TeachingModeConsecutiveGoodGames = 2;
    Solve();
    ASSERT_TRUE(Offers(excellent));
    game.RestartClick();  // Ctrl+R: the same puzzle again, outside the teaching mode
    ASSERT_TRUE(game.Puzzle.Replay);
    Click(excellent.OKBtn);
    EXPECT_EQ(s.NumberOfVertices, 7);
    EXPECT_TRUE(s.ShowEdges);
    EXPECT_EQ(s.TeachingModeConsecutiveGoodGames, 0);
    EXPECT_EQ(s.TeachingModePrimaryLevel, 1);
}

TEST_F(ProgressDialogsTest, NewPuzzleQuestionNoKeepsPlayingAndYesRatesParPlusTen) {
    EXPECT_EQ(decision.windowTitle(), "Decide Your Fate");
    EXPECT_EQ(decision.size(), QSize(304, 214));
    EXPECT_EQ(decision2.size(), QSize(313, 214));
    EXPECT_EQ(decision.Label3->text(), "returned to the current game. Life's tough. You decide.");
    // Whatever face stands in for the dialog font, the question stays inside its frame.
    for (const TDecisionDialog* dialog :
         {static_cast<TDecisionDialog*>(&decision), static_cast<TDecisionDialog*>(&decision2)}) {
        for (const QLabel* line : {dialog->Label1, dialog->Label2, dialog->Label3}) {
            EXPECT_LT(line->geometry().right(), dialog->Bevel1->geometry().right() - 1)
                << line->text().toStdString();
        }
    }
    game.Settings.TeachingModeConsecutiveGoodGames = 2;
    game.NewPuzzle();
    const std::uint32_t serial = game.Puzzle.Serial;
    const int layouts = board.layouts;

    game.NewGameClick();
    ASSERT_TRUE(decision.isVisible());
    Activate(&decision);
    Press(&decision, Qt::Key_Escape);
    EXPECT_FALSE(decision.isVisible());
    game.NewGameClick();
    Click(decision.CancelBtn);
    EXPECT_FALSE(decision.isVisible());
    EXPECT_EQ(game.Puzzle.Serial, serial);
    EXPECT_FALSE(game.Puzzle.GameOver);
    EXPECT_EQ(game.Session.SessionGameCount, 0);

    game.NewGameClick();
    Activate(&decision);
    Press(&decision, Qt::Key_Enter);
    EXPECT_FALSE(decision.isVisible()) << "Enter presses No, which kept the focus from its click";
    EXPECT_EQ(game.Puzzle.Serial, serial);

    // Yes: the question is gone before the new puzzle is laid out.
    bool laidOutUnderQuestion = false;
    game.NewGameClick();
    decision.OKBtn->setFocus();
    struct Watch : gametest::RecordingBoard {
        const QWidget* question = nullptr;
        bool* seen = nullptr;
        void LayOutBoard(const game::BoardShape& shape) override {
            RecordingBoard::LayOutBoard(shape);
            *seen = *seen || question->isVisible();
        }
    } watch;
    watch.question = &decision;
    watch.seen = &laidOutUnderQuestion;
    game.hooks.board = &watch;
    Press(&decision, Qt::Key_Enter);
    EXPECT_FALSE(decision.isVisible());
    EXPECT_EQ(game.Puzzle.Serial, serial + 1);
    EXPECT_EQ(watch.layouts, 1);
    EXPECT_FALSE(laidOutUnderQuestion);
    EXPECT_EQ(game.Session.SessionGameCount, 1);
    EXPECT_EQ(watch.average.Text(), "10.000");
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 0);
    EXPECT_EQ(board.layouts, layouts);
}

TEST_F(ProgressDialogsTest, DrawGraphQuestionCloseBoxReturnsAndYesShowsTheSolution) {
    game.NewPuzzle();
    game.DrawGraphClick();  // the run's free first use
    game.NewPuzzle();
    game.DrawGraphClick();
    ASSERT_TRUE(decision2.isVisible());
    decision2.close();
    EXPECT_FALSE(decision2.isVisible());
    EXPECT_FALSE(game.Puzzle.GameOver) << "the close box returns to the game";

    game.DrawGraphClick();
    Click(decision2.OKBtn);
    EXPECT_FALSE(decision2.isVisible());
    EXPECT_TRUE(game.Puzzle.GameOver) << "Yes shows the solution";
    EXPECT_EQ(game.Session.SessionGameCount, 1);
    EXPECT_EQ(board.average.Text(), "10.000");
}

}  // namespace
}  // namespace dialogtest
