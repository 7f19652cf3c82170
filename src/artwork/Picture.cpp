// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures on windows and icons on buttons, drawn for the screen they are shown on.
#include "artwork/Drawing.h"

#include "artwork/Artwork.h"

#include <cmath>

#include <QEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

namespace artwork {

TPicture::TPicture(Drawing draw, const QString& words, QWidget* parent)
    : QLabel(parent), m_draw(std::move(draw)) {
    setAccessibleName(words);
}

void TPicture::drawForScreen() {
    const qreal ratio = detail::SaneRatio(devicePixelRatioF());
    if ((ratio == m_ratio && m_zoom == m_drawnZoom) || !m_draw)
        return;
    m_ratio = ratio;
    m_drawnZoom = m_zoom;
    if (m_zoom == 1.0) {
        setPixmap(m_draw(ratio));
        return;
    }
    // Drawn for at least as many device pixels as the enlarged picture covers, then shown at
    // that size: as large as the picture now is, and as sharp. The drawing's ratio is rounded up
    // to a quarter, so that the pictures kept for the sizes a player drags the window through
    // stay a few dozen, not one for every size.
    const qreal at = std::ceil(ratio * m_zoom * 4) / 4;
    QPixmap larger = m_draw(at);
    larger.setDevicePixelRatio(at / m_zoom);
    setPixmap(larger);
}

void TPicture::setZoom(qreal zoom) {
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    // While the window is being dragged larger or smaller, the picture drawn last is shown
    // stretched, and drawn afresh once the size rests: drawing it takes longer at a large size
    // than a whole step of the drag may. Back at its designed size it is drawn at once.
    if (m_zoom != 1.0 && !pixmap().isNull()) {
        if (!m_settle) {
            m_settle = new QTimer(this);
            m_settle->setSingleShot(true);
            m_settle->setInterval(150);
            connect(m_settle, &QTimer::timeout, this, [this] {
                drawForScreen();
                update();
            });
        }
        m_settle->start();
        update();
        return;
    }
    if (m_settle)
        m_settle->stop();
    if (isVisible())
        drawForScreen();
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
    if (m_settle && m_settle->isActive()) {
        // The last drawing, stretched to the size the picture has now, where the label puts it.
        const QPixmap shown = pixmap();
        const QSizeF size = shown.deviceIndependentSize() * (m_zoom / m_drawnZoom);
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRectF(QPointF(0, (height() - size.height()) / 2), size), shown, shown.rect());
        return;
    }
    // A ratio that changed without a screen change (a setting of the desktop) shows up here.
    drawForScreen();
    QLabel::paintEvent(event);
}

}  // namespace artwork
