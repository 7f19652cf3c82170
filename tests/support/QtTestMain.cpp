// SPDX-License-Identifier: GPL-3.0-or-later
// The one main of every test binary that needs a window system: one application, named as the
// game names itself, with the game's F1 help, on the offscreen platform unless a run asks for
// another.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/HelpViewer.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("SpEcTrUmIx");
    help::InstallF1Handler(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
