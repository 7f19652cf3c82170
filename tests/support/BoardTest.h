// SPDX-License-Identifier: GPL-3.0-or-later
// boardtest::BoardTest: the game's real windows over a fresh game and a settings folder of the
// test's own, as every board-level suite starts them.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/Windows.h"
#include "board/Main.h"
#include "engine/Game.h"
#include "support/GameTest.h"

namespace boardtest {

class BoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_config.isValid());
        // Never the player's own settings file.
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        game.SetStartValues();
    }
    void TearDown() override { windows.reset(); }
    // Every window of the game, once, as start-up makes them.
    void CreateWindows() {
        windows.reset();
        windows = std::make_unique<app::TWindows>(game);
    }

    // The board shown and active on the worked example at noon (edges as asked), teaching mode
    // off: keys reach it as a player's do.
    TLevel1* ShowActiveBoard(bool edgesShown) {
        game.PinClock(gametest::kNoon);
        CreateWindows();
        TLevel1* board = windows->Level1;
        gametest::UseExample(game, edgesShown);
        game.Settings.TeachingMode = false;
        board->ShowCentered();
        board->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(board));
        return board;
    }
    // A key pressed on whatever has the focus.
    static void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    QTemporaryDir m_config;
    // The test's own game, fresh for each test; its windows go before it.
    game::Game game;
    std::unique_ptr<app::TWindows> windows;
};

}  // namespace boardtest
