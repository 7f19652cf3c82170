// SPDX-License-Identifier: GPL-3.0-or-later
// board::FitToScreen: the main window Level1 on a screen too small for its designed size.
#pragma once

#include <QSize>

class QMainWindow;
class QWidget;

namespace board {

// The outer size the board opens at, frame included: its designed size where that fits the
// available area of the window's screen. Where it does not (a small screen at a large scale), the
// board keeps its designed size and layout inside a scroll area, the window takes the available
// area, and the control the keyboard reaches is scrolled into sight: every part stays reachable.
QSize FitToScreen(QMainWindow& window, QWidget& surface, QSize designedOuter);

}  // namespace board
