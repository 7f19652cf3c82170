// SPDX-License-Identifier: GPL-3.0-or-later
// TExcellentDlg (ExcellentDlg): "Youse a dude!", the praise of a puzzle with hidden edges solved
// in par clicks, which in teaching mode counts the excellent games in a row towards the next level.
#pragma once

#include "dialogs/RatingDialog.h"

class TExcellentDlg : public TRatingDialog {
    Q_OBJECT

  public:
    explicit TExcellentDlg(game::Game& game, QWidget* parent = nullptr);
};
