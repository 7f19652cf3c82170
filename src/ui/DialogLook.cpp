// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogLook.h"

#include "ui/DrawnIcon.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QStringList>

namespace ui {

QFont DialogFont(int pixelSize, bool bold) {
    QFont font;
    // Liberation Sans keeps the narrow letter widths the captions were laid out for.
    font.setFamilies(QStringList{"Liberation Sans", "Arial", "DejaVu Sans", "Nimbus Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setWindowTitle(caption);
    dialog.setFixedSize(width, height);
    dialog.setSizeGripEnabled(false);
}

void KeepLightFace(QWidget& window) {
    if (window.palette().color(QPalette::Window).lightnessF() >= 0.5)
        return;
    window.setPalette(QPalette(QColor(240, 240, 240)));
}

void CenterOnScreen(QWidget& window, QSize outer) {
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (outer.isEmpty())
        outer = window.size();
    const QRect area = screen->availableGeometry();
    // Half the space left over on each side, rounded down, as the game has always placed them.
    window.move(area.topLeft() +
                QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2));
}

QIcon CheckMarkGlyph(int size) {
    // Drawn for the pixel size each button asks for, so it is sharp on any screen.
    return ui::DrawnIcon(size, [size](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        // Drawn on a 16-pixel design and scaled to the button's glyph size.
        const qreal scale = size / 16.0;
        painter.scale(scale, scale);
        painter.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    });
}

QFrame* MakeBevel(QWidget* parent, const QRect& place) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(place);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bevel;
}

}  // namespace ui
