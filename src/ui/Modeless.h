// SPDX-License-Identifier: GPL-3.0-or-later
// ui::ShowModeless: how every window of the game opens, without blocking.
// Every window of the game opens without blocking: it becomes visible and comes to the
// front while the board stays usable. A window already open only comes to the front.
#pragma once

#include <QWidget>

namespace ui {

inline void ShowModeless(QWidget* window) {
    if (!window->isVisible())
        window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace ui
