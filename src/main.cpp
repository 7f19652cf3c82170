// Start-up of SpEcTrUmIx: the settings first, then the start values that depend on them,
// then every window in the game's fixed order, and the board until the player closes it.
#include <QApplication>

#include "Artwork.h"
#include "HelpViewer.h"
#include "Main.h"
#include "SettingsFile.h"
#include "State.h"
#include "Version.h"
#include "Windows.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

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

    board::CreateBoardWindow();
    // The board stays the last window open while a dialog is up; closing it (with the
    // settings saved) ends the run.
    QObject::connect(board::Level1, &TLevel1::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    // The dialogs (settings, about, the end-of-game messages, statistics) are all hidden at
    // start and draw their pictures when built: building them right after the board's first
    // paint puts the board on screen in about half the time, long before a player can click.
    QObject::connect(board::Level1->Surface, &board::TBoardSurface::firstPainted, &app,
                     &board::CreateDialogs);
    board::Level1->ShowCentered();

    const int result = QApplication::exec();
    board::DestroyWindows();
    return result;
}
