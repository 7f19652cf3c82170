// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork/Drawing.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHash>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artwork::detail {

QFont BoldFont(bool serif) {
    static const char* const serifFaces[] = {"DejaVu Serif", "Liberation Serif", "Times New Roman"};
    static const char* const sansFaces[] = {"DejaVu Sans", "Liberation Sans", "Arial"};
    QFont font;
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif, QFont::PreferAntialias);
    const QStringList installed = QFontDatabase::families();
    for (const char* face : serif ? serifFaces : sansFaces) {
        if (installed.contains(QString::fromLatin1(face), Qt::CaseInsensitive)) {
            font.setFamily(QString::fromLatin1(face));
            break;
        }
    }
    font.setBold(true);
    // Outlines are scaled afterwards; a large design size keeps the hinting out of the shapes.
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box, qreal maxStretch) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty() || box.isEmpty()) {
        return QPainterPath();
    }
    const qreal scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    const qreal stretch = std::clamp(box.height() / (ink.height() * scale), 1.0, std::max(1.0, maxStretch));
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale * stretch);
    fit.translate(-ink.center().x(), -ink.center().y());
    return fit.map(path);
}

QImage Swirl(int width, int height, QPointF centre, const SwirlStyle& style, qreal ratio) {
    ratio = SaneRatio(ratio);
    const QSize device = DeviceSize(QSize(width, height), ratio);
    const int deviceWidth = device.width();
    const int deviceHeight = device.height();
    QImage image(deviceWidth, deviceHeight, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    constexpr qreal twoPi = 2 * std::numbers::pi;
    for (int y = 0; y < deviceHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < deviceWidth; ++x) {
            // Every device pixel samples the spiral at its own centre, in logical pixels.
            const qreal dx = (x + 0.5) / ratio - centre.x();
            const qreal dy = (y + 0.5) / ratio - centre.y();
            const qreal radius = std::hypot(dx, dy);
            // Angle plus distance: lines of equal hue wind outwards as spirals.
            qreal turn = std::atan2(dy, dx) / twoPi * style.arms + radius / style.turnLength;
            turn -= std::floor(turn);
            // Fold the hue range back on itself so that a partial wheel has no seam.
            const qreal along = style.hueRange >= 1.0 ? turn : 1.0 - std::abs(2 * turn - 1);
            qreal hue = style.hueStart + along * style.hueRange;
            hue -= std::floor(hue);
            const qreal band = 0.5 + 0.5 * std::cos(twoPi * 2 * turn);
            const qreal value = style.brightness * (1.0 - style.bandDepth * band);
            line[x] =
                QColor::fromHsvF(float(hue), float(style.saturation), float(std::clamp(value, 0.0, 1.0)))
                    .rgb();
        }
    }
    return image;
}

namespace {

struct Store {
    QHash<QString, QPixmap> pixmaps;
    QHash<QString, QIcon> icons;
    bool forgetRegistered = false;
};

Store& TheStore() {
    static Store store;
    return store;
}

// Pixmaps belong to the application that made them; drop them with it.
void Forget() {
    Store& store = TheStore();
    store.pixmaps.clear();
    store.icons.clear();
    store.forgetRegistered = false;
}

void ForgetWithApplication() {
    Store& store = TheStore();
    if (!store.forgetRegistered) {
        // The application runs each of these once when it ends and then drops the list.
        qAddPostRoutine(Forget);
        store.forgetRegistered = true;
    }
}

template <typename Kind>
Kind KeptIn(QHash<QString, Kind>& kept, const QString& key, const std::function<Kind()>& draw) {
    if (const auto found = kept.constFind(key); found != kept.constEnd())
        return *found;
    ForgetWithApplication();
    const Kind drawn = draw();
    kept.insert(key, drawn);
    return drawn;
}

}  // namespace

QPixmap Kept(const QString& key, const std::function<QPixmap()>& draw) {
    return KeptIn(TheStore().pixmaps, key, draw);
}

QIcon KeptIcon(const QString& key, const std::function<QIcon()>& draw) {
    return KeptIn(TheStore().icons, key, draw);
}

QPixmap Canvas(int width, int height, const QColor& fill, qreal ratio) {
    ratio = SaneRatio(ratio);
    QPixmap pixmap(DeviceSize(QSize(width, height), ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(fill);
    return pixmap;
}

QString KeyAt(const QString& key, qreal ratio) {
    ratio = SaneRatio(ratio);
    return ratio == 1.0 ? key : key + QStringLiteral("@") + QString::number(ratio);
}

}  // namespace artwork::detail
