// SPDX-License-Identifier: GPL-3.0-or-later
// board::TToolTipSwitch: the "Show Tool Tips" setting applied to the main window's play controls.
#pragma once

#include <QObject>
#include <QSet>

namespace board {

// Qt has no per-control switch for tool tips: the switch listens to the controls it is given and
// swallows their tool-tip requests while it is off. The title, the "Color All Vertices" picture
// and the solution view are never given to it, so they always explain themselves.
class TToolTipSwitch : public QObject {
  public:
    using QObject::QObject;

    void Watch(QObject* control);
    void Apply(bool on) { m_on = on; }
    bool IsOn() const { return m_on; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSet<const QObject*> m_controls;
    bool m_on = true;
};

}  // namespace board
