// The engine's records come before any Qt header: Qt defines "slots" as a word of its own.
#include "State.h"

#include "Perfect.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "Artwork.h"
#include "DialogLook.h"
#include "GameEnd.h"

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
    const QString word = QCoreApplication::translate("TRatingDialog", design.word.toUtf8().constData());
    Image1 = new artwork::TPicture([word](qreal ratio) { return artwork::BannerPicture(word, ratio); }, word,
                                   this);
    Image1->setGeometry(16, 16, 392, 103);

    Label1 = new QLabel(this);
    Label1->setGeometry(design.label);
    Label1->setFont(dialogs::DialogFont(13));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setGeometry(design.okButton);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    if (!design.noButton.isEmpty()) {
        NoButton = new QPushButton("No", this);
        NoButton->setGeometry(design.noButton);
        connect(NoButton, &QPushButton::clicked, this, [this] { NoButtonClick(); });
        setTabOrder(OKBtn, NoButton);
    }
}

void TRatingDialog::ShowMessage(const QString& text, bool offer) {
    Label1->setText(text);
    if (NoButton) {
        NoButton->setEnabled(offer);
        NoButton->setVisible(offer);
    }
}

void TRatingDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        dialogs::CenterOnScreen(*this);
        FormShow();
    }
    QDialog::showEvent(event);
}

void TRatingDialog::closeEvent(QCloseEvent* event) {
    event->accept();
}

TPerfectDlg::TPerfectDlg(QWidget* parent)
    : TRatingDialog(
          {"You can't do better than this", QSize(426, 258), QT_TRANSLATE_NOOP("TRatingDialog", "PERFECT"),
           QRect(40, 137, 345, 49), QRect(175, 196, 75, 25), QRect(176, 224, 75, 25)},
          parent) {
    setObjectName("PerfectDlg");
    setWindowIcon(artwork::PerfectDialogIcon());
}

void TPerfectDlg::FormShow() {
    const game::RatingText said =
        game::PerfectDialogText(game::Settings.TeachingMode, game::Settings.TeachingModeConsecutiveGoodGames);
    ShowMessage(QString::fromStdString(said.text), said.offer);
}

void TPerfectDlg::OKBtnClick() {
    game::PerfectOk();
    hide();
}

void TPerfectDlg::NoButtonClick() {
    game::PerfectNo();
    hide();
}
