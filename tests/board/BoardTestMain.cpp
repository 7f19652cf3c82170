// SPDX-License-Identifier: GPL-3.0-or-later
// The board's windows under test: one application, named as the game names itself, on the
// offscreen platform unless a test run asks for another.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("SpEcTrUmIx");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
