// SPDX-License-Identifier: GPL-3.0-or-later
// ui::TFocusTabs: the page tabs of the game's windows, whose chosen tab the keyboard rings.
#pragma once

#include <QTabWidget>

namespace ui {

// Tabs as the desktop draws them; while the keyboard is on the tab bar, the chosen tab wears a
// ring two pixels wide in black or white, whichever stands out more on the tab's face. The
// desktop's own mark (a thin line in its highlight colour) is hard to find on a light tab.
// A click on a tab does not move the keyboard there, so the mouse never shows the ring.
class TFocusTabs : public QTabWidget {
  public:
    explicit TFocusTabs(QWidget* parent = nullptr);
};

}  // namespace ui
