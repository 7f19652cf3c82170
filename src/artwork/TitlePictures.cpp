// SPDX-License-Identifier: GPL-3.0-or-later
// The board's two title pictures and the title-and-star picture of the settings dialog and
// the about box.
#include "artwork/Drawing.h"

#include "artwork/Artwork.h"
#include "engine/State.h"

#include <QConicalGradient>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace artwork {

namespace {

// Serif letters shading from red at the top to yellow at the foot, with a dark shadow cast
// down and to the right, on black: the board's greeting and its closing words share the look.
QPixmap TitleWords(const QString& words, int width, int height, qreal ratio) {
    QPixmap pixmap = detail::Canvas(width, height, Qt::black, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    constexpr qreal shadowOffset = 2.5;
    // Room on the left and top for the letters, on the right and bottom for their shadow,
    // so the corners stay black.
    const QRectF box(3, 3, width - 6 - shadowOffset, height - 6 - shadowOffset);
    const QPainterPath letters = detail::FittedText(words, detail::BoldFont(true), box, 1.35);
    const QRectF ink = letters.boundingRect();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(80, 16, 8));
    painter.drawPath(letters.translated(shadowOffset, shadowOffset));
    painter.setBrush(QColor(130, 30, 10));
    painter.drawPath(letters.translated(shadowOffset / 2, shadowOffset / 2));

    QLinearGradient shade(ink.topLeft(), ink.bottomLeft());
    shade.setColorAt(0.0, QColor(220, 0, 0));
    shade.setColorAt(0.45, QColor(255, 90, 0));
    shade.setColorAt(1.0, QColor(255, 240, 40));
    painter.setBrush(shade);
    painter.setPen(QPen(QColor(150, 20, 0), 0.6));
    painter.drawPath(letters);
    return pixmap;
}

using game::kTitlePairs;
// The title staggers its pairs up and down, as the board's title labels do.
constexpr std::array<int, kTitlePairs.size()> kTitleDrops{2, 8, 0, 6, 0};

void DrawTitlePairs(QPainter& painter, int width) {
    const QFont font = detail::BoldFont(false);
    const qreal capHeight = QFontMetricsF(font).capHeight();
    const int boxWidth = width / int(kTitlePairs.size());
    constexpr int boxHeight = 26;
    constexpr qreal letterHeight = 14;  // capitals; the p of "Sp" hangs below
    for (int i = 0; i < int(kTitlePairs.size()); ++i) {
        const game::TitlePair& pair = kTitlePairs[size_t(i)];
        const QRect box(i * boxWidth, 4 + kTitleDrops[size_t(i)], boxWidth, boxHeight);
        painter.fillRect(box, toQColor(pair.background));

        // Every pair stands on one baseline at one height; a pair too wide for its box is
        // narrowed rather than shrunk, as the board's labels crop rather than shrink.
        QPainterPath text;
        text.addText(0, 0, font, QString::fromLatin1(pair.letters));
        const qreal scale = letterHeight / capHeight;
        const QRectF ink = text.boundingRect();
        const qreal room = box.width() - 3.0;
        const qreal narrow = std::min(1.0, room / (ink.width() * scale));
        QTransform place;
        place.translate(box.left() + box.width() / 2.0, box.top() + 5 + letterHeight);
        place.scale(scale * narrow, scale);
        place.translate(-ink.center().x(), 0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(toQColor(pair.text));
        painter.drawPath(place.map(text));
    }
}

// A many-pointed string-art star: sixteen points on a circle, each joined to the points seven
// and five steps on, every chord in its own hue, the points marked as the game's vertices.
void DrawStar(QPainter& painter, QPointF centre, qreal radius) {
    constexpr int points = 16;
    constexpr qreal twoPi = 2 * std::numbers::pi;
    const auto at = [&](int k, qreal r) {
        const qreal angle = twoPi * k / points - std::numbers::pi / 2;
        return QPointF(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
    };

    for (const int step : {7, 5}) {
        for (int k = 0; k < points; ++k) {
            const qreal hue = std::fmod(qreal(k) / points + step * 0.11, 1.0);
            painter.setPen(QPen(QColor::fromHsvF(float(hue), 1.0f, 1.0f), 1.2));
            painter.drawLine(at(k, radius), at(k + step, radius));
        }
    }

    // The chords leave a small hole in the middle; a rainbow rosette fills it.
    QConicalGradient rosette(centre, 90);
    for (int k = 0; k <= 6; ++k) {
        rosette.setColorAt(k / 6.0, QColor::fromHsvF(float(k % 6) / 6.0f, 1.0f, 1.0f));
    }
    QPolygonF sparkle;
    for (int k = 0; k < 16; ++k) {
        sparkle << at(k, k % 2 == 0 ? radius * 0.19 : radius * 0.09);
    }
    painter.setPen(QPen(Qt::white, 0.8));
    painter.setBrush(rosette);
    painter.drawPolygon(sparkle);

    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);

    for (int k = 0; k < points; ++k) {
        const QPointF p = at(k, radius);
        const QRectF vertex(p.x() - 3, p.y() - 3, 6, 6);
        painter.setPen(QPen(toQColor(game::clFuchsia), 1.0));
        painter.setBrush(toQColor(game::PaintColor(1 + k % 4)));
        painter.drawRect(vertex);
    }
}

}  // namespace

QString ColorAllVerticesWords() {
    return QCoreApplication::translate("artwork", "Color All Vertices");
}

QString PuzzleSolvedWords() {
    return QCoreApplication::translate("artwork", "Puzzle Solved");
}

QString TitleStarWords() {
    return QCoreApplication::translate("artwork", "SpEcTrUmIx");
}

QPixmap ColorAllVerticesPicture(qreal ratio) {
    const QString words = ColorAllVerticesWords();
    return detail::Kept(detail::KeyAt(QStringLiteral("ColorAllVertices:") + words, ratio),
                        [&] { return TitleWords(words, 300, 37, ratio); });
}

QPixmap PuzzleSolvedPicture(qreal ratio) {
    const QString words = PuzzleSolvedWords();
    return detail::Kept(detail::KeyAt(QStringLiteral("PuzzleSolved:") + words, ratio),
                        [&] { return TitleWords(words, 300, 44, ratio); });
}

QPixmap TitleStarPicture(qreal ratio) {
    return detail::Kept(detail::KeyAt(QStringLiteral("TitleStar"), ratio), [ratio] {
        constexpr int width = 120;
        constexpr int height = 160;
        QPixmap pixmap = detail::Canvas(width, height, Qt::black, ratio);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawTitlePairs(painter, width);
        DrawStar(painter, QPointF(width / 2.0, 98), 54);
        return pixmap;
    });
}

}  // namespace artwork
