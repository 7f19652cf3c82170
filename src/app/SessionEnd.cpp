// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SessionEnd.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "engine/SettingsFile.h"

namespace app {

namespace {

// The two ends of the pipe that carries a signal into the event loop: the handler only
// writes a byte, everything else happens in the loop.
int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    (void)!::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

void SaveQuietly() {
    (void)game::SaveSettings();
}

void EndRun() {
    static bool ended = false;
    if (ended)
        return;
    ended = true;
    SaveQuietly();
    // exit() rather than quit(): quit() would close the board the usual way first, whose
    // failed save asks the player what to do.
    QCoreApplication::exit(0);
}

// After the session manager has asked for the settings, its quit ends the run at once.
class SessionQuit : public QObject {
  public:
    using QObject::QObject;
    bool sessionEnding = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (sessionEnding && watched == qApp && event->type() == QEvent::Quit) {
            EndRun();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void SaveSettingsAtSessionEnd(QApplication& app) {
    auto* sessionQuit = new SessionQuit(&app);
    app.installEventFilter(sessionQuit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, sessionQuit, [sessionQuit](QSessionManager&) {
        SaveQuietly();
        sessionQuit->sessionEnding = true;
    });

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;  // signals then end the run as they always did
    // A burst of signals must never block the handler on a full pipe.
    ::fcntl(signalPipe[0], F_SETFL, ::fcntl(signalPipe[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(signalPipe[1], F_SETFL, ::fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char bytes[64];
        while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
        }
        EndRun();
    });

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}

}  // namespace app
