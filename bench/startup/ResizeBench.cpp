// SPDX-License-Identifier: GPL-3.0-or-later
// One step of a window being dragged larger or smaller on a large screen: the board laid out
// afresh at its new factor and painted once, timed from the resize to the painted window, against
// the same steps of a bare black Qt window with a menu bar (what the X server and Qt cost alone).
// Run under an X server whose screen is the size to measure, without a window manager:
//     xvfb-run -a -s "-screen 0 3840x2160x24" BUILD/bench/startup/resize_bench [STEPS]
// The board holds a 16-vertex, 4-colour puzzle with every edge shown and colour marks on.
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Windows.h"
#include "board/Main.h"
#include "engine/GameEnd.h"
#include "engine/Game.h"

namespace {

void WaitFor(const std::function<bool()>& done) {
    QElapsedTimer wait;
    wait.start();
    while (!done() && wait.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The median step of `steps` resizes between the whole screen and a few pixels less.
double MedianStep(QMainWindow& window, int steps) {
    const QSize screen = window.screen()->size();
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < steps; ++i) {
        const QSize next = i % 2 ? screen - QSize(24, 16) : screen;
        clock.start();
        window.resize(next);
        WaitFor([&] { return window.size() == next; });
        window.repaint();
        QApplication::sync();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    times.erase(times.begin());  // the first reaches a size the window had never been
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    const int steps = argc > 1 ? std::max(3, std::atoi(argv[1])) : 61;

    QMainWindow bare;
    bare.menuBar()->addMenu(QStringLiteral("&File"));
    auto* black = new QWidget;
    QPalette palette = black->palette();
    palette.setColor(QPalette::Window, Qt::black);
    black->setPalette(palette);
    black->setAutoFillBackground(true);
    bare.setCentralWidget(black);
    bare.resize(652, 492);
    bare.show();
    WaitFor([&] { return bare.windowHandle()->isExposed(); });
    const double bareStep = MedianStep(bare, steps);
    bare.hide();

    game::Game game;
    game::GameSettings& settings = game.Settings;
    settings.RandomNumberOfVertices = false;
    settings.NumberOfVertices = 16;
    settings.RandomNumberOfColors = false;
    settings.NumberOfColors = 4;
    settings.ShowEdges = true;
    settings.RandomEdgeProbability = false;
    settings.EdgeProbability = 100;
    settings.TeachingMode = false;
    settings.ColourMarks = true;
    app::TWindows windows(game);
    TLevel1& board = *windows.Level1;
    board.ShowCentered();
    WaitFor([&] { return board.windowHandle() && board.windowHandle()->isExposed(); });
    game.NewGameClick();
    QApplication::processEvents();
    const double boardStep = MedianStep(board, steps);

    const QSize screen = board.screen()->size();
    std::printf("resize step at %dx%d: board (factor %.2f) median %.2f ms, bare window median %.2f ms, "
                "board / bare %.2f x, %d steps each\n",
                screen.width(), screen.height(), board.Surface->Layout().Zoom(), boardStep, bareStep,
                boardStep / bareStep, steps - 1);
    return 0;
}
