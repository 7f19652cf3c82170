// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the game's start-up: an empty Qt main window with a menu bar and nothing in it,
// the least a game window with menus can cost. Its figures are what no board can go below.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Empty Window");
    window.menuBar()->addMenu("&File")->addAction("E&xit", &window, &QMainWindow::close);
    window.resize(652, 492);
    window.show();
    return QApplication::exec();
}
