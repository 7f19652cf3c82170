// SPDX-License-Identifier: GPL-3.0-or-later
// How long the board stops answering while the hidden windows are finished after start-up: the
// time of each idle-turn piece, the longest of them, and all of them together (what one turn
// would take for them all at once). Run under an X server (xvfb-run -a) or offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>

#include "app/Windows.h"
#include "board/Main.h"
#include "engine/Game.h"

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    game::Game game;
    app::TWindows windows(game);
    windows.Level1->ShowCentered();
    QElapsedTimer wait;
    wait.start();
    while (!(windows.Level1->windowHandle() && windows.Level1->windowHandle()->isExposed()) &&
           wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();

    windows.PrepareHiddenWindowsInIdleTime();
    double longest = 0;
    double total = 0;
    int pieces = 0;
    QElapsedTimer clock;
    for (;;) {
        clock.start();
        if (!windows.PrepareNextHiddenPiece())
            break;
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        std::printf("piece %2d: %6.2f ms\n", ++pieces, ms);
        longest = std::max(longest, ms);
        total += ms;
    }
    std::printf("%d pieces, longest %.2f ms, all together %.2f ms\n", pieces, longest, total);
    return 0;
}
