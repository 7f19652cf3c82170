// SPDX-License-Identifier: GPL-3.0-or-later
// The board's picture of its lines on a screen whose ratio is not a whole number (a desktop set to
// 125, 150 or 175 %): a board size that does not come back whole from the screen's pixels is
// still drawn, at once and with its lines, and kept while the size stays.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "board/EdgePainter.h"
#include "controls/Vertex1.h"
#include "engine/State.h"

namespace {

TEST(EdgeLayer, IsDrawnAtFractionalRatiosWhateverTheBoardsSize) {
    QWidget surface;
    board::TEdgePainter::Vertices ends{};
    board::TEdgePainter::Vertices twins{};
    for (std::size_t k = 1; k <= 2; ++k) {
        ends[k] = new TOrbVertex1(&surface);
        ends[k]->setGeometry(100 + 300 * int(k - 1), 190, 20, 20);
    }
    board::TEdgePainter edges(ends, twins);
    edges.NewBoard();
    edges.Mark(game::EdgeView::Board, 1, 2);
    // 653 and 469 board pixels are no whole number of device pixels at any of these ratios.
    const QSize size(653, 469);
    for (const qreal ratio : {1.25, 1.5, 1.75}) {
        QImage screen((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
        screen.setDevicePixelRatio(ratio);
        for (int paint = 0; paint < 2; ++paint) {
            screen.fill(Qt::red);
            QPainter painter(&screen);
            edges.Paint(painter, QRegion(0, 0, size.width(), size.height()), size, true);
            painter.end();
            const QPoint middle = (QPointF(300, 200) * ratio).toPoint();
            EXPECT_EQ(screen.pixelColor(middle), QColor(0, 255, 255)) << ratio << " paint " << paint;
            EXPECT_EQ(screen.pixelColor(middle + QPoint(0, int(8 * ratio))), QColor(Qt::black)) << ratio;
            EXPECT_EQ(screen.pixelColor(screen.width() - 1, screen.height() - 1), QColor(Qt::black)) << ratio;
        }
    }
}

}  // namespace
