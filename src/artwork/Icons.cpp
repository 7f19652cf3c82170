// SPDX-License-Identifier: GPL-3.0-or-later
// The Perfect dialog's star and the game's window icon.
#include "artwork/Drawing.h"

#include "artwork/Artwork.h"
#include "engine/State.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

namespace artwork {

namespace {

// A faceted five-pointed star: each point split along its spine into a lit yellow half and a
// shaded olive half, outlined in black, with hard edges as on a sixteen-colour screen.
QPixmap GoldStar() {
    constexpr int size = 32;
    QPixmap pixmap = detail::Canvas(size, size, Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QPointF centre(16, 17);
    constexpr qreal outer = 15;
    constexpr qreal inner = 6;
    const auto at = [&](int k, qreal r) {
        const qreal angle = std::numbers::pi * k / 5 - std::numbers::pi / 2;
        return QPointF(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
    };

    QPolygonF outline;
    for (int k = 0; k < 10; ++k) {
        outline << at(k, k % 2 == 0 ? outer : inner);
    }
    // An even black rim all round: the star's outline widened, laid under the facets.
    QPainterPath shape;
    shape.addPolygon(outline);
    shape.closeSubpath();
    QPainterPathStroker widen;
    widen.setWidth(2.2);
    widen.setJoinStyle(Qt::MiterJoin);
    widen.setMiterLimit(2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(widen.createStroke(shape).united(shape));

    const QColor lit = toQColor(game::clYellow);
    const QColor shaded(128, 128, 0);  // olive, the basic palette's dark yellow
    for (int tip = 0; tip < 10; tip += 2) {
        // Light comes from the upper left: the half of each point facing it is the bright one.
        const QPolygonF before{centre, at(tip - 1, inner), at(tip, outer)};
        const QPolygonF after{centre, at(tip, outer), at(tip + 1, inner)};
        const bool beforeLit = tip == 0 || tip == 8 || tip == 6;
        painter.setBrush(beforeLit ? lit : shaded);
        painter.drawPolygon(before);
        painter.setBrush(tip == 0 || tip == 8 || tip == 2 ? lit : shaded);
        painter.drawPolygon(after);
    }

    // A white glint on the upper left point.
    painter.setPen(Qt::white);
    painter.drawPoint(QPointF(11, 13));
    painter.drawPoint(QPointF(12, 12));
    painter.drawPoint(QPointF(15, 6));
    painter.drawPoint(QPointF(15, 7));
    return pixmap;
}

// The picture of the desktop entry's icon (packaging/org.spectrumix.spectrumix.svg), drawn
// here for when the desktop's icon theme does not have it (a game run from its build folder):
// five vertices on a circle in three of the paint colours, joined by aqua edges, on black.
QPixmap DesktopIconPicture(int size) {
    QPixmap pixmap = detail::Canvas(size, size, Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // The icon's own 128-unit design.
    painter.scale(size / 128.0, size / 128.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(4, 4, 120, 120), 18, 18);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x40), 2));
    painter.drawEllipse(QPointF(64, 64), 42, 42);

    constexpr std::array<QPoint, 5> centres{{{64, 22}, {100, 85}, {28, 85}, {104, 50}, {24, 50}}};
    constexpr std::array<std::pair<int, int>, 8> edges{
        {{0, 1}, {0, 2}, {2, 1}, {0, 3}, {3, 1}, {2, 4}, {4, 0}, {4, 3}}};
    painter.setPen(QPen(toQColor(game::clAqua), 4, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [a, b] : edges) {
        painter.drawLine(centres[size_t(a)], centres[size_t(b)]);
    }
    const std::array<QColor, 5> fills{toQColor(game::PaintColor(1)), toQColor(game::PaintColor(2)),
                                      toQColor(game::PaintColor(3)), toQColor(game::PaintColor(3)),
                                      toQColor(game::PaintColor(2))};
    painter.setPen(QPen(toQColor(game::PaintColor(4)), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (size_t k = 0; k < centres.size(); ++k) {
        painter.setBrush(fills[k]);
        painter.drawRect(QRect(centres[k] - QPoint(11, 11), QSize(22, 22)));
    }
    return pixmap;
}

}  // namespace

QIcon PerfectDialogIcon() {
    return detail::KeptIcon(QStringLiteral("PerfectDialogIcon"), [] { return QIcon(GoldStar()); });
}

QIcon ApplicationIcon() {
    return detail::KeptIcon(QStringLiteral("ApplicationIcon"), [] {
        QIcon icon;
        for (const int size : {16, 32, 48, 64}) {
            icon.addPixmap(DesktopIconPicture(size));
        }
        return icon;
    });
}

QIcon DesktopThemeIcon() {
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(kDesktopIconName));
    return themed.availableSizes().isEmpty() ? QIcon() : themed;
}

}  // namespace artwork
