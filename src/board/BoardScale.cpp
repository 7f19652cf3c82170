// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardScale.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "artwork/Artwork.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "ui/DialogLook.h"

namespace board {

namespace {

// The designed face at the factor: pixel sizes are whole, so the nearest one.
QFont ZoomedFont(QFont font, qreal zoom) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * zoom)));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    return font;
}

// A caption set tighter to fit its box at the designed size may round a pixel wider when it is
// enlarged: it is set a size smaller until it fits again.
void KeepInside(QLabel& label) {
    const QString text = label.text();
    if (text.isEmpty() || !label.pixmap().isNull())
        return;
    QFont font = label.font();
    while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(text) > label.width())
        font.setPixelSize(font.pixelSize() - 1);
    label.setFont(font);
}

}  // namespace

TBoardScale::Control& TBoardScale::Known(QWidget* control) {
    const auto found = m_controls.find(control);
    if (found != m_controls.end())
        return found->second;
    // Seen first while the board stands as designed: where it stands now is its designed place.
    Control known;
    known.rect = control->geometry().translated(-m_offset);
    known.font = control->font();
    known.ownFont = control->testAttribute(Qt::WA_SetFont);
    return m_controls.emplace(control, known).first->second;
}

int TBoardScale::Scaled(qreal length) const {
    return qRound(length * m_zoom);
}

QRect TBoardScale::Shown(const QRect& designed) const {
    if (m_zoom == 1.0)
        return designed.translated(m_offset);
    return {Scaled(designed.x()) + m_offset.x(), Scaled(designed.y()) + m_offset.y(), Scaled(designed.width()),
            Scaled(designed.height())};
}

void TBoardScale::Show(QWidget* control, Control& known) {
    if (known.ownFont && (known.zoomed || m_zoom != 1.0)) {
        known.zoomed = m_zoom != 1.0;
        control->setFont(known.zoomed ? ZoomedFont(known.font, m_zoom) : known.font);
    }
    QRect place = Shown(known.rect);
    auto* label = qobject_cast<QLabel*>(control);
    if (known.grows && label)
        place.setWidth(std::max(place.width(), label->sizeHint().width()));
    control->setGeometry(place);
    if (known.zoomed) {
        if (auto* button = qobject_cast<QPushButton*>(control))
            ui::FitCaption(*button);
        else if (label && !known.grows)
            KeepInside(*label);
    }
    if (auto* vertex = qobject_cast<TOrbVertex1*>(control))
        vertex->setZoom(m_zoom);
    else if (auto* painter = qobject_cast<TColorButton*>(control))
        painter->setZoom(m_zoom);
    else if (auto* picture = qobject_cast<artwork::TPicture*>(control))
        picture->setZoom(m_zoom);
}

void TBoardScale::Place(QWidget* control, const QRect& designed) {
    Control& known = Known(control);
    known.rect = designed;
    Show(control, known);
}

void TBoardScale::MoveTo(QWidget* control, QPoint designed) {
    Control& known = Known(control);
    known.rect.moveTopLeft(designed);
    Show(control, known);
}

void TBoardScale::GrowToText(QLabel* label) {
    Control& known = Known(label);
    known.grows = true;
    // At the designed size the caption's own width; larger, what it needs at the designed size.
    const int needs = label->sizeHint().width();
    known.rect.setWidth(std::max(known.rect.width(), static_cast<int>(std::ceil(needs / m_zoom))));
    Show(label, known);
}

QRect TBoardScale::Designed(QWidget* control) {
    return Known(control).rect;
}

bool TBoardScale::Fit(QSize surface, QSize designed) {
    qreal zoom = 1.0;
    QPoint offset;
    if (!designed.isEmpty() && surface != designed) {
        zoom = std::max(1.0, std::min(qreal(surface.width()) / designed.width(),
                                      qreal(surface.height()) / designed.height()));
        offset = QPoint(qRound((surface.width() - designed.width() * zoom) / 2),
                        qRound((surface.height() - designed.height() * zoom) / 2));
        offset = QPoint(std::max(0, offset.x()), std::max(0, offset.y()));
    }
    // Whatever is first seen now is seen as designed.
    QList<QWidget*> controls;
    for (QObject* child : m_surface.children()) {
        if (child->isWidgetType()) {
            controls << static_cast<QWidget*>(child);
            Known(controls.last());
        }
    }
    if (zoom == m_zoom && offset == m_offset)
        return false;
    m_zoom = zoom;
    m_offset = offset;
    for (QWidget* control : controls) Show(control, Known(control));
    return true;
}

}  // namespace board
