// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SessionEnd.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "engine/Game.h"
#include "engine/KeptPuzzle.h"
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

// The game whose settings the end of the session keeps: a signal handler and an exit handler
// reach it from here, and only while it lives.
game::Game* gameKept = nullptr;

void SaveQuietly() {
    if (!gameKept)
        return;
    (void)game::KeepPuzzleInPlay(*gameKept);
    (void)game::SaveSettings(*gameKept);
}

// Whether the run has ended the usual way, with the settings saved or left as the player chose.
bool runEnded = false;

void EndRun() {
    if (runEnded)
        return;
    runEnded = true;
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

// Qt ends the program with exit() when the display goes away under it: that is the end of the
// session for this game, and its progress is kept as at a logout.
void SaveIfTheDisplayWentAway() {
    if (!runEnded)
        SaveQuietly();
}

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
QtMessageHandler usualHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void HoldWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category ? context.category : "", text});
        return;
    }
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((display == nullptr || *display == '\0') && (wayland == nullptr || *wayland == '\0')) {
        std::fputs(
            "spectrumix: no graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set); "
            "the game needs one to show its window\n",
            stderr);
    } else {
        std::fprintf(
            stderr,
            "spectrumix: cannot open the display %s; the game needs a graphical session to show its window\n",
            display != nullptr && *display != '\0' ? display : wayland);
    }
    std::fflush(stderr);
    // Nothing was loaded or saved yet, and nothing may run at exit.
    std::_Exit(1);
}

}  // namespace

void ExpectDisplay() {
    usualHandler = qInstallMessageHandler(HoldWhileStarting);
}

void DisplayOpened() {
    qInstallMessageHandler(usualHandler);
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
        qt_message_output(held.type, context, held.text);
    }
    heldMessages.clear();
}

TSessionEndSave::TSessionEndSave(QApplication& app, game::Game& game) {
    gameKept = &game;
    static bool watching = false;
    if (std::exchange(watching, true))
        return;
    // A run that ends through the event loop (the board closed, a signal, the session's end)
    // has done what it should with the settings.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] { runEnded = true; });
    std::atexit(SaveIfTheDisplayWentAway);

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

TSessionEndSave::~TSessionEndSave() {
    gameKept = nullptr;
}

}  // namespace app
