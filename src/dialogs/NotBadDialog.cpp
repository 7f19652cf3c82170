// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotBadDialog.h"

#include <QLabel>

#include "GameEnd.h"

TNotBadMessage::TNotBadMessage(QWidget* parent)
    : TRatingDialog({tr("OK but..."), QSize(419, 272), QT_TRANSLATE_NOOP("TRatingDialog", "NOT BAD"),
                     QRect(32, 143, 361, 89), QRect(175, 244, 75, 25), QRect()},
                    parent) {
    setObjectName("NotBadMessage");
    ShowMessage({game::RatingMessage::NotBad, 0, false});
}

void TNotBadMessage::OKBtnClick() {
    game::NotBadOk();
    hide();
}
