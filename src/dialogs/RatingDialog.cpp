// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/RatingDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <iterator>

#include "artwork/Artwork.h"
#include "ui/DialogLook.h"
#include "ui/Modeless.h"

TRatingDialog::TRatingDialog(game::Game& game, const Design& design, QWidget* parent)
    : ui::FixedDialog(parent, design.caption, design.clientSize, Kind::Question), m_game(game) {
    setFont(ui::DialogFont(11));
    ui::SetWordsColour(*this, Qt::black, QColor(255, 0, 255));
    setAutoFillBackground(true);

    Bevel1 = ui::MakeBevel(this, QRect(8, 8, 409, 121));
    // The banner's word is shown in the player's language; a longer word is set smaller to fit.
    const QString word = tr(design.word);
    Image1 = new artwork::TPicture([word](qreal ratio) { return artwork::BannerPicture(word, ratio); }, word,
                                   this);
    Image1->setGeometry(16, 16, 392, 103);

    Label1 = new QLabel(this);
    Label1->setGeometry(design.label);
    Label1->setFont(ui::DialogFont(13));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setGeometry(design.okButton);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this, ok = design.ok] { Answer(ok); });
    if (!design.noButton.isEmpty()) {
        NoButton = new QPushButton(tr("No"), this);
        NoButton->setGeometry(design.noButton);
        connect(NoButton, &QPushButton::clicked, this, [this, no = design.no] { Answer(no); });
        setTabOrder(OKBtn, NoButton);
    }
}

namespace {

// The words of each message, in the order of game::RatingMessage.
constexpr const char* kMessages[] = {
    QT_TRANSLATE_NOOP("TRatingDialog", "Way to go!"),
    QT_TRANSLATE_NOOP("TRatingDialog",
                      "You have achieved a perfect game! Way to go. You need two perfect games in a row to "
                      "advance."),
    QT_TRANSLATE_NOOP("TRatingDialog",
                      "Way to go. You seem to know what you are doing at this level. Would you like to go on "
                      "to the next level?"),
    QT_TRANSLATE_NOOP("TRatingDialog",
                      "Do you have a method? Do you think it works for other graphs with a different number "
                      "of vertices and a different number of edges?"),
    QT_TRANSLATE_NOOP("TRatingDialog", "You need 3 excellent games in a row to advance. You now have %1."),
    QT_TRANSLATE_NOOP("TRatingDialog",
                      "You seem to know what you are doing at this level. You did three excellent games in a "
                      "row. Would you like to advance to the next level?"),
    QT_TRANSLATE_NOOP("TRatingDialog",
                      "To advance, you must solve the puzzles by clicking on the vertices no more than Par "
                      "times. You need 1  Par game to advance when the edges are showing and 3 consecutive "
                      "Par or better games to advance when the edges are not showing."),
};
static_assert(std::size(kMessages) == static_cast<std::size_t>(game::RatingMessage::NotBad) + 1);

}  // namespace

QString TRatingDialog::Words(const game::Rating& rating) {
    const QString words = tr(kMessages[static_cast<std::size_t>(rating.message)]);
    return rating.message == game::RatingMessage::ExcellentCountSoFar ? words.arg(rating.streak) : words;
}

void TRatingDialog::ShowMessage(const game::Rating& rating) {
    m_rated = rating;
    Label1->setText(Words(rating));
    Label1->setAccessibleName(rating.par < 0 ? QString()
                                              : tr("Your score %1, par %2.").arg(rating.score).arg(rating.par) +
                                                    QLatin1Char(' ') + Label1->text());
    if (NoButton) {
        NoButton->setEnabled(rating.offer);
        NoButton->setVisible(rating.offer);
    }
}

void TRatingDialog::Answer(void (game::Game::*effect)(const game::Rating&)) {
    if (effect)
        (m_game.*effect)(m_rated);
    hide();
}

void TRatingDialog::Open(const game::Rating& rating) {
    if (!isVisible())
        ShowMessage(rating);
    ui::ShowModeless(this);
}

void TRatingDialog::showEvent(QShowEvent* event) {
    ui::FixedDialog::showEvent(event);
    // Each opening starts on "OK", so Enter never answers an offer with the "No" that had
    // the focus from an earlier opening.
    if (!event->spontaneous())
        OKBtn->setFocus();
}

void TRatingDialog::closeEvent(QCloseEvent* event) {
    event->accept();
}
