// SPDX-License-Identifier: GPL-3.0-or-later
// The game's dialogs on a pinned clock, wired to the engine the way the window registry wires
// them, so a test can play a game and answer its dialogs by clicks and keys.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <memory>
#include <vector>

#include "dialogs/GameNotOverDialog.h"
#include "dialogs/GameNotOverDialog2.h"
#include "dialogs/NotBadDialog.h"
#include "dialogs/Optionl1.h"
#include "dialogs/Perfect.h"
#include "dialogs/excellent.h"
#include "support/GameTest.h"
#include "ui/Modeless.h"

namespace dialogtest {

using gametest::kNoon;

// The settings dialog as the game builds it: it loads from the game's settings and an OK hands
// them to the engine.
inline std::unique_ptr<TOptionsL1> MakeOptions(game::Game& game) {
    return std::make_unique<TOptionsL1>(TOptionsL1::SettingsFlow{
        [&game] { return game.Settings; },
        [&game](const game::GameSettings& settings) { game.ApplySettings(settings); }});
}

class DialogTest : public ::testing::Test, public game::GameWindows {
  protected:
    void SetUp() override {
        game.PinClock(kNoon);
        game.hooks.board = &board;
        game.hooks.windows = this;
    }

    // game::GameWindows: the test's own dialogs stand in for the registry's.
    void OpenDialog(game::Dialog dialog, const game::Rating& rating) override {
        opened.push_back(dialog);
        switch (dialog) {
            case game::Dialog::Perfect:
                return perfect.Open(rating);
            case game::Dialog::Excellent:
                return excellent.Open(rating);
            case game::Dialog::NotBad:
                return notBad.Open(rating);
            case game::Dialog::GameNotOverDecision:
                return ui::ShowModeless(&decision);
            case game::Dialog::GameNotOverDecision2:
                return ui::ShowModeless(&decision2);
        }
    }
    void SettingsChangedByGame(const game::GameSettings& settings, unsigned changes) override {
        if (options)
            options->FollowGameChanges(settings, changes);
    }

    void Solve(int extra = 0) {
        gametest::Solve(game, [this](int colorIndex, int vertex) { Paint(colorIndex, vertex); }, extra);
    }
    void Paint(int colorIndex, int vertex) { gametest::Paint(game, colorIndex, vertex); }
    void StartExample(bool showEdges) { gametest::StartExample(game, showEdges); }
    void UseExample(bool showEdges) { gametest::UseExample(game, showEdges); }
    // A press of a push button, or a click on a check box's square, as the player does it.
    static void Click(QAbstractButton* button) {
        const bool box = button->isCheckable();
        QTest::mouseClick(button, Qt::LeftButton, {}, box ? QPoint(6, button->height() / 2) : QPoint());
    }
    // A key goes to whatever has the focus in the window, as on the desktop.
    static void Press(QWidget* window, Qt::Key key) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, key);
    }

    // The test's own game, fresh for each test; the dialogs answer to it.
    game::Game game;
    gametest::RecordingBoard board;
    std::vector<game::Dialog> opened;
    std::unique_ptr<TOptionsL1> options;
    TPerfectDlg perfect{game};
    TExcellentDlg excellent{game};
    TNotBadMessage notBad{game};
    TGameNotOverDecision decision{game};
    TGameNotOverDecision2 decision2{game};
};

}  // namespace dialogtest
