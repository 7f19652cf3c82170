// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawnIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ui {

qreal SaneRatio(qreal ratio) {
    // Beyond 8 no screen exists, and a picture's memory grows with the square of it.
    return std::isfinite(ratio) && ratio >= 1.0 ? std::min(ratio, 8.0) : 1.0;
}

QSize DeviceSize(QSize logical, qreal ratio) {
    return (QSizeF(logical) * ratio).toSize();
}

namespace {

class DrawnIconEngine : public QIconEngine {
  public:
    DrawnIconEngine(int logicalSize, std::function<void(QPainter&)> draw)
        : m_size(logicalSize), m_draw(std::move(draw)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        if (size.isEmpty())
            return pixmap;
        {
            QPainter painter(&pixmap);
            // At the logical size this is the identity: the glyph is exactly what it always was.
            if (size != QSize(m_size, m_size))
                painter.scale(qreal(size.width()) / m_size, qreal(size.height()) / m_size);
            m_draw(painter);
        }
        if (mode != QIcon::Normal && qApp) {
            QStyleOption option;
            option.palette = QApplication::palette();
            return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = SaneRatio(painter->device() ? painter->device()->devicePixelRatioF() : 1.0);
        QPixmap drawn = pixmap(DeviceSize(rect.size(), ratio), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    // Asked for a size in device pixels on a screen of `scale`: drawn at that size, marked as such.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap drawn = pixmap(size, mode, state);
        drawn.setDevicePixelRatio(SaneRatio(scale));
        return drawn;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QIconEngine* clone() const override { return new DrawnIconEngine(m_size, m_draw); }

    QString key() const override { return QStringLiteral("SpEcTrUmIxDrawn"); }

  private:
    int m_size;
    std::function<void(QPainter&)> m_draw;
};

}  // namespace

QIcon DrawnIcon(int logicalSize, std::function<void(QPainter&)> draw) {
    return QIcon(new DrawnIconEngine(logicalSize, std::move(draw)));
}

}  // namespace ui
