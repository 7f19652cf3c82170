// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardSurface.h"

#include <QBackingStore>
#include <QChildEvent>
#include <QLabel>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWindow>

#include <algorithm>

#include "board/EdgePainter.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"

namespace board {

TBoardSurface::TBoardSurface(TEdgePainter& edges, QWidget* parent) : QWidget(parent), m_edges(edges) {
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

void TBoardSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The window's own paint, not a picture of the board rendered elsewhere.
    const QPaintDevice* target = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    const bool onScreen =
        target && window()->backingStore() && target == window()->backingStore()->paintDevice();
    // Controls changed since the board was last renewed are renewed now, as the lines stand.
    if (onScreen)
        m_edges.Dirty(TakeChanges() & event->region());
    m_edges.Paint(painter, event->region(), size(), onScreen);
    if (m_mark.isNull())
        return;
    // A white ring two pixels wide (more on a larger board) in long dashes, laid on a black band
    // one pixel wider on each side: white stands out on the black board, and where an aqua edge
    // or a coloured control comes near, the band keeps black beside the white. The dashes tell it
    // from the solid white ring of a selected painter, which lies on the painter's own face.
    const int width = MarkWidth();
    const int band = MarkBand();
    const QRectF ring = QRectF(m_mark).adjusted(band + width / 2.0, band + width / 2.0, -band - width / 2.0,
                                                -band - width / 2.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, width + 2 * band, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(ring);
    QPen dashes(Qt::white, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({3, 1});
    painter.setPen(dashes);
    painter.drawRect(ring);
}

int TBoardSurface::MarkWidth() const {
    return std::max(2, m_layout.Scaled(2));
}

int TBoardSurface::MarkBand() const {
    return std::max(1, m_layout.Scaled(1));
}

QSize TBoardSurface::DesignedSize() const {
    const QWidget* frame = window();
    // In a scroll area (a screen too small for the board) the board keeps its designed size.
    if (frame == this || parentWidget() != frame || m_designedClient.isEmpty())
        return {};
    return size() - (frame->size() - m_designedClient);
}

void TBoardSurface::SetDesignedClient(QSize client) {
    m_designedClient = client;
    Refit();
}

void TBoardSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Refit();
}

void TBoardSurface::Refit() {
    if (!m_layout.Fit(size(), DesignedSize()))
        return;
    m_edges.SetZoom(m_layout.Zoom());
    if (m_marked)
        SetFocusMark(m_marked);
    m_edges.Dirty(rect());
    update();
}

void TBoardSurface::RenewNow(const QRegion& area) {
    if (!isVisible())
        return;  // a board not shown is painted whole when it shows
    m_edges.Dirty(area + TakeChanges());
    m_edges.Settle(*this);
}

void TBoardSurface::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

bool TBoardSurface::eventFilter(QObject* watched, QEvent* event) {
    // A control shown or placed while a command runs asks for its whole area once more when the game is
    // back in its loop, after the command's own paints: the lines there are renewed then.
    if (event->type() == QEvent::UpdateLater && watched->parent() == this) {
        const auto* control = static_cast<const QWidget*>(watched);
        m_edges.Dirty(QRegion(control->geometry()) & rect());
    }
    return QWidget::eventFilter(watched, event);
}

QRegion TBoardSurface::TakeChanges() {
    QRegion changed;
    for (QObject* child : children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control)
            continue;
        Look now{control->geometry(), control->isVisibleTo(this), control->isEnabled() ? 1u : 0u};
        if (const auto* vertex = qobject_cast<TOrbVertex1*>(control)) {
            now.face = qHashMulti(0, now.face, vertex->brushColor(), vertex->penColor(), vertex->penWidth());
        } else if (const auto* painter = qobject_cast<TColorButton*>(control)) {
            now.face = qHashMulti(0, now.face, painter->Value(), painter->isDown());
        } else if (const auto* label = qobject_cast<QLabel*>(control)) {
            now.face = qHashMulti(0, now.face, label->text());
        }
        const auto was = m_looks.constFind(control);
        if (was == m_looks.constEnd() || was->place != now.place || was->shown != now.shown ||
            was->face != now.face) {
            if (was != m_looks.constEnd() && was->shown)
                changed += was->place;
            if (now.shown)
                changed += now.place;
        }
        m_looks.insert(control, now);
    }
    return changed & rect();
}

QRect TBoardSurface::FocusMarkArea() const {
    return m_mark;
}

QRect TBoardSurface::MarkAround(const QWidget* control) const {
    // The ring three pixels clear of the control, two pixels wide, with its black band on both
    // sides (all larger on a larger board).
    const int out = m_layout.Scaled(3) + MarkWidth() + MarkBand();
    return control->geometry().adjusted(-out, -out, out, out);
}

void TBoardSurface::SetFocusMark(const QWidget* control) {
    m_marked = control;
    const QRect next = control ? MarkAround(control) : QRect();
    if (next == m_mark)
        return;
    update(m_mark);
    m_mark = next;
    update(m_mark);
}

}  // namespace board
