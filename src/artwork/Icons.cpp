// SPDX-License-Identifier: GPL-3.0-or-later
// The Perfect dialog's star and the game's own window icon.
#include "artwork/Drawing.h"

#include "artwork/Artwork.h"

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

// The game in a nutshell: four vertices in the four paint colours on black, joined by the aqua
// edges of a small graph (a ring of four with one diagonal).
QPixmap SmallGraph(int size) {
    QPixmap pixmap = detail::Canvas(size, size, Qt::black);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, size > 16);

    const int side = size <= 16 ? 5 : int(std::lround(size * 0.25));
    const int rim = size >= 48 ? 2 : size > 16 ? 1 : 0;
    const qreal near = side / 2.0 + std::max(1, size / 16);
    const qreal far = size - near;
    const std::array<QPointF, 4> centres{QPointF(near, near), QPointF(far, near), QPointF(far, far),
                                         QPointF(near, far)};
    constexpr std::array<std::pair<int, int>, 5> edges{{{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 2}}};
    painter.setPen(QPen(toQColor(game::clAqua), std::max(1.0, size / 20.0)));
    for (const auto& [a, b] : edges) {
        painter.drawLine(centres[size_t(a)], centres[size_t(b)]);
    }

    for (int k = 0; k < 4; ++k) {
        const QPointF c = centres[size_t(k)];
        const QRect square(int(std::lround(c.x() - side / 2.0)), int(std::lround(c.y() - side / 2.0)), side,
                           side);
        painter.fillRect(square, toQColor(game::clWhite));
        painter.fillRect(square.adjusted(rim, rim, -rim, -rim), toQColor(game::PaintColor(k + 1)));
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
            icon.addPixmap(SmallGraph(size));
        }
        return icon;
    });
}

}  // namespace artwork
