// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PressTracker.h"

#include <QMouseEvent>
#include <QPointer>

namespace controls {

PressTracker::PressTracker(QWidget* control) : QObject(control), m_control(control) {
    control->installEventFilter(this);
}

bool PressTracker::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_control)
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::Hide || (type == QEvent::EnabledChange && !m_control->isEnabled())) {
        const bool held = m_held;
        m_held = false;
        m_clickPending = false;
        if (onDrop)
            onDrop(held);
        return false;
    }
    // A disabled control lets the mouse through to what lies under it.
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if ((!press && type != QEvent::MouseButtonRelease) || !m_control->isEnabled())
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    mouse->accept();
    const bool left = mouse->button() == Qt::LeftButton;
    if (press) {
        // The second press of a double click starts no click.
        m_clickPending = left && type == QEvent::MouseButtonPress;
        m_held = true;
        const auto& handler = type == QEvent::MouseButtonPress ? onPress : onDoubleClick;
        if (handler)
            handler(mouse);
        return true;
    }
    const bool click = left && m_clickPending && m_control->rect().contains(mouse->position().toPoint());
    if (left)
        m_clickPending = false;
    QPointer<PressTracker> self(this);
    if (onRelease)
        onRelease(mouse, click);
    // The click may have closed the window the control stood on.
    if (self)
        m_held = false;
    return true;
}

}  // namespace controls
