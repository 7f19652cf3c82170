// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: a bare Qt main window with a menu bar and one button,
// built the same way as the game, so the difference is what the board itself costs.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare Window");
    window.menuBar()->addMenu("&File")->addAction("E&xit", &window, &QMainWindow::close);
    window.setCentralWidget(new QPushButton("Button"));
    window.resize(652, 492);
    window.show();
    return QApplication::exec();
}
