// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that praises a puzzle with shown edges solved in par clicks.
#pragma once

#include "RatingDialog.h"

class TPerfectDlg : public TRatingDialog {
    Q_OBJECT

  public:
    explicit TPerfectDlg(QWidget* parent = nullptr);

  protected:
    void FormShow() override;
    void OKBtnClick() override;
    void NoButtonClick() override;
};
