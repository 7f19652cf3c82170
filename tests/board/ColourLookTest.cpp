// SPDX-License-Identifier: GPL-3.0-or-later
// The Options menu's colour items on the real board: checked from the settings at start, Ctrl+M
// for the marks, every vertex, twin and painter following them, and a close that keeps them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

#include "board/Main.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "engine/State.h"
#include "support/BoardTest.h"

namespace {

class ColourLook : public boardtest::BoardTest {
  protected:
    // Whether every vertex and twin, and every painter, shows the colours as asked.
    static void ExpectShown(TLevel1& board, bool marks, bool safe) {
        for (std::size_t k = 1; k <= game::kMaxVertices; ++k) {
            for (const TOrbVertex1* v : {board.OrbVertex[k], board.CompVert[k]}) {
                EXPECT_EQ(v->ColourMarks(), marks) << k;
                EXPECT_EQ(v->SafeColours(), safe) << k;
            }
        }
        for (const game::PaletteEntry& colour : game::kPalette) {
            const TColorButton& painter = *board.Painter[static_cast<std::size_t>(colour.index)];
            const game::ShownColours& shown = game::kSafePalette[static_cast<std::size_t>(colour.index - 1)];
            EXPECT_EQ(painter.ColourMark(), marks ? colour.index : 0);
            EXPECT_EQ(painter.Color(), safe ? shown.face : colour.face);
            EXPECT_EQ(painter.LightColor(), safe ? shown.light : colour.light);
        }
    }
};

TEST_F(ColourLook, TheOptionsItemsFollowTheSettingsChangeThemAndACloseKeepsThem) {
    game.Settings.ColourMarks = true;
    CreateWindows();
    TLevel1& board = *windows->Level1;
    EXPECT_TRUE(board.ColourMarks1->isChecked());
    EXPECT_FALSE(board.ColourSafeColours1->isChecked());
    ExpectShown(board, true, false);

    board.ColourSafeColours1->trigger();
    EXPECT_TRUE(game.Settings.ColourSafeColours);
    ExpectShown(board, true, true);
    EXPECT_EQ(board.NavyPainter->accessibleName(), QStringLiteral("Blue")) << "the words stay";

    // Ctrl+M is the marks' own key: no key of keyboard play takes it.
    board.ShowCentered();
    board.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(game.Settings.ColourMarks);
    EXPECT_FALSE(board.ColourMarks1->isChecked());
    ExpectShown(board, false, true);

    board.Exit1->trigger();
    QFile file(m_config.filePath("SpEcTrUmIx.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("\nColourSafeColours=1\n"));
    EXPECT_FALSE(text.contains("ColourMarks")) << "off, as a file without it says";
}

}  // namespace
