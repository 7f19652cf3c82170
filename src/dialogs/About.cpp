// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/About.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "artwork/Artwork.h"
#include "services/HelpViewer.h"
#include "services/Version.h"
#include "ui/DialogLook.h"
#include "ui/Form.h"

namespace {

// The black plate behind the texts: a lowered outer bevel around a raised inner one.
class BevelPanel : public QWidget {
  public:
    explicit BevelPanel(QWidget* parent) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor light(255, 255, 255);
        const QColor shadow(128, 128, 128);
        QRect r = rect();
        Frame(painter, r, shadow, light);  // lowered: dark above and left
        r.adjust(1, 1, -1, -1);
        Frame(painter, r, light, shadow);  // raised: light above and left
        r.adjust(1, 1, -1, -1);
        painter.fillRect(r, Qt::black);
    }

  private:
    static void Frame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
};

enum Tag : int { kPlate = 1, kWhiteWords, kNavyTitle, kRedTitle, kPicture, kOkButton };

using ui::Kind;
// The box as the player sees it, in the order the controls stack: the red title is made after
// its navy copy three pixels to the right, which shows as a shadow.
// clang-format off
constexpr ui::ControlRow kAboutTable[] = {
    {"Panel1", Kind::Custom, {11, 20, 441, 176}, nullptr, nullptr, true, nullptr, kPlate},
    // Major and minor only, from the project's one version number: "Version 1.0".
    {"Version", Kind::Label, {14, 42, 65, 13}, QT_TRANSLATE_NOOP("TAboutBox", "Version %1.%2"), nullptr, true, "Panel1", kWhiteWords},
    {"Copyright", Kind::Label, {15, 57, 167, 13}, QT_TRANSLATE_NOOP("TAboutBox", "\u00A9 2026 The SpEcTrUmIx team"), nullptr, true, "Panel1", kWhiteWords},
    {"Label8", Kind::Label, {15, 73, 167, 13}, QT_TRANSLATE_NOOP("TAboutBox", "and all its contributors"), nullptr, true, "Panel1", kWhiteWords},
    {"Label1", Kind::Label, {16, 91, 277, 23}, QT_TRANSLATE_NOOP("TAboutBox", "SpEcTrUmIx Team  Dec 2026"), nullptr, true, "Panel1", kNavyTitle},
    {"Label7", Kind::Label, {13, 91, 277, 23}, QT_TRANSLATE_NOOP("TAboutBox", "SpEcTrUmIx Team  Dec 2026"), nullptr, true, "Panel1", kRedTitle},
    {"Label2", Kind::Label, {15, 117, 331, 13}, QT_TRANSLATE_NOOP("TAboutBox", "Write to us through the game's project page."), nullptr, true, "Panel1", kWhiteWords},
    {"Image1", Kind::Custom, {307, 6, 120, 160}, nullptr, nullptr, true, "Panel1", kPicture},
    {"OKButton", Kind::Custom, {119, 211, 77, 27}, QT_TRANSLATE_NOOP("TAboutBox", "OK"), nullptr, true, nullptr, kOkButton},
    {"Button1", Kind::PushButton, {199, 211, 168, 27}, QT_TRANSLATE_NOOP("TAboutBox", "Meet the SpEcTrUmIx team")},
};
// clang-format on

void SetLook(QWidget* widget, const QColor& color, const QFont& font) {
    widget->setFont(font);
    ui::SetWordsColour(*widget, color);
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : ui::FixedDialog(parent, tr("About SpEcTrUmIx"), {464, 253}) {
    setObjectName(QStringLiteral("AboutBox"));
    setFont(ui::DialogFont(13, false));
    setProperty("helpContext", help::kMakersTopic);

    const QFont small = ui::DialogFont(11, true);
    ui::Form form(*this, "TAboutBox");
    form.Build(kAboutTable,
               [&small](const ui::ControlRow& row, const QString& caption, QWidget* parent) -> QWidget* {
                   switch (row.tag) {
                       case kPlate:
                           return new BevelPanel(parent);
                       case kPicture:
                           return new artwork::TPicture(&artwork::TitleStarPicture, artwork::TitleStarWords(),
                                                        parent);
                       case kOkButton: {
                           auto* button = new QPushButton(ui::CheckMarkGlyph(18), caption, parent);
                           button->setFont(small);
                           return button;
                       }
                       default:
                           return nullptr;
                   }
               });
    const QColor white(255, 255, 255);
    for (const ui::ControlRow& row : kAboutTable) {
        QWidget* control = form[row.name];
        if (row.tag == kWhiteWords)
            SetLook(control, white, small);
        else if (row.tag == kNavyTitle)
            SetLook(control, QColor(0, 0, 128), ui::DialogFont(19, true));
        else if (row.tag == kRedTitle)
            SetLook(control, QColor(255, 0, 0), ui::DialogFont(19, true));
    }
    auto* version = form.get<QLabel>("Version");
    version->setText(version->text().arg(spectrumix::kVersionMajor).arg(spectrumix::kVersionMinor));

    m_okButton = form.get<QPushButton>("OKButton");
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    connect(form.get<QPushButton>("Button1"), &QPushButton::clicked, this, &TAboutBox::Button1Click);
    m_okButton->setFocus();
}

void TAboutBox::OKButtonClick() {
    hide();
}

void TAboutBox::Button1Click() {
    help::ShowTopic(help::kMakersTopic);
}

void TAboutBox::FirstShown() {
    m_okButton->setFocus();
}
