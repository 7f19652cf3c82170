// SPDX-License-Identifier: GPL-3.0-or-later
// The end-of-game dialogs: what they say in each state, and what their buttons, Enter,
// Escape and the close box do to the game, played through whole games.
#include "GameWindows.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "SpinEdit.h"

namespace dialogtest {
namespace {

class ProgressDialogsTest : public DialogTest {
  protected:
    static void Activate(QWidget* window) { QApplication::setActiveWindow(window); }
    static QString Said(const TRatingDialog& dialog) { return dialog.Label1->text(); }
    static bool Offers(const TRatingDialog& dialog) {
        return dialog.NoButton->isVisible() && dialog.NoButton->isEnabled();
    }
    // Shows a rating dialog afresh for the given state, as the end of a game does.
    template <typename Dialog>
    static void Reopen(Dialog& dialog, bool teaching, int streak) {
        dialog.hide();
        game::Settings.TeachingMode = teaching;
        game::Settings.TeachingModeConsecutiveGoodGames = streak;
        ShowModeless(&dialog);
    }
};

TEST_F(ProgressDialogsTest, PerfectAndExcellentSayWhatTheStreakEarns) {
    EXPECT_EQ(perfect.windowTitle(), "You can't do better than this");
    EXPECT_EQ(perfect.size(), QSize(426, 258));
    Reopen(perfect, true, 1);
    EXPECT_EQ(
        Said(perfect),
        "Way to go. You seem to know what you are doing at this level. Would you like to go on to the next "
        "level?");
    EXPECT_TRUE(Offers(perfect));
    Reopen(perfect, true, 0);
    EXPECT_EQ(Said(perfect),
              "You have achieved a perfect game! Way to go. You need two perfect games in a row to advance.");
    EXPECT_FALSE(Offers(perfect));
    Reopen(perfect, false, 5);
    EXPECT_EQ(Said(perfect), "Way to go!");
    EXPECT_FALSE(Offers(perfect));

    EXPECT_EQ(excellent.windowTitle(), "Youse a dude!");
    EXPECT_EQ(excellent.size(), QSize(424, 264));
    Reopen(excellent, false, 3);
    EXPECT_TRUE(Said(excellent).startsWith("Do you have a method?"));
    EXPECT_FALSE(Offers(excellent));
    Reopen(excellent, true, 2);
    EXPECT_EQ(Said(excellent), "You need 3 excellent games in a row to advance. You now have 2.");
    EXPECT_FALSE(Offers(excellent));
    Reopen(excellent, true, 3);
    EXPECT_TRUE(Said(excellent).endsWith("Would you like to advance to the next level?"));
    EXPECT_TRUE(Offers(excellent));

    // Showing a dialog that is already open only brings it forward: its words stay.
    game::Settings.TeachingModeConsecutiveGoodGames = 1;
    ShowModeless(&excellent);
    EXPECT_TRUE(Offers(excellent));

    EXPECT_EQ(notBad.windowTitle(), "OK but...");
    EXPECT_EQ(notBad.size(), QSize(419, 272));
    EXPECT_TRUE(Said(notBad).contains("You need 1  Par game to advance"));

    // The whole words of the messages the engine chooses.
    using game::RatingMessage;
    EXPECT_EQ(
        TRatingDialog::Words({RatingMessage::ExcellentMethod, 9, false}),
        "Do you have a method? Do you think it works for other graphs with a different number of vertices "
        "and a different number of edges?");
    EXPECT_EQ(TRatingDialog::Words({RatingMessage::ExcellentCountSoFar, -1, false}),
              "You need 3 excellent games in a row to advance. You now have -1.");
    EXPECT_EQ(
        TRatingDialog::Words({RatingMessage::ExcellentAdvance, 3, true}),
        "You seem to know what you are doing at this level. You did three excellent games in a row. Would "
        "you like to advance to the next level?");
}

TEST_F(ProgressDialogsTest, ATeachingCyclePlayedByClicks) {
    TOptionsL1 options;
    board.options = &options;

    game::NewPuzzle();
    Solve();
    ASSERT_EQ(board.opened, std::vector{game::Dialog::Perfect});
    EXPECT_TRUE(perfect.isVisible());
    EXPECT_TRUE(Offers(perfect)) << "one good game with shown edges earns the offer";
    Click(perfect.OKBtn);
    EXPECT_FALSE(perfect.isVisible());
    EXPECT_FALSE(game::Settings.ShowEdges);
    EXPECT_FALSE(options.ShowEdges->isChecked()) << "the settings dialog follows the advance";

    for (int count = 1; count <= 3; ++count) {
        game::NewPuzzle();
        EXPECT_FALSE(game::Puzzle.EdgesShown);
        Solve();
        ASSERT_EQ(board.opened.back(), game::Dialog::Excellent);
        if (count < 3) {
            EXPECT_EQ(Said(excellent),
                      QString("You need 3 excellent games in a row to advance. You now have %1.").arg(count));
            EXPECT_FALSE(excellent.NoButton->isVisible());
            Click(excellent.OKBtn);
            EXPECT_EQ(game::Settings.NumberOfVertices, 6) << "OK without the offer changes nothing";
        }
    }
    EXPECT_TRUE(Offers(excellent));
    Click(excellent.OKBtn);
    EXPECT_EQ(game::Settings.NumberOfVertices, 7);
    EXPECT_TRUE(game::Settings.ShowEdges);
    EXPECT_EQ(options.VertNumSpinEdit->text(), "7");
    EXPECT_TRUE(options.ShowEdges->isChecked());

    // An OK in the settings dialog after the advance keeps it.
    ShowModeless(&options);
    Click(options.OKBtn);
    EXPECT_EQ(game::Puzzle.VertexCount, 7);
    EXPECT_TRUE(game::Puzzle.EdgesShown);
    board.options = nullptr;
}

TEST_F(ProgressDialogsTest, AGameOverParInTeachingModeExplainsAndRestartsTheCount) {
    game::Settings.ShowEdges = false;
    game::Settings.TeachingModeConsecutiveGoodGames = 2;
    game::NewPuzzle();
    Solve(40);
    ASSERT_EQ(board.opened, std::vector{game::Dialog::NotBad});
    EXPECT_EQ(game::Settings.TeachingModeConsecutiveGoodGames, 0);
    Activate(&notBad);
    Press(&notBad, Qt::Key_Escape);
    EXPECT_TRUE(notBad.isVisible()) << "Escape does nothing in a rating dialog";
    Press(&notBad, Qt::Key_Return);
    EXPECT_FALSE(notBad.isVisible());
}

TEST_F(ProgressDialogsTest, RatingButtonsEscapeAndTheCloseBox) {
    Reopen(excellent, true, 3);
    Activate(&excellent);
    Press(&excellent, Qt::Key_Escape);
    EXPECT_TRUE(excellent.isVisible());
    excellent.close();
    EXPECT_FALSE(excellent.isVisible());
    EXPECT_EQ(game::Settings.TeachingModeConsecutiveGoodGames, 3) << "the close box has no effect";

    Reopen(excellent, true, 3);
    Click(excellent.NoButton);
    EXPECT_FALSE(excellent.isVisible());
    EXPECT_EQ(game::Settings.TeachingModeConsecutiveGoodGames, 2);

    Reopen(perfect, true, 1);
    Activate(&perfect);
    perfect.NoButton->setFocus();
    Press(&perfect, Qt::Key_Return);
    EXPECT_FALSE(perfect.isVisible()) << "Enter presses the focused No";
    EXPECT_EQ(game::Settings.TeachingModeConsecutiveGoodGames, 0);
    EXPECT_TRUE(game::Settings.ShowEdges);

    // The next offer opens on OK again, so Enter takes it, as the player sees it.
    Reopen(perfect, true, 1);
    Activate(&perfect);
    EXPECT_EQ(perfect.focusWidget(), perfect.OKBtn);
    Press(&perfect, Qt::Key_Return);
    EXPECT_FALSE(game::Settings.ShowEdges) << "Enter took the offer";
    Reopen(excellent, true, 3);
    Activate(&excellent);
    excellent.NoButton->setFocus();
    Click(excellent.NoButton);
    Reopen(excellent, true, 3);
    Activate(&excellent);
    EXPECT_EQ(excellent.focusWidget(), excellent.OKBtn);
    excellent.hide();
    game::Settings.ShowEdges = true;

    // Outside teaching mode OK only puts the dialog away.
    Reopen(perfect, false, 4);
    const game::GameSettings before = game::Settings;
    Click(perfect.OKBtn);
    EXPECT_FALSE(perfect.isVisible());
    EXPECT_EQ(game::Settings, before);
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
    game::Settings.TeachingModeConsecutiveGoodGames = 2;
    game::NewPuzzle();
    const std::uint32_t serial = game::Puzzle.Serial;
    const int layouts = board.layouts;

    game::NewGameClick();
    ASSERT_TRUE(decision.isVisible());
    Activate(&decision);
    Press(&decision, Qt::Key_Escape);
    EXPECT_FALSE(decision.isVisible());
    game::NewGameClick();
    Click(decision.CancelBtn);
    EXPECT_FALSE(decision.isVisible());
    EXPECT_EQ(game::Puzzle.Serial, serial);
    EXPECT_FALSE(game::Puzzle.GameOver);
    EXPECT_EQ(game::Session.SessionGameCount, 0);

    game::NewGameClick();
    Activate(&decision);
    Press(&decision, Qt::Key_Enter);
    EXPECT_FALSE(decision.isVisible()) << "Enter presses No, which kept the focus from its click";
    EXPECT_EQ(game::Puzzle.Serial, serial);

    game::NewGameClick();
    decision.OKBtn->setFocus();
    Press(&decision, Qt::Key_Enter);
    EXPECT_FALSE(decision.isVisible());
    EXPECT_EQ(game::Puzzle.Serial, serial + 1);
    EXPECT_EQ(board.layouts, layouts + 1);
    EXPECT_FALSE(board.laidOutUnderQuestion) << "the question is gone before the new puzzle appears";
    EXPECT_EQ(game::Session.SessionGameCount, 1);
    EXPECT_EQ(board.average, "Average From Par: 10.000");
    EXPECT_EQ(game::Settings.TeachingModeConsecutiveGoodGames, 0);
}

TEST_F(ProgressDialogsTest, DrawGraphIsFreeOnceThenAsks) {
    game::NewPuzzle();
    game::DrawGraphClick();
    EXPECT_TRUE(board.opened.empty());
    EXPECT_TRUE(game::Puzzle.GameOver);

    game::NewPuzzle();
    game::DrawGraphClick();
    ASSERT_TRUE(decision2.isVisible());
    decision2.close();
    EXPECT_FALSE(decision2.isVisible());
    EXPECT_FALSE(game::Puzzle.GameOver) << "the close box returns to the game";

    game::DrawGraphClick();
    Click(decision2.OKBtn);
    EXPECT_FALSE(decision2.isVisible());
    EXPECT_TRUE(game::Puzzle.GameOver) << "Yes shows the solution";
    EXPECT_EQ(game::Session.SessionGameCount, 1);
    EXPECT_EQ(board.average, "Average From Par: 10.000");
}

}  // namespace
}  // namespace dialogtest
