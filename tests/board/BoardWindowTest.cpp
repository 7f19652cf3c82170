// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a player meets it, on the offscreen platform: what shows at start-up, where
// a new puzzle puts everything, clicks reaching the game, the solution view, the painted
// edges, tool tips, and closing with a settings file that cannot be written.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cerrno>
#include <cstring>
#include <functional>

#include "app/SessionEnd.h"
#include "app/Windows.h"
#include "artwork/Artwork.h"
#include "board/Main.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "dialogs/About.h"
#include "dialogs/GameNotOverDialog.h"
#include "dialogs/GameNotOverDialog2.h"
#include "dialogs/NotBadDialog.h"
#include "dialogs/Optionl1.h"
#include "dialogs/Perfect.h"
#include "dialogs/PrintPuzzles.h"
#include "dialogs/SpinEdit.h"
#include "dialogs/TabbedScores.h"
#include "dialogs/excellent.h"
#include "engine/Game.h"
#include "engine/Puzzle.h"
#include "engine/SettingsFile.h"
#include "engine/State.h"
#include "services/HelpViewer.h"
#include "support/BoardTest.h"
#include "support/ControlPixels.h"
#include "support/GameTest.h"
#include "support/RecordingViewer.h"

namespace {

using game::kGreen;
using game::kMaroon;
using game::kNavy;
using game::kPurple;

class BoardWindow : public boardtest::BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        CreateWindows();
    }
    void TearDown() override {
        BoardTest::TearDown();
        Level1 = nullptr;
    }
    void CreateWindows() {
        BoardTest::CreateWindows();
        Level1 = windows->Level1;
    }

    void NewPuzzle(int n, int c, bool showEdges) {
        game.Settings.RandomNumberOfVertices = false;
        game.Settings.NumberOfVertices = n;
        game.Settings.RandomNumberOfColors = false;
        game.Settings.NumberOfColors = c;
        game.Settings.ShowEdges = showEdges;
        game.Settings.TeachingMode = false;
        QTest::mouseClick(Level1->NewGame, Qt::LeftButton);
        ASSERT_FALSE(game.Puzzle.GameOver);
    }
    static void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    static QPoint TopLeft(const QWidget* widget) { return widget->geometry().topLeft(); }
    static QPoint Centre(TOrbVertex1* v) { return {v->CenterX(), v->CenterY()}; }
    static QImage RenderBoard() { return Level1->Surface->grab().toImage(); }
    static bool Aqua(const QImage& image, QPoint at) { return image.pixelColor(at) == QColor(0, 255, 255); }
    static bool Black(const QImage& image, QPoint at) { return image.pixelColor(at) == QColor(0, 0, 0); }

    // Solves the puzzle on display by clicks, `extra` wasted clicks on vertex 1 first.
    void SolveByClicks(int extra = 0) {
        gametest::Solve(game,
            [](int colour, int vertex) {
                Click(Level1->Painter[static_cast<std::size_t>(colour)]);
                Click(Level1->OrbVertex[static_cast<std::size_t>(vertex)]);
            },
            extra);
    }

    static inline TLevel1* Level1 = nullptr;
};

// A board that is never exposed (started minimised, on a hidden workspace) still has every
// window: New Puzzle during a game asks, and Ctrl+Z opens the settings.
TEST_F(BoardWindow, EveryWindowExistsBeforeTheBoardIsEverPainted) {
    ASSERT_FALSE(Level1->isVisible());
    const QWidget* const dialogs[] = {windows->OptionsL1,
                                      windows->AboutBox,
                                      windows->PerfectDlg,
                                      windows->ExcellentDlg,
                                      windows->PerformancePages,
                                      windows->GameNotOverDecision,
                                      windows->GameNotOverDecision2,
                                      windows->NotBadMessage};
    for (const QWidget* dialog : dialogs) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->parentWidget(), Level1);
        EXPECT_FALSE(dialog->isVisible());
    }
    Level1->Settings1->trigger();
    EXPECT_TRUE(windows->OptionsL1->isVisible());
    windows->OptionsL1->hide();
    NewPuzzle(6, 3, true);
    Level1->NewGame->click();
    EXPECT_TRUE(windows->GameNotOverDecision->isVisible());
}

TEST_F(BoardWindow, StartsWithOnlyTheTitleAndNewPuzzleShowing) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    EXPECT_EQ(Level1->windowTitle(), "SpEcTrUmIx");
    EXPECT_EQ(Level1->frameGeometry().size(), QSize(652, 492));
    // Centred: half the space left over on each side, rounded down.
    const QRect area = Level1->screen()->availableGeometry();
    EXPECT_EQ(Level1->frameGeometry().topLeft(),
              area.topLeft() + QPoint((area.width() - 652) / 2, (area.height() - 492) / 2));

    QSet<QWidget*> expected{Level1->ColorAllVertices, Level1->NewGame};
    for (int i = 1; i <= 5; ++i) expected.insert(Level1->TitleLabel[static_cast<std::size_t>(i)]);
    for (QWidget* child : Level1->Surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The status line a screen reader hears the board's words from is shown and paints nothing.
        if (child->objectName() == "SpokenLine")
            continue;
        EXPECT_EQ(child->isVisible(), expected.contains(child)) << child->objectName().toStdString();
    }
    EXPECT_TRUE(Level1->menuBar()->isVisible());
    EXPECT_EQ(Level1->TitleLabel[1]->text() + Level1->TitleLabel[2]->text() + Level1->TitleLabel[3]->text() +
                  Level1->TitleLabel[4]->text() + Level1->TitleLabel[5]->text(),
              "SpEcTrUmIx");
    EXPECT_EQ(Level1->TitleLabel[1]->geometry(), QRect(312, 4, 35, 32));
    // Every pair shows whole in its box, the narrow "Um" too.
    EXPECT_EQ(Level1->TitleLabel[4]->geometry(), QRect(414, 10, 23, 32));
    for (int i = 1; i <= 5; ++i) {
        const QLabel* pair = Level1->TitleLabel[static_cast<std::size_t>(i)];
        EXPECT_LE(pair->fontMetrics().horizontalAdvance(pair->text()), pair->width()) << i;
    }
    EXPECT_EQ(Level1->ColorAllVertices->geometry(), QRect(8, 8, 300, 37));
    // The title pictures are drawn for the board's screen once it shows, and carry their words.
    const auto* colorAll = static_cast<const artwork::TPicture*>(Level1->ColorAllVertices);
    EXPECT_EQ(colorAll->drawnRatio(), Level1->devicePixelRatioF());
    EXPECT_EQ(colorAll->pixmap().deviceIndependentSize().toSize(), QSize(300, 37));
    EXPECT_EQ(colorAll->accessibleName(), "Color All Vertices");
    // The hidden dialogs' pictures and the statistics pages wait for idle time (or their own
    // first showing).
    EXPECT_TRUE(windows->PerfectDlg->Image1->pixmap().isNull());
    EXPECT_TRUE(windows->PerformancePages->findChildren<QComboBox*>().isEmpty());
    windows->PrepareHiddenWindows();
    EXPECT_EQ(windows->PerfectDlg->Image1->pixmap().deviceIndependentSize().toSize(), QSize(392, 103));
    EXPECT_FALSE(windows->PerformancePages->findChildren<QComboBox*>().isEmpty());
    EXPECT_EQ(windows->PerfectDlg->Image1->accessibleName(), "PERFECT");
    EXPECT_EQ(Level1->NavyPainter->accessibleName(), "Blue");
    EXPECT_EQ(Level1->PurplePainter->accessibleName(), "Purple");
    // The board never gets smaller than the designed size leaves for its client area.
    EXPECT_GE(Level1->minimumWidth(), 652 - (Level1->frameGeometry().width() - Level1->width()));
    EXPECT_GT(Level1->minimumHeight(), 0);
    EXPECT_EQ(Level1->NewGame->geometry(), QRect(106, 64, 85, 25));
    EXPECT_FALSE(Level1->DrawGraph->isEnabled());
    for (int i = kNavy; i <= kPurple; ++i) {
        EXPECT_FALSE(Level1->Painter[static_cast<std::size_t>(i)]->isEnabled());
        EXPECT_FALSE(Level1->Painter[static_cast<std::size_t>(i)]->Value());
    }
    for (int k = 1; k <= 16; ++k) EXPECT_FALSE(Level1->CompVert[static_cast<std::size_t>(k)]->isEnabled());

    EXPECT_EQ(Level1->File1->title(), "&File");
    EXPECT_EQ(Level1->Exit1->text(), "E&xit");
    EXPECT_EQ(Level1->Options1->title(), "&Options");
    EXPECT_EQ(Level1->Settings1->text(), "&Settings...");
    EXPECT_EQ(Level1->Settings1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Level1->Help1->title(), "&Help");
    EXPECT_EQ(Level1->Contents1->text(), "Contents");
    EXPECT_EQ(Level1->About1->text(), "&About...");

    // Tab walks the buttons in the game's order and skips everything else.
    QList<QWidget*> order;
    QWidget* w = Level1->NewGame;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w);
        w = w->nextInFocusChain();
    } while (w != Level1->NewGame && order.size() < 10);
    const QList<QWidget*> expectedOrder{Level1->NewGame,       Level1->DrawGraph,     Level1->NavyPainter,
                                        Level1->MaroonPainter, Level1->PurplePainter, Level1->GreenPainter};
    EXPECT_EQ(order, expectedOrder);
}

TEST_F(BoardWindow, NewPuzzlePlacesVerticesButtonsLabelsAndPaintersForItsSize) {
    NewPuzzle(6, 4, true);
    EXPECT_EQ(Level1->OrbVertex[1]->geometry(), QRect(242, 177, 46, 46));
    EXPECT_EQ(TopLeft(Level1->OrbVertex[4]), QPoint(32, 177));
    EXPECT_EQ(Level1->OrbVertex[1]->penWidth(), 3);
    for (int k = 7; k <= 16; ++k) {
        EXPECT_TRUE(Level1->OrbVertex[static_cast<std::size_t>(k)]->isHidden());
        EXPECT_FALSE(Level1->OrbVertex[static_cast<std::size_t>(k)]->isEnabled());
    }
    EXPECT_EQ(Level1->NewGame->geometry(), QRect(75, 333, 85, 25));
    EXPECT_EQ(TopLeft(Level1->DrawGraph), QPoint(160, 333));
    EXPECT_TRUE(Level1->DrawGraph->isEnabled());
    EXPECT_FALSE(Level1->DrawGraph->isHidden());
    EXPECT_EQ(TopLeft(Level1->ParLabel), QPoint(75, 363));
    EXPECT_EQ(TopLeft(Level1->Par), QPoint(110, 363));
    EXPECT_EQ(TopLeft(Level1->PlayerScoreLabel), QPoint(75, 383));
    EXPECT_EQ(TopLeft(Level1->PlayerScore), QPoint(156, 383));
    EXPECT_EQ(TopLeft(Level1->EdgesLabel), QPoint(181, 363));
    EXPECT_EQ(TopLeft(Level1->SessionAveFromParLabel), QPoint(181, 383));
    for (QLabel* label : {Level1->ParLabel, Level1->Par, Level1->PlayerScoreLabel, Level1->PlayerScore,
                          Level1->EdgesLabel, Level1->SessionAveFromParLabel}) {
        EXPECT_FALSE(label->isHidden());
    }
    EXPECT_EQ(Level1->Par->text(), "6");  // shown edges: par is the vertex count
    EXPECT_EQ(Level1->PlayerScore->text(), "0");
    EXPECT_EQ(Level1->EdgesLabel->text(), QString("Edges: %1").arg(game.Puzzle.EdgeCount));
    // Four colours: a 2 x 2 square of painters in the circle, navy pressed.
    EXPECT_EQ(TopLeft(Level1->PurplePainter), QPoint(130, 170));
    EXPECT_EQ(TopLeft(Level1->NavyPainter), QPoint(160, 170));
    EXPECT_EQ(TopLeft(Level1->MaroonPainter), QPoint(130, 200));
    EXPECT_EQ(TopLeft(Level1->GreenPainter), QPoint(160, 200));
    EXPECT_TRUE(Level1->NavyPainter->Value());
    EXPECT_FALSE(Level1->MaroonPainter->Value());
    // The twins wait hidden, 320 pixels to the right, while the computer does not play.
    EXPECT_EQ(Level1->CompVert[1]->geometry(), QRect(562, 177, 46, 46));
    EXPECT_TRUE(Level1->CompVert[1]->isHidden());

    // Then three colours: the purple painter goes and the rest form a triangle.
    game.Puzzle.GameOver = true;
    NewPuzzle(16, 3, false);
    EXPECT_TRUE(Level1->PurplePainter->isHidden());
    EXPECT_FALSE(Level1->PurplePainter->isEnabled());
    EXPECT_EQ(TopLeft(Level1->MaroonPainter), QPoint(145, 170));
    EXPECT_EQ(TopLeft(Level1->NavyPainter), QPoint(130, 200));
    EXPECT_EQ(TopLeft(Level1->GreenPainter), QPoint(160, 200));
    EXPECT_EQ(Level1->OrbVertex[16]->size(), QSize(15, 15));
    EXPECT_EQ(Level1->OrbVertex[16]->penWidth(), 2);
    EXPECT_FALSE(Level1->OrbVertex[16]->isHidden());
    EXPECT_EQ(Level1->NewGame->y(), 355);
    EXPECT_EQ(Level1->SessionAveFromParLabel->y(), 405);

    // Two colours with the computer playing along: the twins show as black squares.
    game.Puzzle.GameOver = true;
    game.Settings.PlayComputer = true;
    NewPuzzle(12, 2, true);
    EXPECT_EQ(Level1->OrbVertex[1]->size(), QSize(27, 27));
    EXPECT_TRUE(Level1->GreenPainter->isHidden());
    EXPECT_EQ(TopLeft(Level1->MaroonPainter), QPoint(130, 185));
    EXPECT_EQ(TopLeft(Level1->NavyPainter), QPoint(160, 185));
    for (int k = 1; k <= 16; ++k) {
        const auto i = static_cast<std::size_t>(k);
        EXPECT_EQ(Level1->CompVert[i]->isHidden(), k > 12) << k;
        EXPECT_EQ(Level1->CompVert[i]->geometry(), Level1->OrbVertex[i]->geometry().translated(320, 0)) << k;
        EXPECT_EQ(Level1->CompVert[i]->penWidth(), Level1->OrbVertex[i]->penWidth());
    }
    EXPECT_EQ(Level1->CompVert[1]->brushColor(), game::clBlack);
}

TEST_F(BoardWindow, ClicksOnPaintersAndVerticesReachTheGame) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    NewPuzzle(8, 3, false);
    Click(Level1->MaroonPainter);
    EXPECT_EQ(game.Puzzle.SelectedColor, game::clRed);
    EXPECT_TRUE(Level1->MaroonPainter->Value());
    EXPECT_FALSE(Level1->NavyPainter->Value());
    // Clicking the pressed painter again keeps it down: there is always a paint colour.
    Click(Level1->MaroonPainter);
    EXPECT_TRUE(Level1->MaroonPainter->Value());

    Click(Level1->OrbVertex[3]);
    EXPECT_EQ(game.BoardVertex[3].FillColor(), game::clRed);
    EXPECT_EQ(Level1->OrbVertex[3]->brushColor(), game::clRed);
    EXPECT_EQ(game.Puzzle.ClickCount, 1);
    EXPECT_EQ(Level1->PlayerScore->text(), "1");

    Click(Level1->GreenPainter);
    EXPECT_EQ(game.Puzzle.SelectedColor, game::clLime);
    Click(Level1->OrbVertex[5]);
    EXPECT_EQ(game.BoardVertex[5].FillColor(), game::clLime);
    EXPECT_EQ(Level1->PlayerScore->text(), "2");

    // A second New Puzzle during play asks first.
    Click(Level1->NewGame);
    ASSERT_NE(windows->GameNotOverDecision, nullptr);
    EXPECT_TRUE(static_cast<QWidget*>(windows->GameNotOverDecision)->isVisible());
    EXPECT_EQ(game.Puzzle.ClickCount, 2);
}

TEST_F(BoardWindow, SolvingShowsTheSolutionBesideTheBoardAndStopsPlay) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    NewPuzzle(10, 4, true);
    SolveByClicks();
    ASSERT_TRUE(game.Puzzle.GameOver);
    EXPECT_TRUE(Level1->PuzzleSolved->isVisible());
    EXPECT_FALSE(Level1->ColorAllVertices->isVisible());
    EXPECT_TRUE(Level1->DrawGraph->isVisible());
    EXPECT_FALSE(Level1->DrawGraph->isEnabled());
    for (int i = kNavy; i <= kPurple; ++i) {
        EXPECT_FALSE(Level1->Painter[static_cast<std::size_t>(i)]->isEnabled());
        EXPECT_FALSE(Level1->Painter[static_cast<std::size_t>(i)]->Value());
    }
    int solutionEdges = 0;
    for (int k = 1; k <= 16; ++k) {
        const auto i = static_cast<std::size_t>(k);
        EXPECT_EQ(Level1->CompVert[i]->isVisible(), k <= 10) << k;
        if (k > 10)
            continue;
        EXPECT_EQ(Level1->CompVert[i]->brushColor(), game::PaintColor(game.Puzzle.HiddenColoring[i]));
        EXPECT_EQ(Level1->CompVert[i]->geometry(), Level1->OrbVertex[i]->geometry().translated(320, 0));
        for (int j = 1; j <= 10; ++j)
            solutionEdges += game.Puzzle.SolutionEdgeDrawn[i][static_cast<std::size_t>(j)];
    }
    EXPECT_EQ(solutionEdges, game.Puzzle.EdgeCount);
    // Par reached with edges shown: the perfect game's dialog opens without blocking.
    EXPECT_TRUE(static_cast<QWidget*>(windows->PerfectDlg)->isVisible());

    // Clicks on the frozen board change nothing.
    Click(Level1->OrbVertex[1]);
    EXPECT_EQ(game.Puzzle.ClickCount, 10);
}

// The teaching levels are the engine's; here the windows follow an advance played by clicks:
// the rating dialogs open with what the engine decided, and the settings dialog keeps the level.
TEST_F(BoardWindow, TheDialogsFollowATeachingAdvancePlayedByClicks) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    game.Settings.RandomNumberOfVertices = false;
    game.Settings.TeachingModeConsecutiveGoodGames = 0;
    QWidget* const perfect = windows->PerfectDlg;
    Click(Level1->NewGame);
    ASSERT_TRUE(game.Puzzle.EdgesShown);
    SolveByClicks();
    ASSERT_TRUE(perfect->isVisible());
    EXPECT_TRUE(windows->PerfectDlg->NoButton->isVisible()) << "one perfect game earns the offer";
    Click(windows->PerfectDlg->OKBtn);
    EXPECT_FALSE(perfect->isVisible());
    EXPECT_FALSE(windows->OptionsL1->ShowEdges->isChecked()) << "the settings dialog keeps the advance";

    Click(Level1->NewGame);
    ASSERT_FALSE(game.Puzzle.EdgesShown);
    SolveByClicks();
    EXPECT_EQ(windows->ExcellentDlg->Label1->text(),
              "You need 3 excellent games in a row to advance. You now have 1.");
    Click(windows->ExcellentDlg->OKBtn);
    Click(Level1->NewGame);
    SolveByClicks(2 * game.Puzzle.VertexCount);  // over par even with hidden edges
    ASSERT_FALSE(windows->ExcellentDlg->isVisible());
    EXPECT_TRUE(static_cast<QWidget*>(windows->NotBadMessage)->isVisible())
        << "a game over par explains itself";
    EXPECT_EQ(game.Session.SessionGameCount, 3);
    EXPECT_EQ(Level1->SessionAveFromParLabel->text().toStdString(),
              "Average From Par: " + game::ReduceAverage(game.Session.SessionTotalFromPar, 3).Text());
}

TEST_F(BoardWindow, DrawGraphFirstUseSolvesAtOnce) {
    NewPuzzle(7, 2, false);
    Click(Level1->DrawGraph);
    EXPECT_TRUE(game.Puzzle.GameOver);
    EXPECT_FALSE(Level1->PuzzleSolved->isHidden());
    EXPECT_FALSE(Level1->CompVert[7]->isHidden());
    EXPECT_TRUE(Level1->CompVert[8]->isHidden());
}

TEST_F(BoardWindow, PaintsExactlyTheMarkedEdgesInAqua) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    NewPuzzle(6, 3, false);
    ASSERT_GE(game.Puzzle.EdgeCount, 1);
    // Nothing revealed yet: a hidden-edge board shows no line.
    QImage image = RenderBoard();
    EXPECT_TRUE(Black(image, {100, 200}));

    // Vertex 1 (242,177) and vertex 4 (32,177), 46 wide: a horizontal edge through y = 200.
    game.RevealEdge(1, 4);
    EXPECT_EQ(Centre(Level1->OrbVertex[1]), QPoint(265, 200));
    EXPECT_EQ(Centre(Level1->OrbVertex[4]), QPoint(55, 200));
    // Its twin, marked only from its other end, is drawn all the same.
    Level1->View().DrawEdge(game::EdgeView::Solution, 4, 1);
    image = RenderBoard();
    for (int x : {90, 100, 230, 240}) EXPECT_TRUE(Aqua(image, {x, 200})) << x;
    for (int x : {410, 480, 550}) EXPECT_TRUE(Aqua(image, {x, 200})) << x;
    EXPECT_TRUE(Black(image, {100, 205}));
    // Vertices 2 and 3 share a row (y = 291); that pair is not marked.
    EXPECT_TRUE(Black(image, {150, 291}));
    // The vertex squares stand over the line's ends.
    EXPECT_FALSE(Aqua(image, {260, 200}));

    // A teaching advance may change the count for the next puzzle; the lines of the
    // puzzle on display stay.
    game.Settings.NumberOfVertices = 16;
    EXPECT_TRUE(Aqua(RenderBoard(), {100, 200}));
    game.Settings.NumberOfVertices = 6;

    // The next puzzle leaves nothing of the last one's lines.
    game.Puzzle.GameOver = true;
    NewPuzzle(6, 3, false);
    image = RenderBoard();
    EXPECT_TRUE(Black(image, {100, 200}));
    EXPECT_TRUE(Black(image, {480, 200}));
}

// New Puzzle, Draw Graph and every vertex click are answered by one paint of the board once the
// game is back in its loop, never by a paint per vertex while the click is handled.
TEST_F(BoardWindow, EachCommandIsAnsweredByOnePaintOfTheBoard) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    game.Settings.PlayComputer = true;
    NewPuzzle(16, 4, true);
    controls_test::PaintCounter paints(*Level1->Surface);
    const auto answeredOnce = [&](const char* what, const std::function<void()>& command) {
        paints.settle();
        command();
        EXPECT_EQ(paints.count, 0) << what << " paints while it is handled";
        controls_test::PaintCounter::flush();
        EXPECT_EQ(paints.count, 1) << what;
    };
    game.Puzzle.GameOver = true;
    answeredOnce("New Puzzle", [this] { game.NewGameClick(); });
    ASSERT_GT(game.Puzzle.EdgeCount, 20);
    answeredOnce("Draw Graph", [this] { game.DrawGraphClick(); });
    ASSERT_TRUE(game.Puzzle.GameOver);

    // With the edges hidden, every clash and the solving click alike.
    game.Settings.ShowEdges = false;
    answeredOnce("New Puzzle", [this] { game.NewGameClick(); });
    const game::PuzzleState& p = game.Puzzle;
    // Any two joined vertices (the puzzle is drawn afresh each run: vertex 1 may stand alone).
    int first = 1;
    int neighbour = 2;
    while (game.BoardVertex[static_cast<std::size_t>(first)].GetNeighbor(neighbour) != 1) {
        if (++neighbour > 16) {
            ++first;
            neighbour = first + 1;
        }
        ASSERT_LT(first, 16) << "a puzzle without edges";
    }
    gametest::Paint(game, p.HiddenColoring[first], first);
    answeredOnce("a clash", [&] { game.VertexClick(neighbour); });
    ASSERT_EQ(p.BoardEdgeDrawn[neighbour][first], 1);
    // Over par, so no rating dialog takes the focus (and a repaint) from the board.
    int moves = 0;
    const int all = game.ComputePar() + 1 + p.VertexCount;
    gametest::Solve(game,
        [&](int colour, int vertex) {
            if (++moves == all)
                answeredOnce("the solving click", [&] { gametest::Paint(game, colour, vertex); });
            else
                gametest::Paint(game, colour, vertex);
        },
        game.ComputePar() + 1);
    EXPECT_TRUE(p.GameOver);
}

// What the window shows after that one paint is the board drawn at once, but for the odd pixel
// where the edge of an area renewed on its own cut a line (a few dozen at 16 vertices, where a
// missing line alone is a hundred): no line missing, and none of the last puzzle left.
TEST_F(BoardWindow, TheWindowShowsTheBoardAsDrawnAtOnce) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    game.Settings.PlayComputer = true;
    const auto differing = [] {
        controls_test::PaintCounter::flush();
        const QRect area(Level1->Surface->mapTo(Level1, QPoint(0, 0)), Level1->Surface->size());
        const QImage shown =
            Level1->screen()
                ->grabWindow(Level1->winId(), area.x(), area.y(), area.width(), area.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        const QImage atOnce = RenderBoard().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) count += shown.pixel(x, y) != atOnce.pixel(x, y);
        }
        return count;
    };
    NewPuzzle(16, 4, true);
    ASSERT_GT(game.Puzzle.EdgeCount, 20);
    EXPECT_LT(differing(), 100) << "a new puzzle with its edges";
    Click(Level1->DrawGraph);
    EXPECT_LT(differing(), 100) << "the solution view";
    NewPuzzle(6, 3, false);
    EXPECT_EQ(differing(), 0) << "the next puzzle, its edges hidden";
}

// After start-up the hidden windows are finished in idle time a piece per turn, rating banners
// first, so a click in between never waits for all of them.
TEST_F(BoardWindow, HiddenWindowsArePreparedOnePiecePerIdleTurn) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    const auto drawn = [this] {
        int count = 0;
        for (const auto* picture : Level1->findChildren<artwork::TPicture*>())
            count += picture->pixmap().isNull() ? 0 : 1;
        return count;
    };
    const int before = drawn();
    const int all = int(Level1->findChildren<artwork::TPicture*>().size());
    ASSERT_LT(before, all);
    windows->PrepareHiddenWindowsInIdleTime();
    EXPECT_EQ(drawn(), before);  // nothing yet: the board's own turn comes first
    ASSERT_TRUE(windows->PrepareNextHiddenPiece());
    EXPECT_EQ(drawn(), before + 1);
    EXPECT_FALSE(windows->PerfectDlg->Image1->pixmap().isNull());
    EXPECT_TRUE(windows->PerformancePages->findChildren<QComboBox*>().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return drawn() == all; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !windows->PerformancePages->findChildren<QComboBox*>().isEmpty(); }, 5000));
    // The idle turns stop once everything is done.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !windows->PrepareNextHiddenPiece(); }, 5000));
}

// On a screen of two device pixels to the board's pixel the lines are smooth, at their width and
// place; at one to one they stay hard, aqua on black.
TEST_F(BoardWindow, EdgesAreSmoothOnlyAboveOneDevicePixelPerPixel) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    NewPuzzle(6, 3, false);
    game.RevealEdge(1, 4);  // horizontal, y = 200
    game.RevealEdge(1, 2);  // diagonal, (265,200) to (213,291)
    const auto render = [](qreal ratio) {
        QImage image(Level1->Surface->size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        Level1->Surface->render(&image);
        return image;
    };
    const auto shaded = [](const QImage& image, QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c != QColor(0, 255, 255) && c != QColor(0, 0, 0) ? 1 : 0;
            }
        }
        return count;
    };
    const auto CountAqua = [](const QImage& image, QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixelColor(x, y) == QColor(0, 255, 255);
        }
        return count;
    };
    const QImage sharp = render(1);
    EXPECT_EQ(shaded(sharp, QRect(230, 225, 30, 30)), 0);
    EXPECT_GT(CountAqua(sharp, QRect(230, 225, 30, 30)), 20);
    EXPECT_TRUE(Aqua(sharp, {100, 199}) && Aqua(sharp, {100, 200}));
    EXPECT_TRUE(Black(sharp, {100, 198}) && Black(sharp, {100, 201}));

    const QImage smooth = render(2);
    EXPECT_GT(shaded(smooth, QRect(460, 450, 60, 60)), 20);
    // The horizontal line covers the same two board pixels, four device pixels, all aqua.
    for (int y = 398; y <= 401; ++y) EXPECT_TRUE(Aqua(smooth, {200, y})) << y;
    EXPECT_TRUE(Black(smooth, {200, 397}) && Black(smooth, {200, 402}));
}

// Asks the widget for its tool tip as a resting pointer would; returns what popped up.
QString ToolTipOf(QWidget* widget) {
    QToolTip::showText(QPoint(), QString());
    QHelpEvent event(QEvent::ToolTip, widget->rect().center(), widget->mapToGlobal(widget->rect().center()));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(BoardWindow, ToolTipsFollowTheSettingExceptTitleAndSolution) {
    game.Settings.ShowToolTips = false;
    CreateWindows();
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    game.Settings.PlayComputer = true;
    NewPuzzle(6, 4, true);
    ASSERT_FALSE(Level1->ToolTipsOn());

    const QString vertexHint = "The goal is to color all the vertices other than black.";
    for (QWidget* quiet : std::initializer_list<QWidget*>{
             Level1->OrbVertex[1], Level1->NavyPainter, Level1->ParLabel, Level1->NewGame, Level1->DrawGraph,
             Level1->SessionAveFromParLabel}) {
        EXPECT_TRUE(ToolTipOf(quiet).isEmpty()) << quiet->objectName().toStdString();
    }
    EXPECT_EQ(ToolTipOf(Level1->TitleLabel[4]), "Vertices joined by an edge cannot be the same color.");
    EXPECT_EQ(ToolTipOf(Level1->ColorAllVertices), "Vertices are initially black and purple");
    EXPECT_EQ(ToolTipOf(Level1->CompVert[2]), "Notice the number of edges is the same as stated.");
    EXPECT_EQ(ToolTipOf(Level1->CompVert[3]), "This is my solution to the underlying graph.");

    Level1->ApplyToolTips(true);
    EXPECT_EQ(ToolTipOf(Level1->OrbVertex[1]), vertexHint);
    EXPECT_EQ(ToolTipOf(Level1->PlayerScoreLabel), "Number of clicks on vertices.");
    EXPECT_EQ(ToolTipOf(Level1->DrawGraph), "Ends play and solves the puzzle.");
}

TEST_F(BoardWindow, MenuOpensSettingsHelpAndAbout) {
    RecordingViewer viewer;
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Level1));
    QWidget* const settings = windows->OptionsL1;
    QTest::keyClick(Level1, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(settings->isVisible()) << "Ctrl+Z opens the settings";
    // An edit not yet confirmed survives choosing the command again while the dialog is up.
    windows->OptionsL1->VertNumSpinEdit->SetValue(12);
    Level1->Settings1->trigger();
    EXPECT_TRUE(settings->isVisible());
    EXPECT_EQ(windows->OptionsL1->VertNumSpinEdit->Value(), 12);
    Level1->About1->trigger();
    EXPECT_TRUE(static_cast<QWidget*>(windows->AboutBox)->isVisible());
    Level1->Contents1->trigger();
    EXPECT_EQ(viewer.requests, std::vector<int>{help::kContents});
}

TEST_F(BoardWindow, FileMenuShowsTheGamesJustPlayedAndPrintsPuzzlesOfTheSettingsShape) {
    const QList<QAction*> items = Level1->File1->actions();
    ASSERT_EQ(items.size(), 8);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Puzzle &Code..."));
    EXPECT_EQ(items[1]->text(), QStringLiteral("&Restart Puzzle"));
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(items[2]->text(), QStringLiteral("Print P&uzzles..."));
    EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4]->text(), QStringLiteral("&Performance..."));
    EXPECT_EQ(items[5]->text(), QStringLiteral("Review Last &Game..."));
    EXPECT_EQ(items[5]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_TRUE(items[6]->isSeparator());
    EXPECT_EQ(items[7]->text(), QStringLiteral("E&xit"));
    // Each item its own key letter: Alt+F and a letter opens that item, not the first of several.
    QString letters;
    for (const QAction* item : items) {
        const qsizetype at = item->text().indexOf(QLatin1Char('&'));
        if (at >= 0) {
            const QChar letter = item->text().at(at + 1).toLower();
            EXPECT_FALSE(letters.contains(letter)) << item->text().toStdString();
            letters += letter;
        }
    }

    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    NewPuzzle(6, 2, true);
    SolveByClicks();
    ASSERT_TRUE(game.Puzzle.GameOver);
    NewPuzzle(6, 2, true);
    Level1->NewGame->click();
    windows->GameNotOverDecision->OKBtn->click();
    Level1->Performance1->trigger();
    QWidget* const stats = windows->PerformancePages;
    ASSERT_TRUE(stats->isVisible());
    EXPECT_EQ(stats->findChild<QLabel*>(QStringLiteral("Label15"))->text(), "Total Number of Games: 2");
    EXPECT_EQ(stats->findChild<QLabel*>(QStringLiteral("Label16"))->text(), "Par or Better Scores: 1");
    EXPECT_EQ(stats->findChild<QLabel*>(QStringLiteral("Label17"))->text(), "Highest Level Played: 1");
    // The history, in this test's own data folder, holds them too, once it has been read.
    windows->Log().Settle();
    EXPECT_EQ(stats->findChild<QLabel*>(QStringLiteral("OverallPlayerNumberOfGames"))->text().back(), '2');

    // Print Puzzles opens with the puzzles' shape as the settings give New Puzzle's.
    game.Settings.RandomNumberOfVertices = false;
    game.Settings.NumberOfVertices = 11;
    game.Settings.RandomNumberOfColors = true;
    Level1->PrintPuzzles1->trigger();
    ASSERT_TRUE(windows->PrintPuzzlesDlg()->isVisible());
    EXPECT_EQ(windows->PrintPuzzlesDlg()->Request().vertices, 11);
    EXPECT_EQ(windows->PrintPuzzlesDlg()->Request().colors, 0);
}

// Answers the next message box from inside its own loop and notes what it said.
struct MessageBoxAnswer {
    QString title, text, informative, defaultButton;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

    explicit MessageBoxAnswer(const QString& answer) {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [this, poll, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll->stop();
            poll->deleteLater();
            title = box->windowTitle();
            text = box->text();
            informative = box->informativeText();
            icon = box->icon();
            defaultButton = box->defaultButton() ? box->defaultButton()->text().remove('&') : QString();
            for (QAbstractButton* b : box->buttons()) {
                buttons << b->text().remove('&');
                if (b->text().remove('&') == answer)
                    b->click();
            }
        });
        poll->start(10);
    }
};

TEST_F(BoardWindow, AFailedSaveKeepsTheBoardOpenUntilThePlayerQuitsWithoutSaving) {
    // A directory where the settings file belongs: no one, not even root, writes it.
    ASSERT_TRUE(QDir(m_config.path()).mkdir("SpEcTrUmIx.ini"));
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    bool closed = false;
    QObject::connect(Level1, &TLevel1::closed, [&] { closed = true; });

    MessageBoxAnswer ok("OK");
    EXPECT_FALSE(Level1->close());
    EXPECT_EQ(ok.title, "SpEcTrUmIx");
    EXPECT_EQ(ok.text, "Unable to write to SpEcTrUmIx.ini.");
    EXPECT_EQ(ok.informative, QString::fromLocal8Bit(std::strerror(EISDIR)));  // the system's reason
    EXPECT_EQ(ok.icon, QMessageBox::Critical);
    EXPECT_EQ(ok.defaultButton, "OK");
    EXPECT_EQ(ok.buttons.size(), 2);
    EXPECT_TRUE(Level1->isVisible());
    EXPECT_FALSE(closed);

    MessageBoxAnswer quit("Quit Without Saving");
    EXPECT_TRUE(Level1->close());
    EXPECT_EQ(quit.text, "Unable to write to SpEcTrUmIx.ini.");
    EXPECT_TRUE(closed);
}

TEST_F(BoardWindow, ExitSavesTheSettingsAndCloses) {
    Level1->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Level1));
    bool closed = false;
    QObject::connect(Level1, &TLevel1::closed, [&] { closed = true; });
    game.Settings.TeachingModePrimaryLevel = 3;
    Level1->Exit1->trigger();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(Level1->isVisible());
    QFile file(m_config.filePath("SpEcTrUmIx.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("[Level 1]"));
    EXPECT_TRUE(text.contains("TeachingModePrimaryLevel=3"));
}

// Logging out asks the game, through the session manager, to keep its data before it is told to
// quit; the settings are saved then, for there may be no later chance.
TEST_F(BoardWindow, TheSessionManagersRequestSavesTheSettings) {
    const app::TSessionEndSave sessionEnd(*qApp, game);
    game.Settings.TeachingModePrimaryLevel = 4;
    // The game never looks at the manager itself; Qt makes the real one only in a desktop session.
    alignas(QSessionManager) static unsigned char manager[sizeof(QSessionManager)] = {};
    emit qApp->commitDataRequest(*reinterpret_cast<QSessionManager*>(manager));
    QFile file(m_config.filePath("SpEcTrUmIx.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains("TeachingModePrimaryLevel=4"));
}

}  // namespace
