// SPDX-License-Identifier: GPL-3.0-or-later
// window-shots LANGUAGE FOLDER: every window of the game in one language, as pictures, for a
// translator or a second reader to read each text where the player meets it. The board is shown
// mid-game after a clash, the statistics window page by page, each rating message and question,
// and every help page rendered whole. Runs without a display: QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWidget>
#include <cstdio>

#include "app/Windows.h"
#include "board/Main.h"
#include "dialogs/About.h"
#include "dialogs/PrintPuzzles.h"
#include "dialogs/PuzzleCodeBox.h"
#include "dialogs/ReviewWindow.h"
#include "dialogs/Optionl1.h"
#include "dialogs/TabbedScores.h"
#include "engine/GameEnd.h"
#include "engine/History.h"
#include "engine/Game.h"
#include "engine/Puzzle.h"
#include "engine/PuzzleCode.h"
#include "engine/Random.h"
#include "engine/Game.h"
#include "services/HelpViewer.h"
#include "services/Language.h"
#include "ui/GameStyle.h"

namespace {

QString g_folder;
int g_count = 0;

void Save(QWidget* window, const QString& name) {
    window->show();
    window->raise();
    QCoreApplication::processEvents();
    const QString path = QStringLiteral("%1/%2-%3.png").arg(g_folder).arg(++g_count, 2, 10, QLatin1Char('0')).arg(name);
    if (!window->grab().save(path))
        std::fprintf(stderr, "window-shots: cannot write %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: window-shots LANGUAGE FOLDER\n");
        return 2;
    }
    // The player's own settings and history are never touched: the games this tool plays are
    // written to a folder of its own.
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName("SpEcTrUmIx");
    const QString code = language::Install(app, {QString::fromLocal8Bit(argv[1])});
    std::printf("language: %s\n", qPrintable(code));
    ui::InstallGameStyle(app);
    g_folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_folder);

    game::Game game;
    game.PinClock(12 * 3600 * 1000);
    game::GameSettings& s = game.Settings;
    s.RandomNumberOfColors = s.RandomNumberOfVertices = s.RandomEdgeProbability = false;
    s.NumberOfVertices = 8;
    s.NumberOfColors = 3;
    s.ShowEdges = false;
    s.TeachingMode = true;
    app::TWindows windows(game);
    windows.PrepareHiddenWindows();
    windows.Level1->ShowCentered();
    QCoreApplication::processEvents();
    // Three games of this level played, one over par, so that the statistics have figures, a
    // trend and recent games with their codes.
    for (int extra : {0, 3, 0}) {
        game.NewPuzzle();
        const game::PuzzleState& played = game.Puzzle;
        for (int i = 0; i < extra; ++i) {
            game.PainterClick(played.HiddenColoring[1]);
            game.VertexClick(1);
        }
        for (int k = 1; k <= played.VertexCount; ++k) {
            game.PainterClick(played.HiddenColoring[k]);
            game.VertexClick(k);
        }
        game.PinClock(12 * 3600 * 1000 + 1000 * (extra + 1));
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != windows.Level1)
            w->hide();
    }
    game.NewPuzzle();
    // A few moves with a clash, so that the score, the edges and a revealed line show.
    const game::PuzzleState& p = game.Puzzle;
    for (int k = 1; k <= 3; ++k) {
        game.PainterClick(p.HiddenColoring[k]);
        game.VertexClick(k);
    }
    for (int k = 2; k <= p.VertexCount; ++k) {
        if (game.BoardVertex[1].GetNeighbor(k) == 1) {
            game.PainterClick(p.HiddenColoring[1]);
            game.VertexClick(k);
            break;
        }
    }
    game.Board().ShowAverageFromPar(game::ReduceAverage(41, 40));
    Save(windows.Level1, "board");
    Save(windows.OptionsL1, "settings");
    windows.OptionsL1->hide();
    Save(windows.AboutBox, "about");
    windows.AboutBox->hide();
    Save(windows.PuzzleCodeBox(), "puzzle-code");
    windows.PuzzleCodeBox()->hide();
    Save(windows.PrintPuzzlesDlg(), "print-puzzles");
    windows.PrintPuzzlesDlg()->hide();

    // The game on the board looked back on, colour marks on: at its clash, and at its end beside
    // the solution, after a repaint.
    {
        game::GameRecord played;
        played.code = game::PuzzleCodeOf(p.Recipe);
        played.clicks.assign(game.Clicks().begin(), game.Clicks().end());
        played.clicks.push_back({2, static_cast<std::uint8_t>(p.HiddenColoring[2] % 3 + 1)});
        game.Settings.ColourMarks = true;
        windows.OpenReview(played);
        windows.ReviewWindow()->GoToStep(4);
        Save(windows.ReviewWindow(), "review-clash");
        windows.ReviewWindow()->GoToStep(1000);
        Save(windows.ReviewWindow(), "review-solution");
        windows.ReviewWindow()->hide();
        game.Settings.ColourMarks = false;
    }

    // Every rating message the game has, teaching mode on and off.
    struct Rated {
        game::Dialog dialog;
        game::Rating rating;
        const char* name;
    };
    const Rated ratings[] = {
        {game::Dialog::Perfect, game::PerfectDialogText(false, 0), "perfect-way-to-go"},
        {game::Dialog::Perfect, game::PerfectDialogText(true, 0), "perfect-two-in-a-row"},
        {game::Dialog::Perfect, game::PerfectDialogText(true, 1), "perfect-go-on"},
        {game::Dialog::Excellent, game::ExcellentDialogText(false, 0), "excellent-method"},
        {game::Dialog::Excellent, game::ExcellentDialogText(true, 2), "excellent-count"},
        {game::Dialog::Excellent, game::ExcellentDialogText(true, 3), "excellent-advance"},
        {game::Dialog::NotBad, {game::RatingMessage::NotBad, 0, false}, "not-bad"},
        {game::Dialog::GameNotOverDecision, {}, "decision-new-puzzle"},
        {game::Dialog::GameNotOverDecision2, {}, "decision-draw-graph"},
    };
    for (const Rated& r : ratings) {
        windows.OpenDialog(r.dialog, r.rating);
        QCoreApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w != windows.Level1) {
                Save(w, QString::fromLatin1(r.name));
                w->hide();
            }
        }
    }

    // The statistics window, each page, at the level just played.
    windows.PerformancePages->MarkCurrentLevel(s.NumberOfVertices, s.ShowEdges);
    windows.PerformancePages->show();
    windows.PerformancePages->ChooseLevel(game::LevelOf(s.NumberOfVertices, s.NumberOfColors, s.ShowEdges));
    QCoreApplication::processEvents();
    if (auto* tabs = windows.PerformancePages->findChild<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            Save(windows.PerformancePages, QStringLiteral("statistics-%1").arg(i + 1));
        }
    }
    windows.PerformancePages->hide();

    // Every help page at the help window's width, in slices a screen high.
    QTextBrowser browser;
    browser.resize(720, 600);
    for (const QUrl& page : help::AllPages()) {
        browser.setSource(page);
        QCoreApplication::processEvents();
        QTextDocument* document = browser.document();
        document->setTextWidth(700);
        const int height = static_cast<int>(document->size().height());
        const QString name = QStringLiteral("help-") + page.fileName().section(QLatin1Char('.'), 0, 0);
        for (int top = 0, slice = 1; top < height; top += 1000, ++slice) {
            QImage image(700, std::min(1000, height - top), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.translate(0, -top);
            document->drawContents(&painter, QRectF(0, top, 700, image.height()));
            painter.end();
            const QString path = QStringLiteral("%1/%2-%3-%4.png")
                                     .arg(g_folder)
                                     .arg(++g_count, 2, 10, QLatin1Char('0'))
                                     .arg(name)
                                     .arg(slice);
            image.save(path);
        }
    }
    std::printf("%d pictures in %s\n", g_count, qPrintable(g_folder));
    return 0;
}
