// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/About.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/HelpViewer.h"
#include "app/Version.h"
#include "artwork/Artwork.h"
#include "ui/DialogLook.h"
#include "ui/Modeless.h"

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

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, const QColor& color,
                  const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

QString ReleaseLine() {
    return QCoreApplication::translate("TAboutBox", "SpEcTrUmIx Team  Dec 2026");
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About SpEcTrUmIx"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFixedSize(464, 253);
    setFont(ui::DialogFont(13, false));
    setProperty("helpContext", help::kMakersTopic);

    auto* panel = new BevelPanel(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(11, 20, 441, 176);

    const QColor white(255, 255, 255);
    const QFont small = ui::DialogFont(11, true);
    // Major and minor only, from the project's one version number: "Version 1.0".
    const QString version = tr("Version %1.%2").arg(spectrumix::kVersionMajor).arg(spectrumix::kVersionMinor);
    MakeLabel(panel, "Version", version, {14, 42, 65, 13}, white, small);
    MakeLabel(panel, "Copyright", tr("\u00A9 2026 The SpEcTrUmIx team"), {15, 57, 167, 13}, white, small);
    MakeLabel(panel, "Label8", tr("and all its contributors"), {15, 73, 167, 13}, white, small);
    // The red title is drawn three pixels left of a navy copy, which shows as a shadow on its right.
    MakeLabel(panel, "Label1", ReleaseLine(), {16, 91, 277, 23}, QColor(0, 0, 128), ui::DialogFont(19, true));
    MakeLabel(panel, "Label7", ReleaseLine(), {13, 91, 277, 23}, QColor(255, 0, 0), ui::DialogFont(19, true));
    MakeLabel(panel, "Label2", tr("Write to us through the game's project page."), {15, 117, 331, 13}, white,
              small);

    auto* image = new artwork::TPicture(&artwork::TitleStarPicture, artwork::TitleStarWords(), panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(307, 6, 120, 160);

    m_okButton = new QPushButton(ui::CheckMarkGlyph(18), tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setGeometry(119, 211, 77, 27);
    m_okButton->setFont(small);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

    auto* makers = new QPushButton(tr("Meet the SpEcTrUmIx team"), this);
    makers->setObjectName(QStringLiteral("Button1"));
    makers->setGeometry(199, 211, 168, 27);
    connect(makers, &QPushButton::clicked, this, &TAboutBox::Button1Click);

    m_okButton->setFocus();
}

void TAboutBox::OKButtonClick() {
    hide();
}

void TAboutBox::Button1Click() {
    help::ShowTopic(help::kMakersTopic);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    // The box has no cancel button, so Escape leaves it open.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutBox::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        ui::CenterOnScreen(*this);
        m_okButton->setFocus();
    }
    QDialog::showEvent(event);
}
