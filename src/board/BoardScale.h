// SPDX-License-Identifier: GPL-3.0-or-later
// board::TBoardScale: the board's controls at their designed places, shown larger in a larger window.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <unordered_map>

class QLabel;
class QWidget;

namespace board {

// The game lays the board out in designed pixels: the board at the size it opens at. A window
// enlarged past that size (dragged larger, maximised, full screen) shows the whole board larger
// by one factor, the largest that fits, centred; every control is placed, sized and lettered
// afresh at that factor, so it is drawn sharp at its new size and the mouse, the keyboard and a
// screen reader find it where it is seen. At the designed size nothing moves.
class TBoardScale {
  public:
    explicit TBoardScale(QWidget& surface) : m_surface(surface) {}

    // `control` (a child of the board) stands at `designed` on the designed board.
    void Place(QWidget* control, const QRect& designed);
    void MoveTo(QWidget* control, QPoint designed);
    // The caption of `label` changed: the label grows so that it is never cut short.
    void GrowToText(QLabel* label);
    // Where `control` stands on the designed board.
    QRect Designed(QWidget* control);

    // The board is `surface` large where its designed size is `designed` (empty: not known yet,
    // so the board is shown as designed). True when the factor or the board's place changed.
    bool Fit(QSize surface, QSize designed);
    qreal Zoom() const { return m_zoom; }
    // A designed length at the current factor, in board pixels.
    int Scaled(qreal length) const;

  private:
    struct Control {
        QRect rect;
        QFont font;
        bool ownFont = false;  // its font is its own, not the window's
        bool grows = false;    // it grows with its caption
        bool zoomed = false;   // it wears a font larger than designed
    };
    Control& Known(QWidget* control);
    void Show(QWidget* control, Control& known);
    QRect Shown(const QRect& designed) const;

    QWidget& m_surface;
    // Kept for the surface's life, as the controls are; a place never moves when another joins.
    std::unordered_map<const QWidget*, Control> m_controls;
    qreal m_zoom = 1.0;
    QPoint m_offset;
};

}  // namespace board
