// SPDX-License-Identifier: GPL-3.0-or-later
// boardtest::BoardTest: the game's real windows over a fresh world and a settings folder of the
// test's own, as every board-level suite starts them.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "app/Windows.h"
#include "engine/State.h"

namespace boardtest {

class BoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_config.isValid());
        // Never the player's own settings file.
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        game::world.Reset();
        game::world.SetStartValues();
    }
    void TearDown() override {
        windows.reset();
        game::world.Reset();
    }
    // Every window of the game, once, as start-up makes them.
    void CreateWindows() {
        windows.reset();
        windows = std::make_unique<app::TWindows>(game::world);
    }

    QTemporaryDir m_config;
    std::unique_ptr<app::TWindows> windows;
};

}  // namespace boardtest
