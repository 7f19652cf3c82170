// SPDX-License-Identifier: GPL-3.0-or-later
// ui::InstallGameStyle: the desktop's own style for every window, with one glyph drawn by the game.
#pragma once

class QApplication;

namespace ui {

// Installs the desktop's own style wrapped so that the menu bar's overflow button gets a drawn
// glyph. Qt reads that glyph from a PNG while it builds any menu bar, and reading an image the
// first time loads every image-format plugin there is: a good part of the board's start-up,
// for a button the board's three menus never need.
void InstallGameStyle(QApplication& app);

}  // namespace ui
