// SPDX-License-Identifier: GPL-3.0-or-later
// A puzzle put on the board at a position looks exactly as the same clicks played one by one.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <random>
#include <vector>

#include "app/Windows.h"
#include "board/Main.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "engine/Game.h"
#include "engine/KeptPuzzle.h"
#include "engine/Position.h"
#include "support/BoardTest.h"
#include "support/ControlPixels.h"
#include "support/ScratchDir.h"

namespace {

// The board as the window shows it (the lines as the window kept them), and as drawn at once.
QImage Shown(TLevel1* board) {
    controls_test::PaintCounter::flush();
    return board->screen()->grabWindow(board->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}
QImage Drawn(TLevel1* board) {
    return board->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class PositionOnBoard : public boardtest::BoardTest {};

// Random games, most with hidden edges and so with clashes that reveal them, some with the
// player's last painter not the colour of the last click: the board played click by click, with
// a paint after every click as a player sees it, and a second board put at the same position.
TEST_F(PositionOnBoard, ShowsThePixelsOfItsClicksPlayedOneByOne) {
    game.Settings.TeachingMode = false;
    CreateWindows();
    TLevel1* played = windows->Level1;
    played->ShowCentered();
    game::Game other;
    other.Settings.TeachingMode = false;
    app::TWindows others(other);
    TLevel1* put = others.Level1;
    put->ShowCentered();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(played));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(put));

    std::mt19937 draw(39);
    const auto below = [&draw](int n) { return static_cast<int>(draw() % static_cast<unsigned>(n)); };
    int revealed = 0;
    for (int round = 0; round < 8; ++round) {
        game::PuzzleRecipe recipe{6 + below(11), 2 + below(3), 40 + below(45), round % 3 == 2, below(game::kMsPerDay)};
        if (round == 0)
            recipe.vertices = 16;
        game.PlayPuzzle(recipe, false);
        controls_test::PaintCounter::flush();
        const int clicks = 3 + below(3 * recipe.vertices);
        for (int i = 0; i < clicks; ++i) {
            const int colour = 1 + below(recipe.colors);
            const int vertex = 1 + below(recipe.vertices);
            std::vector<game::Click> next(game.Clicks().begin(), game.Clicks().end());
            next.push_back({static_cast<std::uint8_t>(vertex), static_cast<std::uint8_t>(colour)});
            if (!game::PositionInPlay(recipe, next))
                continue;  // that click would end the game
            game.PainterClick(colour);
            controls_test::PaintCounter::flush();
            game.VertexClick(vertex);
            controls_test::PaintCounter::flush();
        }
        const int lastPressed = 1 + below(recipe.colors);
        game.PainterClick(lastPressed);
        revealed += game.EdgesKnown() - (recipe.edgesShown ? game.Puzzle.EdgeCount : 0);

        ASSERT_TRUE(other.PlayPuzzleAt(recipe, false, game.Clicks(), lastPressed));
        EXPECT_EQ(other.Now(), game.Now());
        EXPECT_TRUE(Drawn(put) == Drawn(played)) << "round " << round;
        EXPECT_TRUE(Shown(put) == Shown(played)) << "round " << round;
    }
    EXPECT_GT(revealed, 10) << "clashes revealed hidden edges";

    // A click on a vertex or in a colour the puzzle has not, or clicks that solve it: refused, and
    // the board keeps its puzzle.
    const game::PuzzleRecipe example{6, 3, 63, false, gametest::kNoon};
    const std::uint32_t serial = other.Puzzle.Serial;
    const std::vector<game::Click> beyond{{7, 1}}, colour{{1, 4}};
    std::vector<game::Click> solving;
    for (const int k : {1, 2, 3, 4, 5, 6})
        solving.push_back({static_cast<std::uint8_t>(k), static_cast<std::uint8_t>("223123"[k - 1] - '0')});
    EXPECT_FALSE(other.PlayPuzzleAt(example, false, beyond));
    EXPECT_FALSE(other.PlayPuzzleAt(example, false, colour));
    EXPECT_FALSE(other.PlayPuzzleAt(example, false, solving));
    EXPECT_EQ(other.Puzzle.Serial, serial);
    EXPECT_TRUE(other.PlayPuzzleAt(example, true, std::span(solving).first(5)));
    EXPECT_EQ(other.Puzzle.ClickCount, 5);
    EXPECT_TRUE(other.Puzzle.Replay);
}

// Started with a puzzle kept, the board opens at its click with the painter in hand, and a player
// by ear hears it as the focus lands on the first vertex; closing the board keeps it again.
TEST_F(PositionOnBoard, AResumedPuzzleIsHeardOnItsFirstVertex) {
    gametest::ScratchDir data;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path()));
    {
        game::Game left;
        left.PinClock(gametest::kNoon);
        gametest::StartExample(left, true);
        gametest::Paint(left, 2, 1);
        gametest::Paint(left, 2, 3);  // 1 and 3 are joined: vertex 1 cleared
        left.PainterClick(3);
        ASSERT_TRUE(game::KeepPuzzleInPlay(left));
    }
    game.Settings.TeachingMode = false;
    CreateWindows();
    TLevel1* board = windows->Level1;
    board->ShowCentered();
    ASSERT_TRUE(game::ResumeKeptPuzzle(game));
    board->PuzzleResumed();
    board->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board));
    EXPECT_TRUE(board->OrbVertex[1]->hasFocus());
    EXPECT_TRUE(board->Surface->FocusMarkArea().isNull()) << "no mark until a key is used";
    EXPECT_TRUE(board->GreenPainter->Value());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(board->OrbVertex[1])->text(QAccessible::Name),
              "Puzzle resumed: 6 vertices, 3 colors, 8 edges shown, par 6, score 2. 1, uncolored, joins 3 red, 4 "
              "and 6 uncolored");
    EXPECT_TRUE(board->RestartPuzzle1->isEnabled());

    const std::string kept = gametest::ReadBytes(game::KeptPuzzlePath());
    board->close();
    EXPECT_NE(gametest::ReadBytes(game::KeptPuzzlePath()), kept) << "kept again by this run, at close";
    EXPECT_EQ(game::ReadKeptPuzzle(gametest::ReadBytes(game::KeptPuzzlePath())).kept.clicks.size(), 2u);
    qputenv("XDG_DATA_HOME", dataHome);
}

}  // namespace
