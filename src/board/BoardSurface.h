// SPDX-License-Identifier: GPL-3.0-or-later
// board::TBoardSurface: the black area of the main window Level1 that the edges are drawn on.
#pragma once

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QWidget>

#include <cstddef>

#include "board/BoardScale.h"

namespace board {

class TEdgePainter;

// The black area under the menu bar. Every position of the game is a client coordinate of this
// widget; it paints the edges the painter it is given holds, under the vertex squares.
class TBoardSurface : public QWidget {
    Q_OBJECT
  public:
    TBoardSurface(TEdgePainter& edges, QWidget* parent);

    // Rings `control` (a painter or a vertex the keyboard moved to) with the focus mark; nullptr
    // takes the mark away. The mark stands just outside the control, never on its face.
    void SetFocusMark(const QWidget* control);
    // All the mark covers: its ring and the black band on each side.
    QRect FocusMarkArea() const;
    // The board's own immediate paint of `area`, with every control that changed its place or
    // look since the board was last painted: the lines there are renewed as they stand now,
    // and the window shows them with the next paint.
    void RenewNow(const QRegion& area);

    // Where the game places the board's controls, in designed pixels (see TBoardScale).
    TBoardScale& Layout() { return m_layout; }
    // The board's size as designed: its window's designed client area less the rest of the
    // window (the menu bar). Empty until the window says its designed client size.
    QSize DesignedSize() const;
    void SetDesignedClient(QSize client);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where each control stood and how it looked when the board was last renewed.
    struct Look {
        QRect place;
        bool shown = false;
        std::size_t face = 0;
    };
    QRegion TakeChanges();
    QRect MarkAround(const QWidget* control) const;
    // The focus mark's white ring and the black band on each side of it, in pixels at this size.
    int MarkWidth() const;
    int MarkBand() const;
    // Lays the board out afresh for its size.
    void Refit();

    TEdgePainter& m_edges;
    TBoardScale m_layout{*this};
    QPointer<const QWidget> m_marked;
    QSize m_designedClient;
    QRect m_mark;
    QHash<const QWidget*, Look> m_looks;
};

}  // namespace board
