// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures on windows and icons on buttons, drawn for the screen they are shown on.
#include "Drawing.h"

#include "Artwork.h"

#include <QApplication>
#include <QEvent>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <cmath>
#include <utility>

namespace artwork {

TPicture::TPicture(Drawing draw, const QString& words, QWidget* parent)
    : QLabel(parent), m_draw(std::move(draw)) {
    setAccessibleName(words);
}

void TPicture::drawForScreen() {
    const qreal ratio = detail::SaneRatio(devicePixelRatioF());
    if (ratio == m_ratio || !m_draw)
        return;
    m_ratio = ratio;
    setPixmap(m_draw(ratio));
}

bool TPicture::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        case QEvent::DevicePixelRatioChange:
#endif
            drawForScreen();
            break;
        default:
            break;
    }
    return QLabel::event(event);
}

void TPicture::paintEvent(QPaintEvent* event) {
    // A ratio that changed without a screen change (a setting of the desktop) shows up here.
    drawForScreen();
    QLabel::paintEvent(event);
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
        const qreal ratio =
            detail::SaneRatio(painter->device() ? painter->device()->devicePixelRatioF() : 1.0);
        QPixmap drawn = pixmap(
            QSize(int(std::ceil(rect.width() * ratio)), int(std::ceil(rect.height() * ratio))), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    // Asked for a size in device pixels on a screen of `scale`: drawn at that size, marked as such.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap drawn = pixmap(size, mode, state);
        drawn.setDevicePixelRatio(detail::SaneRatio(scale));
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

}  // namespace artwork
