// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ToolTipSwitch.h"

#include <QEvent>

namespace board {

void TToolTipSwitch::Watch(QObject* control) {
    if (!control || m_controls.contains(control))
        return;
    m_controls.insert(control);
    control->installEventFilter(this);
}

bool TToolTipSwitch::eventFilter(QObject* watched, QEvent* event) {
    return event->type() == QEvent::ToolTip && !m_on && m_controls.contains(watched);
}

}  // namespace board
