// SPDX-License-Identifier: GPL-3.0-or-later
// controls::PressTracker: how a mouse press on one of the game's controls becomes a click,
// shared by the vertex square and the colour button. A left press followed by a left release
// over the control is a click; the second press of a double click starts none; hiding or
// disabling the control forgets a press in progress.
#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

class QMouseEvent;

namespace controls {

class PressTracker : public QObject {
  public:
    // Watches every mouse press, release and double click on `control`; the control itself
    // sees none of them, only what the handlers below make of them.
    explicit PressTracker(QWidget* control);

    // Any button went down on the control.
    std::function<void(QMouseEvent*)> onPress;
    // The second press of a double click (any button).
    std::function<void(QMouseEvent*)> onDoubleClick;
    // Any button came up; `click` says whether it ends a click.
    std::function<void(QMouseEvent*, bool click)> onRelease;
    // The control was hidden or disabled; `held` says whether a button was down on it then.
    std::function<void(bool held)> onDrop;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* m_control;
    // A left press (not the second of a double click) whose release may raise a click.
    bool m_clickPending = false;
    // A mouse button went down on the control and has not come up yet.
    bool m_held = false;
};

// Stores `value` in `field` and schedules a repaint of `control`, only when the value changes.
template <typename T, typename V>
bool StoreAndRepaint(QWidget* control, T& field, const V& value) {
    if (field == value)
        return false;
    field = value;
    control->update();
    return true;
}

}  // namespace controls
