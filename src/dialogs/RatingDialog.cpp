// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatingDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "Artwork.h"
#include "DialogLook.h"
#include "State.h"

TRatingDialog::TRatingDialog(const Design& design, QWidget* parent) : QDialog(parent) {
    dialogs::MakeFixedDialog(*this, design.caption, design.clientSize.width(), design.clientSize.height());
    setFont(dialogs::DialogFont(11));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 0, 255));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    Bevel1 = dialogs::MakeBevel(this, QRect(8, 8, 409, 121));
    // The banner's word is shown in the player's language; a longer word is set smaller to fit.
    const QString word = tr(design.word);
    Image1 = new artwork::TPicture([word](qreal ratio) { return artwork::BannerPicture(word, ratio); }, word,
                                   this);
    Image1->setGeometry(16, 16, 392, 103);

    Label1 = new QLabel(this);
    Label1->setGeometry(design.label);
    Label1->setFont(dialogs::DialogFont(13));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setGeometry(design.okButton);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    if (!design.noButton.isEmpty()) {
        NoButton = new QPushButton(tr("No"), this);
        NoButton->setGeometry(design.noButton);
        connect(NoButton, &QPushButton::clicked, this, [this] { NoButtonClick(); });
        setTabOrder(OKBtn, NoButton);
    }
}

QString TRatingDialog::Words(const game::Rating& rating) {
    switch (rating.message) {
        case game::RatingMessage::PerfectGoOn:
            return tr(
                "Way to go. You seem to know what you are doing at this level. Would you like to go on to "
                "the next level?");
        case game::RatingMessage::PerfectNeedTwoInARow:
            return tr(
                "You have achieved a perfect game! Way to go. You need two perfect games in a row to "
                "advance.");
        case game::RatingMessage::PerfectWayToGo:
            return tr("Way to go!");
        case game::RatingMessage::ExcellentMethod:
            return tr(
                "Do you have a method? Do you think it works for other graphs with a different number of "
                "vertices and a different number of edges?");
        case game::RatingMessage::ExcellentCountSoFar:
            return tr("You need 3 excellent games in a row to advance. You now have %1.").arg(rating.streak);
        case game::RatingMessage::ExcellentAdvance:
            return tr(
                "You seem to know what you are doing at this level. You did three excellent games in a row. "
                "Would you like to advance to the next level?");
        case game::RatingMessage::NotBad:
            return tr(
                "To advance, you must solve the puzzles by clicking on the vertices no more than Par times. "
                "You need 1  Par game to advance when the edges are showing and 3 consecutive Par or better "
                "games to advance when the edges are not showing.");
    }
    return {};
}

void TRatingDialog::ShowMessage(const game::Rating& rating) {
    Label1->setText(Words(rating));
    if (NoButton) {
        NoButton->setEnabled(rating.offer);
        NoButton->setVisible(rating.offer);
    }
}

void TRatingDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        dialogs::CenterOnScreen(*this);
        FormShow();
    }
    QDialog::showEvent(event);
    // Each opening starts on "OK", so Enter never answers an offer with the "No" that had
    // the focus from an earlier opening.
    if (!event->spontaneous())
        OKBtn->setFocus();
}

void TRatingDialog::closeEvent(QCloseEvent* event) {
    event->accept();
}
