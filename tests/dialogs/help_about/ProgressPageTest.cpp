// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window read by ear and walked by keys: the "Progress" map is one Tab stop that
// the arrow keys walk by row and column, each cell is named by its figures, choosing a cell says
// its trend, and a level box is read once with its value.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>

#include "dialogs/MasteryMap.h"
#include "dialogs/TabbedScores.h"
#include "services/GameLog.h"
#include "services/Language.h"
#include "support/GameRecords.h"
#include "support/ScratchDir.h"
#include "ui/Modeless.h"
#include "ui/SpokenLine.h"

namespace {

game::GameRecord Game(int level, int par, int result) {
    const game::LevelShape shape = game::DecodeLevel(level);
    return gametest::RatedGame(shape.vertices, shape.colors, shape.edgesShown, par, result);
}

QAbstractButton* Cell(const QWidget& window, int level) {
    return window.findChild<QAbstractButton*>(QStringLiteral("Level%1").arg(level));
}

QString Spoken(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

std::string Name(QObject* object) {
    return Spoken(object).toStdString();
}

// The statistics window on its "Progress" page, with games of levels 2 and 13 in this session
// and the game teaching 8 vertices with edges shown (levels 13, 15 and 17).
class ProgressPage : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const int result : {7, 5, 4, 5, 8}) log.Record(Game(2, 5, result));
        log.Record(Game(13, 8, 8));
        log.Record(Game(20, 8, 9));
        window.ShowLog(&log);
        window.MarkCurrentLevel(8, true);
        window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(3);
        ui::ShowModeless(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { window.hide(); }

    gametest::ScratchDir scratch;
    services::GameLog log{scratch / "history.tsv"};
    TPerformancePages window{nullptr};
};

}  // namespace

TEST_F(ProgressPage, TheMapIsOneTabStopThatArrowsWalkByRowAndColumnAndEnterChooses) {
    // Once round the Tab ring from OK: one cell of the map on the way, the first level's.
    auto* ok = window.findChild<QWidget*>(QStringLiteral("PersonalAndGroupPerformanceOKButton"));
    ok->setFocus();
    QStringList stops;
    for (int key = 0; key < 12 && (key == 0 || QApplication::focusWidget() != ok); ++key) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(stops.filter(QStringLiteral("Level")), QStringList{"Level1"}) << stops.join(' ').toStdString();

    QAbstractButton* level1 = Cell(window, 1);
    level1->setFocus(Qt::TabFocusReason);
    const std::pair<Qt::Key, int> walk[] = {{Qt::Key_Down, 7},  {Qt::Key_Right, 8}, {Qt::Key_Up, 2},
                                            {Qt::Key_Up, 2},    {Qt::Key_End, 6},   {Qt::Key_Right, 6},
                                            {Qt::Key_Home, 1},  {Qt::Key_Left, 1},  {Qt::Key_Down, 7},
                                            {Qt::Key_Down, 13}, {Qt::Key_Down, 19}};
    for (const auto& [key, level] : walk) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget(), Cell(window, level)) << "key " << key << " to level " << level;
    }
    // The cell reached is now the map's Tab stop; Enter chooses its level and leaves the window open.
    EXPECT_TRUE(Cell(window, 19)->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(level1->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(Cell(window, 19), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("ByLevelPlayerchooseLevel"))->currentText(), "19");
}

TEST_F(ProgressPage, TheFocusRingShowsOnlyWhileTheKeyboardIsInUse) {
    QAbstractButton* cell = Cell(window, 13);  // played and taught: green, framed and ticked
    const auto ring = [&] { return cell->grab().toImage().pixelColor(4, 7); };
    const QColor fill = cell->grab().toImage().pixelColor(33, 7);
    cell->setFocus(Qt::TabFocusReason);
    const QColor keyed = ring();
    // Two pixels wide, at least 3 : 1 against the cell: black or white.
    EXPECT_TRUE(keyed == Qt::black || keyed == Qt::white) << keyed.name().toStdString();
    EXPECT_EQ(cell->grab().toImage().pixelColor(3, 7), keyed);
    QTest::mouseClick(cell, Qt::LeftButton);
    EXPECT_TRUE(cell->hasFocus());
    EXPECT_EQ(ring(), fill) << "a mouse click puts the ring away";
    QTest::keyClick(cell, Qt::Key_Right);
    QTest::keyClick(Cell(window, 14), Qt::Key_Left);
    EXPECT_EQ(ring(), keyed);
}

TEST_F(ProgressPage, MostlyParOrBetterIsTickedAsWellAsGreen) {
    // A point on the tick's long stroke, and the cell's own ground beside it.
    const auto ticked = [&](int level) {
        const QImage cell = Cell(window, level)->grab().toImage();
        return cell.pixelColor(11, 12) != cell.pixelColor(33, 7);
    };
    EXPECT_TRUE(ticked(2)) << "3 of 5 at par or better";
    EXPECT_TRUE(ticked(13)) << "1 of 1";
    EXPECT_FALSE(ticked(20)) << "0 of 1";
    EXPECT_FALSE(ticked(14)) << "unplayed";
}

TEST_F(ProgressPage, ACellIsNamedByItsLevelGamesShareAndWhetherItIsTaught) {
    EXPECT_EQ(Name(Cell(window, 2)),
              "Level 2: 6 vertices, 2 colors, edges hidden, 5 games, 60 % par or better");
    EXPECT_EQ(Name(Cell(window, 13)),
              "Level 13: 8 vertices, 2 colors, edges shown, 1 game, 100 % par or better, "
              "current level");
    EXPECT_EQ(Name(Cell(window, 14)), "Level 14: 8 vertices, 2 colors, edges hidden, no games yet");
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(Cell(window, 2));
    EXPECT_EQ(cell->role(), QAccessible::ListItem);
    EXPECT_EQ(cell->parent()->role(), QAccessible::List);
    EXPECT_EQ(cell->parent()->childCount(), 66);
    EXPECT_TRUE(cell->text(QAccessible::Description).isEmpty()) << "its tool tip is not read twice";
    // A screen reader's press chooses the level, as a click does.
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(cell->state().selected);
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("TimedPlayerChooseLevel"))->currentText(), "2");
    // The tool tip keeps its words.
    EXPECT_EQ(Cell(window, 14)->toolTip(),
              "Level 14: 8 vertices, 2 colors, edges hidden. Games played: 0, par or better: 0.");
}

TEST_F(ProgressPage, ChoosingACellSaysItsTrendAsNumbersAndTheHeadingAndChartCarryIt) {
    auto* map = window.findChild<TMasteryMap*>(QStringLiteral("MasteryMap"));
    auto* chart = window.findChild<QWidget*>(QStringLiteral("TrendChart"));
    auto* heading = window.findChild<QWidget*>(QStringLiteral("TrendHeading"));
    ASSERT_TRUE(chart && heading);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(chart)->role(), QAccessible::Chart);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(heading)->role(), QAccessible::Heading);
    EXPECT_EQ(Name(chart), "Choose a level to see its results against par.");

    // Walked to, a cell has the focus a screen reader follows; chosen, it is renamed for one
    // reading by its trend, which the reader says at once; moving on, it has its figures again.
    Cell(window, 1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Cell(window, 1), Qt::Key_Right);
    QAccessibleInterface* level2 = QAccessible::queryAccessibleInterface(Cell(window, 2));
    EXPECT_TRUE(level2->state().focused);
    EXPECT_EQ(Name(Cell(window, 2)),
              "Level 2: 6 vertices, 2 colors, edges hidden, 5 games, 60 % par or better");
    QTest::keyClick(Cell(window, 2), Qt::Key_Space);
    const std::string trend = "Results against par, last 5 games of level 2: +2, 0, -1, 0, +3";
    EXPECT_EQ(Name(Cell(window, 2)), trend);
    EXPECT_EQ(map->findChild<ui::TSpokenLine*>()->LastSaid().toStdString(), trend) << "said aloud at once";
    EXPECT_EQ(Name(chart), trend);
    EXPECT_EQ(Name(heading), "Results against par, last 5 games of level 2");
    QTest::keyClick(Cell(window, 2), Qt::Key_Left);
    EXPECT_EQ(Name(Cell(window, 2)),
              "Level 2: 6 vertices, 2 colors, edges hidden, 5 games, 60 % par or better");
    QTest::keyClick(Cell(window, 1), Qt::Key_Return);
    EXPECT_EQ(Name(Cell(window, 1)), "No games of level 1 yet.");
    EXPECT_EQ(Name(heading), "No games of level 1 yet.");
    map->ShowTrend(3, {-2});
    EXPECT_EQ(Name(chart), "Result against par, the one game of level 3: -2");
}

TEST(ProgressPageInGerman, CellsAndTheTrendAreSpokenInGerman) {
    ASSERT_EQ(language::Install(*qApp, {"de_DE"}), "de");
    TMasteryMap map;
    TMasteryMap::Cells cells{};
    cells[17] = {4, 3};
    map.ShowCells(cells);
    map.MarkCurrent(8, true);
    map.ShowTrend(17, {1, 0, -2, 0});
    const std::string cell = map.SpokenCell(17).toStdString();
    const std::string trend = map.TrendWords().toStdString();
    const std::string unplayed = map.SpokenCell(18).toStdString();
    language::Uninstall(*qApp);
    EXPECT_EQ(
        cell,
        "Stufe 17: 8 Knoten, 4 Farben, Kanten sichtbar, 4 Spiele, 75 % Par oder besser, aktuelle Stufe");
    EXPECT_EQ(unplayed, "Stufe 18: 8 Knoten, 4 Farben, Kanten verdeckt, noch keine Spiele");
    EXPECT_EQ(trend, "Ergebnisse zu Par, die letzten 4 Spiele der Stufe 17: +1, 0, -2, 0");
}

TEST(PerformanceWindow, ALevelBoxIsReadOnceWithItsValue) {
    // Named by what it chooses, its prompt or level said once, as its value.
    TPerformancePages window;
    for (const char* name : {"ComboBox2", "ByLevelPlayerchooseLevel", "TimedPlayerChooseLevel"}) {
        auto* combo = window.findChild<QComboBox*>(QLatin1String(name));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(combo);
        EXPECT_EQ(face->text(QAccessible::Name), "Level") << name;
        EXPECT_EQ(face->text(QAccessible::Value), "Choose Level") << name;
        EXPECT_TRUE(face->text(QAccessible::Description).isEmpty()) << name;
        combo->setCurrentIndex(18);
        EXPECT_EQ(face->text(QAccessible::Name), "Level") << name;
        EXPECT_EQ(face->text(QAccessible::Value), "19") << name;
    }
    QAccessibleInterface* rank = QAccessible::queryAccessibleInterface(
        window.findChild<QComboBox*>(QStringLiteral("OverallOthersChooseRank")));
    EXPECT_EQ(rank->text(QAccessible::Name), "Player rank");
    EXPECT_EQ(rank->text(QAccessible::Value), "Choose Player Rank");
}
