// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window filled from a real history file in a scratch folder: figures in every
// box, the history read only once the window opens and away from the board's thread, deleting a
// level, a game kept while another game holds the file, and a folder that cannot be written.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "dialogs/TabbedScores.h"
#include "engine/PuzzleCode.h"
#include "platform/AtomicFile.h"
#include "services/GameLog.h"
#include "support/GameRecords.h"
#include "support/ScratchDir.h"
#include "ui/Modeless.h"

namespace {

game::GameRecord Game(int level, int par, int result, std::int64_t ms = -1) {
    const game::LevelShape shape = game::DecodeLevel(level);
    return gametest::RatedGame(shape.vertices, shape.colors, shape.edgesShown, par, result, ms);
}

QString Text(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

void Choose(const QWidget& window, const char* box, int level) {
    window.findChild<QComboBox*>(QLatin1String(box))->setCurrentIndex(level - 1);
}

// Presses `button` and answers the question it asks.
void AnswerForget(QWidget& window, const char* button, QMessageBox::StandardButton answer) {
    window.findChild<QPushButton*>(QLatin1String(button))->click();
    auto* question = window.findChild<QMessageBox*>(QStringLiteral("ForgetLevelQuestion"));
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));
    question->button(answer)->click();
    QTest::qWait(0);
}

// A line of level 1 whose figures no game can give: passed over, and kept when level 1 goes.
const std::string kOverflowing =
    "2026-01-01T00:00:00.000Z\t6\t2\t1\t-5\t9223372036854775807\t0\t0\tsolved\t-\n";

class PerformanceFigures : public ::testing::Test {
  protected:
    void SetUp() override {
        gametest::WriteBytes(path, game::HistoryHeader() + game::HistoryLine(Game(1, 5, 5, 4'000)) +
                                       "damaged line\n" + kOverflowing +
                                       game::HistoryLine(Game(1, 5, 8, 9'000)) +
                                       game::HistoryLine(Game(66, 30, 40)));
    }
    gametest::ScratchDir scratch;
    const std::string path = scratch / "history.tsv";
};

}  // namespace

TEST_F(PerformanceFigures, EveryBoxShowsTheSessionAndTheHistoryReadOnlyOnceTheWindowOpens) {
    services::GameLog log(path);
    TPerformancePages window(nullptr, TPerformancePages::Pages::BuiltWhenShown);
    window.ShowLog(&log);
    log.Record(Game(1, 5, 5, 67'449));
    EXPECT_FALSE(log.HistoryRead()) << "the history is read when the window is first needed";
    window.BuildPages();  // idle time after start-up builds the pages but reads nothing yet
    EXPECT_FALSE(log.HistoryRead());
    EXPECT_EQ(Text(window, "Label15"), "Total Number of Games: 1");

    ui::ShowModeless(&window);
    // The history is read away from the board: until it is in, its figures are not shown and
    // the window says it is busy; the session's are there at once.
    EXPECT_EQ(Text(window, "OverallPlayerNumberOfGames"), "Total Number of Games: ");
    EXPECT_EQ(window.cursor().shape(), Qt::BusyCursor);
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.HistoryRead(); }, 60'000));
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Text(window, "Label16"), "Par or Better Scores: 1");
    EXPECT_EQ(Text(window, "Label17"), "Highest Level Played: 1");
    EXPECT_EQ(Text(window, "Label18"), "Average From Par: 0.000");
    EXPECT_EQ(Text(window, "OverallPlayerNumberOfGames"), "Total Number of Games: 4");
    EXPECT_EQ(Text(window, "OverallPlayerParOrBetterScores"), "Par or Better Scores: 2");
    EXPECT_EQ(Text(window, "OverallPlayerHighestLevelPlayed"), "Highest Level Played: 66");
    EXPECT_EQ(Text(window, "OverallPlayerAverageFromPar"), "Average From Par: 3.250");

    Choose(window, "ByLevelPlayerchooseLevel", 1);
    EXPECT_EQ(Text(window, "ByLevelPlayerNumOfGamesPlayed"), "Number of Games Played: 3");
    EXPECT_EQ(Text(window, "ByLevelPlayerParOrBetterScores"), "Par or Better Scores: 2");
    EXPECT_EQ(Text(window, "ByLevelPlayerAverageFromPar"), "Average From Par: 1.000");
    Choose(window, "ComboBox1", 1);
    EXPECT_EQ(Text(window, "Label4"), "Number of Games Played: 1");
    EXPECT_EQ(Text(window, "Label5"), "Best Time : 1:07.4");
    Choose(window, "TimedPlayerChooseLevel", 1);
    EXPECT_EQ(Text(window, "TimedPlayerBestTime"), "Best Time : 0:04.0");
    EXPECT_EQ(Text(window, "TimedPlayerAverageTime"), "Average Time: 0:26.8");

    // Each game as it is rated shows at once, and the map tells its numbers.
    log.Record(Game(66, 30, 30));
    EXPECT_EQ(Text(window, "OverallPlayerNumberOfGames"), "Total Number of Games: 5");
    auto* cell = window.findChild<QAbstractButton*>(QStringLiteral("Level66"));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->toolTip(),
              "Level 66: 16 vertices, 4 colors, edges hidden. Games played: 2, par or better: 1.");
    EXPECT_EQ(cell->accessibleName(),
              "Level 66: 16 vertices, 4 colors, edges hidden, 2 games, 50 % par or better");
    cell->click();  // chooses the level on the level pages
    EXPECT_EQ(Text(window, "ByLevelPlayerNumOfGamesPlayed"), "Number of Games Played: 2");
    EXPECT_EQ(Text(window, "TimedPlayerNumberOfVertices"), "Number of Vertices: 16");
    window.hide();
}

TEST_F(PerformanceFigures, DeletingALevelAsksFirstAndKeepsEverythingElse) {
    services::GameLog log(path);
    log.Record(Game(1, 5, 6));
    TPerformancePages window;
    window.ShowLog(&log);
    ui::ShowModeless(&window);
    log.Settle();
    Choose(window, "ByLevelPlayerchooseLevel", 1);
    AnswerForget(window, "ByLevelPlayerDeleteDataButton", QMessageBox::No);
    EXPECT_EQ(Text(window, "ByLevelPlayerNumOfGamesPlayed"), "Number of Games Played: 3");

    AnswerForget(window, "ByLevelPlayerDeleteDataButton", QMessageBox::Yes);
    // The rewrite goes on away from the board, which rates a game of that level meanwhile.
    log.Record(Game(1, 5, 7));
    log.Settle();
    EXPECT_EQ(Text(window, "ByLevelPlayerNumOfGamesPlayed"), "Number of Games Played: 1");
    EXPECT_EQ(gametest::ReadBytes(path), game::HistoryHeader() + "damaged line\n" + kOverflowing +
                                             game::HistoryLine(Game(66, 30, 40)) +
                                             game::HistoryLine(Game(1, 5, 7)));
    EXPECT_EQ(Text(window, "Label15"), "Total Number of Games: 2") << "the session keeps its own figures";

    Choose(window, "ComboBox2", 1);
    AnswerForget(window, "Button4", QMessageBox::Yes);
    EXPECT_EQ(Text(window, "Label15"), "Total Number of Games: 0");
    log.Settle();
    EXPECT_EQ(gametest::ReadBytes(path), game::HistoryHeader() + "damaged line\n" + kOverflowing +
                                             game::HistoryLine(Game(66, 30, 40)) +
                                             game::HistoryLine(Game(1, 5, 7)));
    window.hide();
}

TEST_F(PerformanceFigures, AGameRatedWhileAnotherGameHoldsTheHistoryWaitsAndIsWrittenAtTheNextChance) {
    const std::string before = gametest::ReadBytes(path);
    std::optional<services::GameLog> log(std::in_place, path);
    TPerformancePages window;
    window.ShowLog(&*log);
    ui::ShowModeless(&window);
    std::optional<platform::FileLock> otherGame(std::in_place, path);  // rewriting the file, say
    ASSERT_TRUE(otherGame->held());
    log->Record(Game(2, 6, 6));
    log->Settle();  // the lock's whole wait, away from the board
    EXPECT_EQ(gametest::ReadBytes(path), before) << "nothing goes into a file being replaced";
    EXPECT_EQ(log->WaitingGames(), 1u);
    Choose(window, "ByLevelPlayerchooseLevel", 2);
    EXPECT_EQ(Text(window, "ByLevelPlayerNumOfGamesPlayed"), "Number of Games Played: 1");
    EXPECT_EQ(log->HistoryFigures(), game::FiguresOf(log->History())) << "the waiting game counts";

    otherGame.reset();
    log->Record(Game(3, 6, 7));  // the next rated game takes the one waiting along
    log->Settle();
    EXPECT_EQ(gametest::ReadBytes(path),
              before + game::HistoryLine(Game(2, 6, 6)) + game::HistoryLine(Game(3, 6, 7)));
    EXPECT_EQ(log->HistoryFigures(), game::FiguresOf(log->History()));

    otherGame.emplace(path);
    log->Record(Game(4, 6, 8));
    log->Settle();
    otherGame.reset();
    window.hide();
    window.ShowLog(nullptr);
    log.reset();  // the close writes what still waits
    EXPECT_EQ(gametest::ReadBytes(path), before + game::HistoryLine(Game(2, 6, 6)) +
                                             game::HistoryLine(Game(3, 6, 7)) +
                                             game::HistoryLine(Game(4, 6, 8)));
}

TEST_F(PerformanceFigures, AHistoryThatCannotBeWrittenIsSaidInOneLineAndTheSessionGoesOn) {
    const std::string blocked = scratch / "blocked";
    ASSERT_EQ(::mkdir(blocked.c_str(), 0700), 0);  // a directory where the file should be
    services::GameLog log(blocked);
    TPerformancePages window;
    window.ShowLog(&log);
    ui::ShowModeless(&window);
    log.Record(Game(3, 6, 6));
    log.Settle();
    EXPECT_EQ(Text(window, "Label15"), "Total Number of Games: 1");
    const auto* note = window.findChild<QLabel*>(QStringLiteral("HistoryNote"));
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->toolTip(),
              QString("Games cannot be saved to %1 (%2); the game goes on.")
                  .arg(blocked.c_str(), QString::fromLocal8Bit(std::strerror(EISDIR))));
    window.hide();
}

TEST_F(PerformanceFigures, GamesAppendedToAHistoryWhoseHeaderOrdersItsColumnsOtherwiseReadBack) {
    game::GameRecord coded = Game(7, 9, 9, 12'345);
    coded.code = game::PuzzleCodeOf({coded.vertices, coded.colors, 40, coded.edgesShown, 5'000'000});
    ASSERT_NE(coded.Code(), "");
    const game::GameRecord played[] = {Game(2, 6, 6), coded};
    // As a later version may write it: the code first, or a column of its own among these.
    const std::string headers[] = {
        "#SpEcTrUmIx-history 3\tcode\tutc\tvertices\tcolors\tedges\tpar\tresult\tpar_or_better\tteaching"
        "\tending\tsolve_ms\n",
        "#SpEcTrUmIx-history 3\tutc\tvertices\tcolors\tedges\thints\tpar\tresult\tpar_or_better\tteaching"
        "\tending\tsolve_ms\tcode\n"};
    for (const std::string& header : headers) {
        gametest::WriteBytes(path, header);
        {
            services::GameLog log(path);
            for (const game::GameRecord& game : played) log.Record(game);
            log.Settle();
        }
        const game::HistoryText read = game::ParseHistory(gametest::ReadBytes(path));
        EXPECT_EQ(read.skipped, 0u) << header;
        EXPECT_EQ(read.games, std::vector<game::GameRecord>(std::begin(played), std::end(played))) << header;
    }
}
