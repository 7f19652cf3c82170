// The game's dialogs, wired to the engine through a recording board that opens them the way
// the main window does, so a test can play whole games and answer the dialogs by clicks.
#pragma once

// The engine's records come before any Qt header: Qt defines "slots" as a word of its own.
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
#include "excellent.h"

namespace dialogtest {

inline constexpr std::int32_t kNoon = 12 * 3600 * 1000;

class RecordingBoard : public game::NullBoard {
  public:
    std::vector<game::Dialog> opened;
    int layouts = 0;
    // Set when a new puzzle was laid out while a decision dialog still stood on the screen.
    bool laidOutUnderQuestion = false;
    std::string average;
    QWidget* decision = nullptr;
    std::function<QWidget*(game::Dialog)> windowOf;
    TOptionsL1* options = nullptr;

    void LayOutBoard() override {
        ++layouts;
        if (decision && decision->isVisible())
            laidOutUnderQuestion = true;
    }
    void SetCaption(game::Label label, std::string_view text) override {
        if (label == game::Label::SessionAveFromParLabel)
            average = std::string(text);
    }
    void OpenDialog(game::Dialog dialog) override {
        opened.push_back(dialog);
        if (windowOf)
            ShowModeless(windowOf(dialog));
    }
    void SetOptionsShowEdges(bool checked) override {
        if (options)
            options->SetShowEdgesBox(checked);
    }
    void SetOptionsVertexCount(int vertices) override {
        if (options)
            options->SetVertexCount(vertices);
    }
};

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game::ResetAllState();
        game::PinClock(kNoon);
        game::AttachBoard(&board);
        board.windowOf = [this](game::Dialog d) -> QWidget* {
            switch (d) {
                case game::Dialog::Perfect:
                    return &perfect;
                case game::Dialog::Excellent:
                    return &excellent;
                case game::Dialog::NotBad:
                    return &notBad;
                case game::Dialog::GameNotOverDecision:
                    return &decision;
                case game::Dialog::GameNotOverDecision2:
                    return &decision2;
            }
            return nullptr;
        };
        board.decision = &decision;
    }
    void TearDown() override { game::ResetAllState(); }

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
