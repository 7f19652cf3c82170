#include "NotBadDialog.h"

#include <QLabel>

#include "GameEnd.h"

TNotBadMessage::TNotBadMessage(QWidget* parent)
    : TRatingDialog({"OK but...", QSize(419, 272), QT_TRANSLATE_NOOP("TRatingDialog", "NOT BAD"),
                     QRect(32, 143, 361, 89), QRect(175, 244, 75, 25), QRect()},
                    parent) {
    setObjectName("NotBadMessage");
    const std::string_view text = game::NotBadText();
    Label1->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TNotBadMessage::OKBtnClick() {
    game::NotBadOk();
    hide();
}
