// SPDX-License-Identifier: GPL-3.0-or-later
// main(): the start-up of SpEcTrUmIx. The settings first, then the start values that depend on
// them, then every window in the game's fixed order, and the board until the player closes it.
#include <QApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>

#include "app/SessionEnd.h"
#include "app/Windows.h"
#include "artwork/Artwork.h"
#include "board/Main.h"
#include "engine/Game.h"
#include "engine/KeptPuzzle.h"
#include "engine/SettingsFile.h"
#include "services/CommandLine.h"
#include "services/HelpViewer.h"
#include "services/Language.h"
#include "services/Version.h"
#include "ui/GameStyle.h"

int main(int argc, char* argv[]) {
    // A file-size limit then makes a save fail as a full disk does (the player is told, the old
    // file stays) instead of killing the game in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    // Any argument is answered without a window, so --help and --version work without a display.
    // A worksheet is drawn with the toolkit's fonts, on its offscreen screen: a teacher's script
    // makes one on a machine with no display at all.
    if (argc > 1 && services::AsksForWorksheet(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The toolkit's notes about a machine without a desktop session are no concern of a
        // script's: standard error carries the game's one line, or nothing.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
        QGuiApplication gui(argc, argv);
        language::Install(gui);
        return services::AnswerCommandLine(QCoreApplication::arguments(), stdout, stderr);
    }
    if (argc > 1) {
        QCoreApplication core(argc, argv);
        language::Install(core);
        return services::AnswerCommandLine(QCoreApplication::arguments(), stdout, stderr);
    }
    app::ExpectDisplay();
    QApplication app(argc, argv);
    app::DisplayOpened();
    // Before any window: every caption is made in the player's language.
    language::Install(app);

    // The run's one game: every window is made for it and handed it.
    game::Game game;
    game::LoadSettings(game);
    // After the settings: the start values of a run follow the loaded settings.
    game.SetStartValues();

    // Only the name: a display name would be appended to every dialog's caption.
    QApplication::setApplicationName("SpEcTrUmIx");
    QApplication::setApplicationVersion(QString::fromLatin1(spectrumix::kVersion));
    // Ties the running window to its desktop entry, so a dock shows the game's own name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.spectrumix.spectrumix"));
    QApplication::setWindowIcon(artwork::ApplicationIcon());
    help::InstallF1Handler(app);
    ui::InstallGameStyle(app);

    // Every window, the board first, before the loop: each draws its pictures only when it is
    // first shown, so building the hidden dialogs costs little.
    app::TWindows windows(game);
    // The board stays the last window open while a dialog is up; closing it (with the settings
    // saved) ends the run.
    QObject::connect(windows.Level1, &TLevel1::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    windows.Level1->ShowCentered();
    // A puzzle left in play when the game last closed comes back at the very click it was left
    // at, put on the board once it is shown (before its first paint), so that its lines are the
    // ones its clicks drew.
    if (game::ResumeKeptPuzzle(game))
        windows.Level1->PuzzleResumed();
    // Logout, shutdown and a closed terminal keep the run's progress too.
    const app::TSessionEndSave sessionEnd(app, game);
    // A moment after the board is up, long before a puzzle can be solved, the dialogs' pictures
    // are drawn, a piece per idle turn, so the first rating dialog opens without the wait for its
    // banner and no click waits for more than one picture.
    QTimer::singleShot(300, &app, [&windows] { windows.PrepareHiddenWindowsInIdleTime(); });

    return QApplication::exec();
}
