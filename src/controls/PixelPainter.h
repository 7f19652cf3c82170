// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangles and lines drawn pixel for pixel as the colour button's bevels need them.
#pragma once

#include <QPainter>
#include <QRect>

#include <utility>

#include "ui/Colors.h"

namespace controls {

// The colour button is drawn in the classic pixel model: a rectangle from (x1, y1) to (x2, y2)
// leaves out its right column and bottom row, a line from p to q leaves out q. Keeping
// to it pixel for pixel is what makes the bevels meet the frame the way they do.
class PixelPainter {
  public:
    explicit PixelPainter(QPainter& painter) : m_painter(painter) {}

    // One-pixel outline in `pen`, interior in `brush`.
    void rectangle(int x1, int y1, int x2, int y2, game::TColor pen, game::TColor brush) {
        if (x1 > x2)
            std::swap(x1, x2);
        if (y1 > y2)
            std::swap(y1, y2);
        if (x2 <= x1 || y2 <= y1)
            return;
        m_painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), toQColor(pen));
        if (x2 - x1 > 2 && y2 - y1 > 2)
            m_painter.fillRect(QRect(x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2), toQColor(brush));
    }

    // An axis-parallel line from (x0, y0) towards (x1, y1), its end point left out.
    void line(int x0, int y0, int x1, int y1, game::TColor pen) {
        const QColor color = toQColor(pen);
        if (y0 == y1 && x0 != x1) {
            const int from = x0 < x1 ? x0 : x1 + 1;
            const int to = x0 < x1 ? x1 - 1 : x0;
            m_painter.fillRect(QRect(from, y0, to - from + 1, 1), color);
        } else if (x0 == x1 && y0 != y1) {
            const int from = y0 < y1 ? y0 : y1 + 1;
            const int to = y0 < y1 ? y1 - 1 : y0;
            m_painter.fillRect(QRect(x0, from, 1, to - from + 1), color);
        }
    }

  private:
    QPainter& m_painter;
};

}  // namespace controls
