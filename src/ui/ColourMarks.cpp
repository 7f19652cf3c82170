// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ColourMarks.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ui/Colors.h"

namespace ui {

namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& colour) {
    return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) + 0.0722 * Linear(colour.blue());
}

// The largest bold face whose digit fits `box` whole; the board asks for a handful of sizes, so
// the answer for the last size is kept.
QFont MarkFace(const QFont& base, const QSize& box) {
    static QSize lastBox;
    static QFont lastFace;
    static QString lastFamily;
    if (box == lastBox && base.family() == lastFamily)
        return lastFace;
    QFont face = base;
    face.setBold(true);
    int size = std::max(1, box.height() * 3 / 2);
    for (; size > 1; --size) {
        face.setPixelSize(size);
        // "8" is as tall and as wide as the widest of the four digits.
        const QRect ink = QFontMetrics(face).tightBoundingRect(QStringLiteral("8"));
        if (ink.width() <= box.width() && ink.height() <= box.height())
            break;
    }
    face.setPixelSize(size);
    lastBox = box;
    lastFace = face;
    lastFamily = base.family();
    return face;
}

}  // namespace

QColor ShownColour(game::TColor paint, bool safe) {
    return toQColor(safe ? game::SafeShown(paint) : paint);
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor MarkColourOn(const QColor& fill) {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(black, fill) >= ContrastRatio(white, fill) ? black : white;
}

void DrawColourMark(QPainter& painter, const QRect& box, int number, const QColor& fill) {
    if (number < 1 || number > 4 || box.width() < 3 || box.height() < 3)
        return;
    const QString digit = QString::number(number);
    // A pixel of the fill all round keeps the digit off the outline.
    const QRect room = box.adjusted(1, 1, -1, -1);
    const QFont face = MarkFace(painter.font(), room.size());
    const QRect ink = QFontMetrics(face).tightBoundingRect(digit);
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(face);
    painter.setPen(MarkColourOn(fill));
    painter.setClipRect(box);
    // The digit's own ink, not its line box, is centred: the box is barely larger than the digit.
    const QPointF centre = QRectF(box).center();
    const QPointF inkCentre = QRectF(ink).center();
    painter.drawText(QPointF(std::round(centre.x() - inkCentre.x()), std::round(centre.y() - inkCentre.y())),
                     digit);
    painter.restore();
}

int SelectionRingWidth(const QSize& control) {
    return std::max(2, std::min(control.width(), control.height()) / 10);
}

}  // namespace ui
