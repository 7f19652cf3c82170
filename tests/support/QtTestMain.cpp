// SPDX-License-Identifier: GPL-3.0-or-later
// The one main of every test binary that needs a window system: one application, named as the
// game names itself, with the game's F1 help, on the offscreen platform unless a run asks for
// another.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "services/HelpViewer.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every game a test rates goes to a history of its own, never to the player's.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName("SpEcTrUmIx");
    help::InstallF1Handler(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
