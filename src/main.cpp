// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of SpEcTrUmIx: the settings first, then the start values that depend on them,
// then every window in the game's fixed order, and the board until the player closes it.
#include <QApplication>
#include <QTimer>

#include "Artwork.h"
#include "GameStyle.h"
#include "HelpViewer.h"
#include "Language.h"
#include "Main.h"
#include "SessionEnd.h"
#include "SettingsFile.h"
#include "State.h"
#include "Version.h"
#include "Windows.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Before any window: every caption is made in the player's language.
    language::Install(app);

    game::LoadSettings();
    // After the settings: the board's radius follows the loaded vertex count.
    game::SetStartValues();

    // Only the name: a display name would be appended to every dialog's caption.
    QApplication::setApplicationName("SpEcTrUmIx");
    QApplication::setApplicationVersion(QString::fromLatin1(spectrumix::kVersion));
    // Ties the running window to its desktop entry, so a dock shows the game's own name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.spectrumix.spectrumix"));
    QApplication::setWindowIcon(artwork::ApplicationIcon());
    help::InstallF1Handler(app);
    board::InstallGameStyle(app);

    // Every window, the board first, before the loop: each draws its pictures only when it is
    // first shown, so building the hidden dialogs costs little.
    board::CreateWindows();
    // The board stays the last window open while a dialog is up; closing it (with the
    // settings saved) ends the run.
    QObject::connect(board::Level1, &TLevel1::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    board::Level1->ShowCentered();
    // Logout, shutdown and a closed terminal keep the run's progress too.
    board::SaveSettingsAtSessionEnd(app);
    // A moment after the board is up, long before a puzzle can be solved, the dialogs' pictures
    // are drawn, so the first rating dialog opens without the wait for its banner.
    QTimer::singleShot(300, &app, &board::PrepareHiddenWindows);

    const int result = QApplication::exec();
    board::DestroyWindows();
    return result;
}
