// SPDX-License-Identifier: GPL-3.0-or-later
// artwork::detail: helpers shared by the picture makers; not part of the library's public face.
#pragma once

#include "ui/Colors.h"
#include "ui/DrawnIcon.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QString>

#include <functional>

namespace artwork::detail {

// A bold face of an installed family, falling back to whatever the system maps the hint to.
QFont BoldFont(bool serif);

// The outline of `text`, scaled uniformly so that its ink fills `box` as far as it can and
// centred in it. `maxStretch` > 1 lets short, wide words grow taller than their natural
// proportions (up to that factor) so they still fill a flat box.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box, qreal maxStretch = 1.0);

// A spiral of hues turning around `centre`, the look behind the dialog pictures.
struct SwirlStyle {
    qreal saturation = 1.0;
    qreal brightness = 1.0;
    qreal bandDepth = 0.0;  // how much the brightness dips between the spiral's bands (0..1)
    qreal turnLength = 60;  // pixels outwards for one full turn of the hues
    int arms = 2;           // how many times the rainbow goes round the centre
    qreal hueStart = 0.0;   // first hue, 0..1
    qreal hueRange = 1.0;   // share of the colour wheel used
};
// `width`, `height` and `centre` are in the picture's own pixels; the image has `ratio` device
// pixels for each of them, so the spiral is the same shape at every screen resolution.
QImage Swirl(int width, int height, QPointF centre, const SwirlStyle& style, qreal ratio = 1.0);

// Pictures and icons are drawn once per application and kept under a key; the store empties
// itself when the application object goes away, so a later application draws them afresh.
QPixmap Kept(const QString& key, const std::function<QPixmap()>& draw);
QIcon KeptIcon(const QString& key, const std::function<QIcon()>& draw);

// A transparent or black canvas of the given logical size with `ratio` device pixels a pixel;
// whoever paints on it paints in logical pixels.
QPixmap Canvas(int width, int height, const QColor& fill, qreal ratio = 1.0);

// The key of a picture drawn at a device pixel ratio; at 1 it is the plain key.
QString KeyAt(const QString& key, qreal ratio);

using ui::DeviceSize;
using ui::SaneRatio;

}  // namespace artwork::detail
