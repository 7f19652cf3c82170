// SPDX-License-Identifier: GPL-3.0-or-later
// The game's dialogs, wired to the engine through a recording board that opens them the way
// the main window does, so a test can play whole games and answer the dialogs by clicks.
#pragma once

#include "Board.h"
#include "GameEnd.h"
#include "Moves.h"
#include "Puzzle.h"
#include "Random.h"
#include "State.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "GameNotOverDialog.h"
#include "GameNotOverDialog2.h"
#include "Modeless.h"
#include "NotBadDialog.h"
#include "Optionl1.h"
#include "Perfect.h"
#include "Windows.h"
#include "excellent.h"

namespace dialogtest {

inline constexpr std::int32_t kNoon = 12 * 3600 * 1000;

// Opens the dialogs through the game's own routing (board::OpenGameDialog and
// board::FollowSettingsChange), with the test's windows standing in the registry.
class RecordingBoard : public game::NullBoard {
  public:
    std::vector<game::Dialog> opened;
    int layouts = 0;
    // Set when a new puzzle was laid out while a decision dialog still stood on the screen.
    bool laidOutUnderQuestion = false;
    std::string average;
    QWidget* decision = nullptr;
    TOptionsL1* options = nullptr;

    void LayOutBoard() override {
        ++layouts;
        if (decision && decision->isVisible())
            laidOutUnderQuestion = true;
    }
    void ShowAverageFromPar(std::int64_t total, std::int32_t games) override {
        char number[48];
        average = "Average From Par: " + std::string(game::FormatAverage(total, games, number));
    }
    void OpenDialog(game::Dialog dialog) override {
        opened.push_back(dialog);
        board::OpenGameDialog(dialog);
    }
    void SettingsChangedByGame(unsigned changes) override {
        board::OptionsL1 = options;
        board::FollowSettingsChange(changes);
    }
};

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game::ResetAllState();
        game::PinClock(kNoon);
        game::AttachBoard(&board);
        board::PerfectDlg = &perfect;
        board::ExcellentDlg = &excellent;
        board::NotBadMessage = &notBad;
        board::GameNotOverDecision = &decision;
        board::GameNotOverDecision2 = &decision2;
        board.decision = &decision;
    }
    void TearDown() override {
        game::ResetAllState();
        board::PerfectDlg = nullptr;
        board::ExcellentDlg = nullptr;
        board::NotBadMessage = nullptr;
        board::GameNotOverDecision = nullptr;
        board::GameNotOverDecision2 = nullptr;
        board::OptionsL1 = nullptr;
    }

    // Colours every vertex with the game's own colouring, after `extra` wasted clicks.
    static void Solve(int extra = 0) {
        for (int i = 0; i < extra; ++i) Play(game::Puzzle.HiddenColoring[1], 1);
        for (int k = 1; k <= game::Puzzle.VertexCount; ++k) Play(game::Puzzle.HiddenColoring[k], k);
    }
    static void Play(int colorIndex, int vertex) {
        game::PainterClick(colorIndex);
        game::VertexClick(vertex);
    }
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

    RecordingBoard board;
    TPerfectDlg perfect;
    TExcellentDlg excellent;
    TNotBadMessage notBad;
    TGameNotOverDecision decision;
    TGameNotOverDecision2 decision2;
};

}  // namespace dialogtest
