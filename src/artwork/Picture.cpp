// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures on windows and icons on buttons, drawn for the screen they are shown on.
#include "artwork/Drawing.h"

#include "artwork/Artwork.h"

#include <QEvent>
#include <QPainter>

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
    // Drawn for as many device pixels as the enlarged picture covers, then shown at the screen's
    // own ratio: as large as the picture now is, and as sharp.
    QPixmap larger = m_draw(ratio * m_zoom);
    larger.setDevicePixelRatio(ratio);
    setPixmap(larger);
}

void TPicture::setZoom(qreal zoom) {
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
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
    // A ratio that changed without a screen change (a setting of the desktop) shows up here.
    drawForScreen();
    QLabel::paintEvent(event);
}

}  // namespace artwork
