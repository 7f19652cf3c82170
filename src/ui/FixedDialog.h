// SPDX-License-Identifier: GPL-3.0-or-later
// ui::FixedDialog: the fixed-frame window the game's dialogs are made of.
// It has exactly its client size and a close box only, and opens centred on the screen. A window
// to look at (the about box, the statistics window) is centred the first time it is shown, stays
// where the player moves it and has no cancel button, so Escape leaves it open. A question the
// game asks (a rating, a decision, the settings) is centred again at every showing, and Escape is
// the answer its reject() gives.
#pragma once

#include <QDialog>
#include <QSize>

class QKeyEvent;
class QShowEvent;

namespace ui {

class FixedDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Kind { ToLookAt, Question };
    FixedDialog(QWidget* parent, const QString& caption, QSize client, Kind kind = Kind::ToLookAt);

  protected:
    // Runs once, just before the window is first seen, after it has been centred.
    virtual void FirstShown() {}

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    Kind m_kind;
    bool m_placed = false;
};

}  // namespace ui
