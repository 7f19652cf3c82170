// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the click that solves a puzzle to the first rating dialog painted on screen, its
// banner drawn in the game's idle time (or, with --cold, when the dialog first shows). Run under
// an X server, one figure a process, e.g. seven times, and take the median:
//
//     for i in 1 2 3 4 5 6 7; do xvfb-run -a BUILD/bench/startup/rating_dialog_bench [--cold]; done
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <functional>

#include <cstdio>

#include "app/Windows.h"
#include "board/Main.h"
#include "controls/Vertex1.h"
#include "dialogs/NotBadDialog.h"
#include "dialogs/Perfect.h"
#include "dialogs/excellent.h"
#include "engine/Game.h"
#include "engine/Puzzle.h"
#include "engine/SettingsFile.h"
#include "engine/State.h"

namespace {

// Notes the moment a window's contents were first painted.
class FirstPaint : public QObject {
  public:
    bool painted = false;
    qint64 at = 0;
    const QElapsedTimer* clock = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            at = clock->nsecsElapsed();
        }
        return QObject::eventFilter(watched, event);
    }
};

void WaitUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_DATA_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    game::Game game;
    game::LoadSettings(game);
    game.SetStartValues();
    game.Settings.TeachingMode = false;
    game.Settings.RandomNumberOfVertices = false;
    game.Settings.NumberOfVertices = 8;
    game.Settings.ShowEdges = true;
    app::TWindows windows(game);
    windows.Level1->ShowCentered();
    WaitUntil([&] { return windows.Level1->isVisible() && windows.Level1->windowHandle()->isExposed(); },
              5000);

    // As the game does a moment after its board is up; "--cold" leaves the banner to the dialog's
    // first showing.
    const bool cold = argc > 1 && QByteArray(argv[1]) == "--cold";
    if (!cold)
        windows.PrepareHiddenWindows();
    game.NewPuzzle();
    const int n = game.Puzzle.VertexCount;
    for (int k = 1; k < n; ++k) {
        game.PainterClick(game.Puzzle.HiddenColoring[static_cast<std::size_t>(k)]);
        windows.Level1->OrbVertex[static_cast<std::size_t>(k)]->Click();
    }
    game.PainterClick(game.Puzzle.HiddenColoring[static_cast<std::size_t>(n)]);
    QApplication::processEvents();

    QElapsedTimer clock;
    FirstPaint perfect, excellent, notBad;
    QWidget* const dialogs[] = {windows.PerfectDlg, windows.ExcellentDlg, windows.NotBadMessage};
    FirstPaint* const watchers[] = {&perfect, &excellent, &notBad};
    for (int i = 0; i < 3; ++i) {
        watchers[i]->clock = &clock;
        dialogs[i]->installEventFilter(watchers[i]);
    }
    clock.start();
    windows.Level1->OrbVertex[static_cast<std::size_t>(n)]->Click();
    WaitUntil([&] { return perfect.painted || excellent.painted || notBad.painted; }, 5000);
    for (FirstPaint* watcher : watchers) {
        if (watcher->painted) {
            std::printf("first rating dialog painted %.1f ms after the solving click\n", watcher->at / 1e6);
            return 0;
        }
    }
    std::printf("no rating dialog was painted\n");
    return 1;
}
