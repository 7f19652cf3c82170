// SPDX-License-Identifier: GPL-3.0-or-later
// ui::FixedDialog: the fixed-frame window the about box and the statistics window share.
// It has exactly its client size, a close box only, opens centred on the screen the first time
// it is shown, and has no cancel button, so Escape leaves it open.
#pragma once

#include <QDialog>
#include <QSize>

class QKeyEvent;
class QShowEvent;

namespace ui {

class FixedDialog : public QDialog {
    Q_OBJECT

  public:
    FixedDialog(QWidget* parent, const QString& caption, QSize client);

  protected:
    // Runs once, just before the window is first seen, after it has been centred.
    virtual void FirstShown() {}

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool m_placed = false;
};

}  // namespace ui
