// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the game's version and its makers, with a button that opens the help topic
// about them. Created hidden once at start-up and only ever shown and hidden.
#pragma once

#include <QDialog>

class QKeyEvent;
class QPushButton;
class QShowEvent;

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Hides the box (OK, Enter).
    void OKButtonClick();
    // Opens the help topic about the makers; the box stays open.
    void Button1Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* m_okButton = nullptr;
    bool m_placed = false;
};
