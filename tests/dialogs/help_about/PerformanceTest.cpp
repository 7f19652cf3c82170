// SPDX-License-Identifier: GPL-3.0-or-later
// The performance statistics window: its level boxes decode a level, everything else is layout
// that keeps still, and the window opens modeless and keeps its state between openings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "dialogs/MasteryMap.h"
#include "dialogs/TabbedScores.h"
#include "engine/History.h"
#include "support/RecordingViewer.h"
#include "ui/Modeless.h"

namespace {

QString Text(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

QComboBox* Combo(const QWidget& window, const char* name) {
    return window.findChild<QComboBox*>(QLatin1String(name));
}

// Every caption and combo text of the window, to see that something left it alone.
QStringList Snapshot(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->objectName() + '=' + label->text();
    for (const QComboBox* combo : window.findChildren<QComboBox*>()) {
        texts << combo->objectName() + '=' + combo->currentText();
    }
    return texts;
}

}  // namespace

TEST(PerformanceLevels, DecodeIntoVerticesColoursAndEdgeMode) {
    struct Case {
        int level, vertices, colors;
        bool showEdges;
    };
    for (const Case& c :
         {Case{1, 6, 2, true}, Case{2, 6, 2, false}, Case{3, 6, 3, true}, Case{6, 6, 4, false},
          Case{7, 7, 2, true}, Case{12, 7, 4, false}, Case{61, 16, 2, true}, Case{66, 16, 4, false}}) {
        const game::LevelShape decoded = game::DecodeLevel(c.level);
        EXPECT_EQ(decoded.vertices, c.vertices) << "level " << c.level;
        EXPECT_EQ(decoded.colors, c.colors) << "level " << c.level;
        EXPECT_EQ(decoded.edgesShown, c.showEdges) << "level " << c.level;
    }
    EXPECT_EQ(LevelModeText(true), QStringLiteral("Show edges"));
    EXPECT_EQ(LevelModeText(false), QStringLiteral("Do not show edges"));
}

TEST(PerformanceWindow, OpensOnTimedGamesWithPromptsAndFourPages) {
    TPerformancePages window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Personal and Group Performance"));
    EXPECT_EQ(window.size(), QSize(639, 361));
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Overall"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("By Level"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("Timed Games"));
    EXPECT_EQ(pages->tabText(3), QStringLiteral("Progress"));
    EXPECT_EQ(pages->currentIndex(), 2);
    for (const QLabel* label : window.findChildren<QLabel*>())
        EXPECT_NE(label->text(), QStringLiteral("Not implemented yet")) << label->objectName().toStdString();
    for (const char* name :
         {"ComboBox1", "ComboBox2", "ByLevelPlayerchooseLevel", "TimedOthersChooseLevel"}) {
        ASSERT_NE(Combo(window, name), nullptr) << name;
        EXPECT_EQ(Combo(window, name)->currentText(), QStringLiteral("Choose Level")) << name;
        EXPECT_EQ(Combo(window, name)->count(), 66) << name;
    }
    for (const char* name : {"OverallOthersChooseRank", "ByLevelOthersChooseRank", "TimedOthersChooseRank"}) {
        ASSERT_NE(Combo(window, name), nullptr) << name;
        EXPECT_EQ(Combo(window, name)->currentText(), QStringLiteral("Choose Player Rank")) << name;
        EXPECT_EQ(Combo(window, name)->count(), 20) << name;
    }
    EXPECT_EQ(Text(window, "ByLevelPlayerMode"), QStringLiteral("Mode:"));

    // Every prompt is shown whole beside its arrow, not cut off at the box's edge.
    ui::ShowModeless(&window);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        for (const QComboBox* combo : pages->widget(page)->findChildren<QComboBox*>()) {
            const QLineEdit* edit = combo->lineEdit();
            const int room = edit->contentsRect().width() - 4;  // the edit's own text margins
            EXPECT_LE(edit->fontMetrics().horizontalAdvance(combo->currentText()), room)
                << combo->objectName().toStdString();
        }
    }
    window.hide();
}

TEST(PerformanceWindow, EachLevelBoxDecodesIntoItsOwnGroupOnly) {
    TPerformancePages window;
    ui::ShowModeless(&window);
    Combo(window, "ByLevelPlayerchooseLevel")->setCurrentIndex(0);
    EXPECT_EQ(Text(window, "ByLevelPlayerNumberOfVertices"), QStringLiteral("Number of Vertices: 6"));
    EXPECT_EQ(Text(window, "ByLevelPlayerNumberofColors"), QStringLiteral("Number of Colors: 2"));
    EXPECT_EQ(Text(window, "ByLevelPlayerMode"), QStringLiteral("Mode: Show edges"));
    EXPECT_EQ(Text(window, "ByLevelPlayerNumOfGamesPlayed"), QStringLiteral("Number of Games Played: 0"));
    EXPECT_EQ(Text(window, "ByLevelOthersMode"), QStringLiteral("Mode:"));

    Combo(window, "TimedOthersChooseLevel")->setCurrentIndex(65);
    EXPECT_EQ(Text(window, "TimedOthersNumberOfVertices"), QStringLiteral("Number of Vertices: 16"));
    EXPECT_EQ(Text(window, "TimedOthersNumberOfColors"), QStringLiteral("Number of Colors: 4"));
    EXPECT_EQ(Text(window, "TimedOthersMode"), QStringLiteral("Mode: Do not show edges"));

    // Typing a level number and Enter chooses it like the list does.
    auto* typed = Combo(window, "ByLevelPlayerchooseLevel");
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    typed->lineEdit()->selectAll();
    QTest::keyClicks(typed->lineEdit(), QStringLiteral("12"));
    QTest::keyClick(typed->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Text(window, "ByLevelPlayerNumberOfVertices"), QStringLiteral("Number of Vertices: 7"));
    EXPECT_EQ(Text(window, "ByLevelPlayerNumberofColors"), QStringLiteral("Number of Colors: 4"));
    EXPECT_EQ(Text(window, "ByLevelPlayerMode"), QStringLiteral("Mode: Do not show edges"));

    Combo(window, "TimedPlayerChooseLevel")->setCurrentIndex(6);
    EXPECT_EQ(Text(window, "TimedPlayerMode"), QStringLiteral("Mode: Show edges"));
    EXPECT_EQ(Text(window, "TimedPlayerNumberOfVertices"), QStringLiteral("Number of Vertices: 7"));

    // The current-session boxes decode their own level and touch no other box.
    const QStringList before = Snapshot(window);
    Combo(window, "ComboBox2")->setCurrentIndex(3);
    EXPECT_EQ(Text(window, "Label8"), QStringLiteral("Number of Vertices: 6"));
    EXPECT_EQ(Text(window, "Label10"), QStringLiteral("Mode: Do not show edges"));
    EXPECT_EQ(Text(window, "Label11"), QStringLiteral("Number of Games Played: 0"));
    QStringList after = Snapshot(window);
    after.removeIf([](const QString& t) { return t.startsWith("Label") || t.startsWith("ComboBox2"); });
    QStringList unchanged = before;
    unchanged.removeIf([](const QString& t) { return t.startsWith("Label") || t.startsWith("ComboBox2"); });
    EXPECT_EQ(after, unchanged);
    window.hide();
}

TEST(PerformanceWindow, WhatNeedsANetworkIsInertAndSaysWhy) {
    TPerformancePages window;
    const QString offline =
        "The game plays offline: there are no other players' figures or rankings to fetch.";
    for (const char* name : {"GroupBox1", "GroupBox4", "GroupBox6", "OverallPlayerGetRankButton",
                             "ByLevelPlayerRankButton", "TimedPlayerGetRankButton"}) {
        const QWidget* control = window.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->isEnabled()) << name;
        EXPECT_EQ(control->toolTip(), offline) << name;
    }
    EXPECT_FALSE(Combo(window, "TimedOthersChooseRank")->isEnabled());
    for (const char* name : {"Button5", "Button3", "Button1"}) {
        const QWidget* button = window.findChild<QPushButton*>(QLatin1String(name));
        EXPECT_FALSE(button->isEnabled()) << name;
        EXPECT_EQ(button->toolTip(), "Every game is written to the history as it ends.") << name;
    }
    // Deleting waits for a level to delete.
    auto* forget = window.findChild<QPushButton*>(QStringLiteral("TimedPlayerDeleteDataButton"));
    EXPECT_FALSE(forget->isEnabled());
    Combo(window, "TimedPlayerChooseLevel")->setCurrentIndex(4);
    EXPECT_TRUE(forget->isEnabled());
}

TEST(PerformanceWindow, OpensModelessKeepsItsStateAndAsksForItsOwnTopic) {
    RecordingViewer viewer;
    QWidget board;
    ui::ShowModeless(&board);
    auto* window = new TPerformancePages(&board);
    ui::ShowModeless(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(1);
    Combo(*window, "ByLevelPlayerchooseLevel")->setCurrentIndex(65);
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("PersonalAndGroupPerformanceOKButton"));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_F1);
    window->findChild<QPushButton*>(QStringLiteral("HelpBtn"))->click();
    EXPECT_TRUE(window->isVisible());

    Combo(*window, "ByLevelPlayerchooseLevel")->setFocus();
    QTest::keyClick(Combo(*window, "ByLevelPlayerchooseLevel"), Qt::Key_F1);
    pages->setCurrentIndex(3);
    auto* cell = window->findChild<QWidget*>(QStringLiteral("Level7"));
    cell->setFocus();
    QTest::keyClick(cell, Qt::Key_F1);
    EXPECT_EQ(viewer.requests, (std::vector<int>{29, 29, 29, 29}));

    pages->setCurrentIndex(1);
    QTest::keyClick(ok, Qt::Key_Escape);  // no cancel button: Escape leaves it open
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    ui::ShowModeless(window);
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_EQ(Combo(*window, "ByLevelPlayerchooseLevel")->currentText(), QStringLiteral("66"));
    EXPECT_EQ(Text(*window, "ByLevelPlayerMode"), QStringLiteral("Mode: Do not show edges"));
    window->close();
    EXPECT_FALSE(window->isVisible());
}
