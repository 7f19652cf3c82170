// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that praises a puzzle with hidden edges solved in par clicks, and in teaching
// mode counts the excellent games in a row towards the next level.
#pragma once

#include "RatingDialog.h"

class TExcellentDlg : public TRatingDialog {
    Q_OBJECT

  public:
    explicit TExcellentDlg(QWidget* parent = nullptr);

  protected:
    void FormShow() override;
    void OKBtnClick() override;
    void NoButtonClick() override;
};
