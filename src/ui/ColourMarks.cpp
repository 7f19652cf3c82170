// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ColourMarks.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <array>
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

// The largest bold face in which each of the four digits fits `box` whole. A board asks for two
// or three sizes (vertices, twins, painters), each on every paint: the last few answers are kept,
// as plain numbers, so nothing needs tearing down when the game ends.
QFont MarkFace(const QFont& base, const QSize& box) {
    struct Fit {
        int width = 0;
        int height = 0;
        std::size_t font = 0;
        int pixelSize = 0;
    };
    static std::array<Fit, 8> fits{};
    static std::size_t next = 0;
    QFont face = base;
    face.setBold(true);
    const std::size_t font = qHash(base.key());
    for (const Fit& fit : fits) {
        if (fit.pixelSize > 0 && fit.width == box.width() && fit.height == box.height() && fit.font == font) {
            face.setPixelSize(fit.pixelSize);
            return face;
        }
    }
    const auto fitsIn = [&box](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        for (const char digit : {'1', '2', '3', '4'}) {
            const QRect ink = metrics.tightBoundingRect(QString(QLatin1Char(digit)));
            if (ink.width() > box.width() || ink.height() > box.height())
                return false;
        }
        return true;
    };
    // A digit's ink is about three quarters of the face's pixel size: start a little above that.
    int size = std::max(1, box.height() * 3 / 2);
    for (; size > 1; --size) {
        face.setPixelSize(size);
        if (fitsIn(face))
            break;
    }
    face.setPixelSize(size);
    fits[next] = {box.width(), box.height(), font, size};
    next = (next + 1) % fits.size();
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

void DrawVertexSquare(QPainter& painter, const QRect& square, game::TColor pen, int penPixels, game::TColor fill,
                      bool marks, bool safe) {
    // The square's rectangle for pen width p runs from (p div 2, p div 2) to
    // (p div 2 + W - p + 1, p div 2 + H - p + 1), right and bottom exclusive, and the pen is
    // centred on its border (p div 2 pixels outwards, the rest inwards). So whatever the
    // width, the outline is exactly the outer p pixels of the square and the fill is the rest:
    // the square always ends where its bounds end, and edge lines stop at its border.
    const int p = std::max(1, penPixels);
    const int w = square.width();
    const int h = square.height();
    const int left = p / 2;
    const int top = p / 2;
    const int right = left + w - p + 1;  // exclusive
    const int bottom = top + h - p + 1;  // exclusive
    const int outerLeft = left - p / 2;
    const int outerTop = top - p / 2;
    const int outerRight = (right - 1) - p / 2 + p;    // exclusive
    const int outerBottom = (bottom - 1) - p / 2 + p;  // exclusive
    const QRect outer =
        QRect(outerLeft, outerTop, outerRight - outerLeft, outerBottom - outerTop).translated(square.topLeft());
    const QRect inner = outer.adjusted(p, p, -p, -p);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(outer, toQColor(pen));
    if (!inner.isValid())
        return;
    const QColor shown = ShownColour(fill, safe);
    painter.fillRect(inner, shown);
    if (marks)
        DrawColourMark(painter, inner, game::ColorIndexOf(fill), shown);
}

}  // namespace ui
