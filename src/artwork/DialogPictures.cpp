// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the end-of-game dialogs: the rating banners and the question marks of the
// "Decide Your Fate" dialogs.
#include "artwork/Drawing.h"

#include "artwork/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace artwork {

namespace {

// A word raised off the picture: a dark extruded side stepped down and to the right, the face
// in front of it lit from above, a thin dark rim and a bright edge along the top.
struct BlockLetters {
    QColor faceTop;
    QColor faceBottom;
    QColor sideNear;
    QColor sideFar;
    QColor rim;
    int depth;
};

void DrawBlockLetters(QPainter& painter, const QPainterPath& face, const BlockLetters& look) {
    const QRectF ink = face.boundingRect();
    painter.setPen(Qt::NoPen);

    // A soft shadow on the background, then the extrusion from the back to the front.
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(face.translated(look.depth + 3, look.depth + 4));
    for (int step = look.depth; step >= 1; --step) {
        const qreal t = qreal(step - 1) / std::max(1, look.depth - 1);
        const QColor side = QColor::fromRgbF(
            float(look.sideNear.redF() + (look.sideFar.redF() - look.sideNear.redF()) * t),
            float(look.sideNear.greenF() + (look.sideFar.greenF() - look.sideNear.greenF()) * t),
            float(look.sideNear.blueF() + (look.sideFar.blueF() - look.sideNear.blueF()) * t));
        painter.setBrush(side);
        painter.drawPath(face.translated(step * 0.8, step));
    }

    QLinearGradient light(ink.topLeft(), ink.bottomLeft());
    light.setColorAt(0.0, look.faceTop);
    light.setColorAt(1.0, look.faceBottom);
    painter.setBrush(light);
    painter.setPen(QPen(look.rim, 1.2));
    painter.drawPath(face);

    // A glint along the upper edges, clipped to the face so it reads as a bevel.
    painter.save();
    painter.setClipPath(face);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 220, 140), 1.4));
    painter.drawPath(face.translated(0.9, 1.1));
    painter.restore();
}

// A swirl as the picture's background, at the screen's ratio.
QPixmap SwirlPicture(int width, int height, QPointF centre, const detail::SwirlStyle& style, qreal ratio) {
    QPixmap pixmap = QPixmap::fromImage(detail::Swirl(width, height, centre, style, ratio));
    pixmap.setDevicePixelRatio(detail::SaneRatio(ratio));
    return pixmap;
}

}  // namespace

QPixmap BannerPicture(const QString& word, qreal ratio) {
    return detail::Kept(detail::KeyAt(QStringLiteral("Banner:") + word, ratio), [word, ratio] {
        constexpr int width = 392;
        constexpr int height = 103;
        const detail::SwirlStyle rainbow{
            .saturation = 0.62, .brightness = 1.0, .bandDepth = 0.18, .turnLength = 100, .arms = 1};
        QPixmap pixmap = SwirlPicture(width, height, QPointF(width * 0.5, height * 0.5), rainbow, ratio);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);

        // A pale haze behind the word keeps the orange letters clear of the orange in the swirl.
        QRadialGradient haze(QPointF(width / 2.0, height / 2.0), width * 0.55);
        haze.setColorAt(0.0, QColor(255, 255, 255, 110));
        haze.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.fillRect(QRectF(0, 0, width, height), haze);

        const BlockLetters look{QColor(255, 196, 40), QColor(235, 50, 0), QColor(150, 30, 0),
                                QColor(70, 10, 0),    QColor(80, 0, 0),   7};
        const QRectF box(12, 10, width - 24 - look.depth, height - 22 - look.depth);
        const QPainterPath face = detail::FittedText(word, detail::BoldFont(true), box, 1.25);
        DrawBlockLetters(painter, face, look);
        return pixmap;
    });
}

QPixmap QuestionMarksPicture(qreal ratio) {
    return detail::Kept(detail::KeyAt(QStringLiteral("QuestionMarks"), ratio), [ratio] {
        constexpr int width = 272;
        constexpr int height = 88;
        const detail::SwirlStyle dusk{.saturation = 0.85,
                                      .brightness = 0.42,
                                      .bandDepth = 0.6,
                                      .turnLength = 90,
                                      .arms = 3,
                                      .hueStart = 0.55,
                                      .hueRange = 0.35};
        QPixmap pixmap = SwirlPicture(width, height, QPointF(width * 0.5, height * 0.55), dusk, ratio);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);

        struct Mark {
            QColor top;
            QColor bottom;
            QColor side;
            qreal tilt;
        };
        const std::array<Mark, 3> marks{{
            {QColor(255, 120, 100), QColor(200, 0, 0), QColor(90, 0, 0), -12},
            {QColor(150, 255, 120), QColor(0, 170, 0), QColor(0, 70, 0), 0},
            {QColor(130, 170, 255), QColor(20, 40, 230), QColor(0, 0, 90), 12},
        }};
        const QFont font = detail::BoldFont(true);
        const qreal slot = width / 3.0;
        for (int i = 0; i < int(marks.size()); ++i) {
            const Mark& mark = marks[size_t(i)];
            const QRectF box(i * slot + slot * 0.2, 6, slot * 0.6 - 5, height - 17);
            QPainterPath face = detail::FittedText(QStringLiteral("?"), font, box);
            QTransform lean;
            lean.translate(box.center().x(), box.center().y());
            lean.rotate(mark.tilt);
            lean.translate(-box.center().x(), -box.center().y());
            face = lean.map(face);
            DrawBlockLetters(painter, face,
                             {mark.top, mark.bottom, mark.side, QColor(0, 0, 0), QColor(255, 255, 255), 5});
        }
        return pixmap;
    });
}

}  // namespace artwork
