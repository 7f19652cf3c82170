// SPDX-License-Identifier: GPL-3.0-or-later
// TAboutBox: the about box "About SpEcTrUmIx", the game's version and its makers.
// A button opens the help topic about them. Created hidden once at start-up and only ever shown
// and hidden.
#pragma once

#include "ui/FixedDialog.h"

class QPushButton;

class TAboutBox : public ui::FixedDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Puts the box away (OK, Enter, the close box).
    void OKButtonClick();
    // Opens the help topic about the makers; the box stays open.
    void Button1Click();

  protected:
    void FirstShown() override;

  private:
    QPushButton* m_okButton = nullptr;
};
