// SPDX-License-Identifier: GPL-3.0-or-later
// TPerfectDlg (PerfectDlg): "You can't do better than this", the praise of a puzzle with shown
// edges solved in par clicks.
#pragma once

#include "dialogs/RatingDialog.h"

class TPerfectDlg : public TRatingDialog {
    Q_OBJECT

  public:
    explicit TPerfectDlg(game::Game& game, QWidget* parent = nullptr);
};
