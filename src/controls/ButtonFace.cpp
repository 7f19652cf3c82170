// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ButtonFace.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <utility>

#include "ui/Colors.h"

namespace controls {

namespace {

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

}  // namespace

void DrawButtonFace(QPainter& painter, const ButtonFace& face) {
    const int w = face.size.width();
    const int h = face.size.height();
    const int t = face.bevel;
    const game::TColor c = face.colour;
    const bool down = face.down;
    PixelPainter px(painter);

    // A black frame around the face, then the face inside the bevel.
    px.rectangle(0, 0, w - 1, h - 1, game::clBlack, c);
    px.rectangle(t + 1, t + 1, w - t - 1, h - t - 1, c, c);

    // Pressed, the light falls on the other sides and the caption sinks by the bevel width.
    const game::TColor topLeft = down ? face.shadow : face.light;
    const game::TColor bottomRight = down ? face.light : face.shadow;
    const int d = down ? t : 0;
    if (down && face.lightOn)
        px.rectangle(w - 30, 8, w - 15, 12, game::clLime, game::clLime);
    if (!down && face.lightOff)
        px.rectangle(w - 30, 8, w - 15, 12, game::clRed, game::clRed);

    for (int a = 1; a <= t; ++a) {
        px.line(a, a, a, h - a, topLeft);
        px.line(a, a, w - a, a, topLeft);
    }
    for (int a = 1; a <= t; ++a) {
        px.line(w - a, h - a, a, h - a, bottomRight);
        px.line(w - a, h - a, w - a, a, bottomRight);
    }

    painter.setFont(face.font);
    painter.setPen(face.text);
    const QFontMetrics metrics(face.font);
    const int lineHeight = QFontInfo(face.font).pixelSize() + 4;
    const int n = static_cast<int>(face.lines.size());
    const int block = std::min(n * lineHeight - 4, h - 2 * t - d);
    int y = (h - block) / 2 + d - 4;
    if (y + d < t)
        y = t - d;

    for (const QString& s : face.lines) {
        const int avail = w - 2 * t - d;
        int tw = metrics.horizontalAdvance(s);
        tw = tw > avail ? avail : tw - d;
        int x = 0;
        switch (face.align) {
            case TAlignStyle::Center:
                x = (avail - tw) / 2;
                break;
            case TAlignStyle::AlignLeft:
                x = 0;
                break;
            case TAlignStyle::AlignRight:
                x = avail - tw;
                break;
        }
        x += d;
        int lh = lineHeight;
        if (y + lh + d + t - 1 > h - t)
            lh = h - 2 * t - y - d;
        if (lh > 0) {
            const int left = x + t + d;
            const int top = y + t + d;
            const QRect box(QPoint(left, top), QPoint(x + tw + t + d - 2, y + lh + t + d - 2));
            if (box.isValid()) {
                painter.fillRect(box, toQColor(c));
                painter.save();
                painter.setClipRect(box);
                painter.drawText(QPoint(left, top + metrics.ascent()), s);
                painter.restore();
            }
        }
        y += lineHeight;
    }
}

}  // namespace controls
