// SPDX-License-Identifier: GPL-3.0-or-later
// The board played from the keyboard alone and followed by a screen reader, on the offscreen
// platform: the tab ring, walking round the circle, keys that click, pick and start, the focus
// mark that only the keyboard shows, and the graph as the accessible tree tells it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/Windows.h"
#include "board/Main.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "dialogs/DecisionDialog.h"
#include "dialogs/GameNotOverDialog.h"
#include "dialogs/NotBadDialog.h"
#include "dialogs/Optionl1.h"
#include "dialogs/Perfect.h"
#include "dialogs/SpinEdit.h"
#include "dialogs/excellent.h"
#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "engine/State.h"
#include "support/BoardTest.h"
#include "support/GameTest.h"

namespace {

class KeyboardPlay : public boardtest::BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        // The worked example, started by the keys the tests press.
        board = ShowActiveBoard(game.Settings.ShowEdges);
    }
    static QString Said(QWidget* widget, QAccessible::Text kind = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(widget)->text(kind);
    }
    static QStringList Actions(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->actionInterface()->actionNames();
    }
    TOrbVertex1* Vertex(int k) const { return board->OrbVertex[static_cast<std::size_t>(k)]; }
    // What the board last said aloud, and that it was said: the note shows for each message, inside a
    // status line so that a screen reader reads the words alone.
    QString Note() const {
        const QWidget* note = board->Surface->findChild<QWidget*>("SpokenNote");
        EXPECT_TRUE(note && note->isVisible());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(note->parentWidget())->role(), QAccessible::StatusBar);
        return Said(const_cast<QWidget*>(note));
    }
    bool Marked(const QWidget* control) const {
        return board->Surface->FocusMarkArea().contains(control->geometry()) && control->hasFocus();
    }

    TLevel1* board = nullptr;
};

TEST_F(KeyboardPlay, TabRingArrowsAndKeysPlayTheGameAsClicksDo) {
    game.Settings.ShowEdges = false;
    Key(Qt::Key_F2);
    ASSERT_FALSE(game.Puzzle.GameOver);
    EXPECT_TRUE(Marked(Vertex(1))) << "a puzzle started by key puts the focus on the first vertex";
    EXPECT_EQ(Said(board->GreenPainter, QAccessible::Description), "3 of 3");
    // The puzzle's size is heard once, as the focus arrives.
    const QString size = Said(Vertex(1));
    EXPECT_TRUE(size.startsWith("6 vertices, 3 colors, ") && size.contains(" edges hidden, par ") &&
                size.endsWith(". 1, uncolored, no edge known yet"))
        << size.toStdString();
    board->NavyPainter->setFocus(Qt::TabFocusReason);

    // Painters, the six vertices in number order, the two buttons, and round again.
    QList<QWidget*> ring;
    for (int i = 0; i < 12; ++i) {
        Key(Qt::Key_Tab);
        ring << QApplication::focusWidget();
    }
    const QList<QWidget*> expected{board->MaroonPainter,
                                   board->GreenPainter,
                                   Vertex(1),
                                   Vertex(2),
                                   Vertex(3),
                                   Vertex(4),
                                   Vertex(5),
                                   Vertex(6),
                                   board->NewGame,
                                   board->DrawGraph,
                                   board->NavyPainter,
                                   board->MaroonPainter};
    EXPECT_EQ(ring, expected);

    // Round the circle, wrapping; Home and End go to the first and last vertex.
    Vertex(1)->setFocus(Qt::TabFocusReason);
    const std::pair<int, int> walk[] = {{Qt::Key_Left, 6}, {Qt::Key_Right, 1}, {Qt::Key_Down, 2},
                                        {Qt::Key_Up, 1},   {Qt::Key_End, 6},   {Qt::Key_Home, 1}};
    for (const auto& [key, to] : walk) {
        Key(key);
        EXPECT_TRUE(Marked(Vertex(to))) << "key " << key << " to vertex " << to;
    }

    // A digit picks its painter and leaves the focus on the vertex; Space clicks it.
    Key(Qt::Key_3);
    EXPECT_TRUE(board->GreenPainter->Value());
    EXPECT_TRUE(Vertex(1)->hasFocus());
    EXPECT_EQ(Note(), "Green") << "the colour in hand, and nothing more";
    EXPECT_EQ(Said(Vertex(1)), "1, uncolored, no edge known yet");
    Key(Qt::Key_Space);
    EXPECT_EQ(Vertex(1)->brushColor(), game::clLime);
    EXPECT_EQ(Said(Vertex(1)), "1, green; score 1");
    EXPECT_EQ(Note(), "green, score 1") << "said once, without the number and the word just heard";

    // Green on vertex 3 clears vertex 1 and reveals their edge: heard once, on vertex 3.
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(Said(Vertex(3)), "3, uncolored, no edge known yet");
    Key(Qt::Key_Return);
    EXPECT_EQ(Vertex(1)->brushColor(), game::clBlack);
    EXPECT_EQ(game.Puzzle.ClickCount, 2);
    EXPECT_EQ(Said(Vertex(3)), "3, green; cleared vertex 1, joined; score 2");
    // A vertex's neighbours are heard in the same breath as its name, not after it.
    EXPECT_EQ(Said(Vertex(1)), "1, uncolored, joins 3 green");
    EXPECT_EQ(Said(Vertex(1), QAccessible::Description), "");
    Key(Qt::Key_Home);
    EXPECT_EQ(Said(Vertex(3)), "3, green, joins 1 uncolored");
    EXPECT_EQ(Said(board->PlayerScore), "Your Score: 2");

    // S tells where the game stands.
    Key(Qt::Key_S);
    EXPECT_EQ(Note(), QString("score 2, par %1, 1 of %2 edges known, 5 vertices left")
                          .arg(game.ComputePar())
                          .arg(game.Puzzle.EdgeCount));

    // During a game, F2 and Ctrl+N ask first, as New Puzzle does.
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(windows->GameNotOverDecision->isVisible());
}

TEST_F(KeyboardPlay, TheMouseNeverShowsTheFocusMark) {
    QTest::mouseClick(board->NewGame, Qt::LeftButton);
    QTest::mouseClick(board->MaroonPainter, Qt::LeftButton);
    QTest::mouseClick(Vertex(2), Qt::LeftButton);
    EXPECT_TRUE(board->Surface->FocusMarkArea().isNull());
    EXPECT_TRUE(board->MaroonPainter->hasFocus());
    EXPECT_FALSE(Vertex(2)->hasFocus()) << "a clicked vertex leaves the focus where it was";

    // The keyboard shows it; the next mouse press takes it away.
    Key(Qt::Key_Tab);
    EXPECT_TRUE(Marked(board->GreenPainter));
    QTest::mouseClick(Vertex(2), Qt::LeftButton);
    EXPECT_TRUE(board->Surface->FocusMarkArea().isNull());
}

TEST_F(KeyboardPlay, TheGraphIsToldAndOnlyPlayableVerticesOfferAPress) {
    game.Settings.ShowEdges = true;
    game.Settings.PlayComputer = true;
    Key(Qt::Key_F2);
    // As the focus arrives: the puzzle's size, then the first vertex with its neighbours, as one.
    const QString first = Said(Vertex(1));
    EXPECT_TRUE(first.startsWith("6 vertices, ") &&
                first.endsWith(" edges shown, par 6. 1, uncolored, joins 3, 4 and 6 uncolored"))
        << first.toStdString();
    EXPECT_EQ(Said(Vertex(2)), "2, uncolored, joins 3 uncolored");
    EXPECT_EQ(Said(board->Par), "Par: 6");
    EXPECT_EQ(Actions(Vertex(1)), QStringList{QAccessibleActionInterface::pressAction()});

    gametest::Solve(game, [&](int colour, int k) {
        QTest::mouseClick(board->Painter[static_cast<std::size_t>(colour)], Qt::LeftButton);
        QTest::mouseClick(Vertex(k), Qt::LeftButton);
    });
    ASSERT_TRUE(game.Puzzle.GameOver);
    EXPECT_TRUE(Actions(Vertex(1)).isEmpty()) << "the game is over";
    // The rating is read with the score it rates, before its message.
    const QString rated =
        QString("Your score %1, par %2. ").arg(game.Puzzle.ClickCount).arg(game.ComputePar());
    int open = 0;
    for (const TRatingDialog* dialog : {static_cast<TRatingDialog*>(windows->PerfectDlg),
                                        static_cast<TRatingDialog*>(windows->ExcellentDlg),
                                        static_cast<TRatingDialog*>(windows->NotBadMessage)}) {
        if (!dialog->isVisible())
            continue;
        ++open;
        EXPECT_EQ(dialog->Label1->accessibleName(), rated + dialog->Label1->text());
    }
    EXPECT_EQ(open, 1);
    TOrbVertex1* twin = board->CompVert[1];
    ASSERT_TRUE(twin->isVisible());
    EXPECT_EQ(Said(twin), "Solution vertex 1, red");
    EXPECT_EQ(Said(twin, QAccessible::Description), "joins 3 green, 4 blue, 6 green");
    EXPECT_TRUE(Actions(twin).isEmpty());
}

TEST_F(KeyboardPlay, WhatIsSeenAsOneIsReadAsOneAndTheNumberFieldsHaveNamesAndValues) {
    const auto state = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->state(); };
    EXPECT_EQ(Said(board->TitleLabel[1]), "SpEcTrUmIx");
    for (int i = 2; i <= 5; ++i) EXPECT_TRUE(state(board->TitleLabel[static_cast<std::size_t>(i)]).invisible);
    EXPECT_TRUE(state(board->ParLabel).invisible) << "the caption is read with the number";

    TDecisionDialog* decision = windows->GameNotOverDecision;
    EXPECT_TRUE(Said(decision->Label1).endsWith("Life's tough. You decide."));
    EXPECT_TRUE(state(decision->Label2).invisible && state(decision->Label3).invisible);

    auto* field = windows->OptionsL1->findChild<TSpinEdit*>("VertNumSpinEdit");
    ASSERT_NE(field, nullptr);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
    EXPECT_EQ(face->role(), QAccessible::SpinBox);
    EXPECT_EQ(face->text(QAccessible::Name), "Number of Vertices");
    QAccessibleValueInterface* value = face->valueInterface();
    ASSERT_NE(value, nullptr);
    value->setCurrentValue(99);
    EXPECT_EQ(value->currentValue().toInt(), 16);
    EXPECT_EQ(field->text(), "16");
    EXPECT_EQ(Said(field->UpButton()), "One more");
}

}  // namespace
