// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/EdgePainter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <algorithm>

#include "controls/Vertex1.h"
#include "ui/Colors.h"
#include "ui/DrawnIcon.h"

namespace board {

namespace {

QPoint CentreOf(const TOrbVertex1* vertex) {
    return {vertex->CenterX(), vertex->CenterY()};
}

// An edge is marked drawn under either order of its ends.
bool Marked(const game::PairMatrix<std::int32_t>& marks, std::size_t a, std::size_t b) {
    return marks[a][b] == 1 || marks[b][a] == 1;
}

}  // namespace

TEdgePainter::TEdgePainter(const game::PuzzleState& puzzle, const Vertices& board, const Vertices& twins)
    : m_puzzle(puzzle),
      m_board(board),
      m_twins(twins),
      m_pen(toQColor(game::clAqua), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin) {}

void TEdgePainter::SetEdgePen() {
    m_pen.setColor(toQColor(game::clAqua));
    m_pen.setWidth(2);
}

void TEdgePainter::DrawLines(QPainter& painter, qreal ratio) const {
    if (m_puzzle.EdgeCount < 1)
        return;
    // The puzzle on display keeps its own vertex count: a teaching advance that changes the
    // count for the next puzzle must not lose or invent lines of this one.
    const int n = std::clamp(m_puzzle.VertexCount, 0, game::kMaxVertices);
    painter.setPen(m_pen);
    // On a screen of more than one device pixel to the board's pixel the lines are drawn smooth,
    // at the same width and place; at one to one every pixel stays as the board has always been.
    painter.setRenderHint(QPainter::Antialiasing, ratio > 1.0);
    const auto drawMarked = [&](const game::PairMatrix<std::int32_t>& marks, const Vertices& ends) {
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                const auto a = static_cast<std::size_t>(i);
                const auto b = static_cast<std::size_t>(j);
                if (Marked(marks, a, b))
                    painter.drawLine(CentreOf(ends[a]), CentreOf(ends[b]));
            }
        }
    };
    drawMarked(m_puzzle.BoardEdgeDrawn, m_board);
    drawMarked(m_puzzle.SolutionEdgeDrawn, m_twins);
}

void TEdgePainter::Renew(QRegion area, qreal ratio, QSize size) const {
    // Made and compared in device pixels: a logical size need not come back whole from them.
    const QSize device = ui::DeviceSize(size, ratio);
    if (m_layer.isNull() || m_layer.devicePixelRatio() != ratio || m_layer.size() != device) {
        m_layer = QImage(device, QImage::Format_RGB32);
        m_layer.setDevicePixelRatio(ratio);
        m_layer.fill(Qt::black);
        m_settled = QRegion();
        area = QRegion(0, 0, size.width(), size.height());
    }
    if (area.isEmpty())
        return;
    QPainter painter(&m_layer);
    painter.setClipRegion(area);
    painter.fillRect(area.boundingRect(), Qt::black);
    DrawLines(painter, ratio);
}

void TEdgePainter::Paint(QPainter& painter, const QRegion& area, QSize size, bool onScreen) const {
    // The surface really painted on (the window's backing store, or a picture being rendered).
    const QPaintDevice* target =
        painter.paintEngine() ? painter.paintEngine()->paintDevice() : painter.device();
    const qreal ratio = target ? target->devicePixelRatioF() : 1.0;
    if (!onScreen) {
        DrawLines(painter, ratio);
        return;
    }
    // Before the first puzzle the board is its black background alone: no picture of the lines is
    // kept (nor made, at the first paint of the game) until a puzzle lays the board out.
    if (m_layer.isNull() && m_puzzle.VertexCount < 1) {
        m_settled = QRegion();
        m_pending = QRegion();
        return;
    }
    // What was settled keeps its lines; the rest of the area is renewed as it stands now.
    Renew((area - m_settled) + m_pending, ratio, size);
    m_settled = QRegion();
    m_pending = QRegion();
    painter.drawImage(QPoint(0, 0), m_layer);
}

QRegion TEdgePainter::EdgeArea(game::EdgeView view, int a, int b) const {
    if (a < 1 || a > game::kMaxVertices || b < 1 || b > game::kMaxVertices)
        return {};
    const Vertices& vertices = view == game::EdgeView::Solution ? m_twins : m_board;
    const TOrbVertex1* from = vertices[static_cast<std::size_t>(a)];
    const TOrbVertex1* to = vertices[static_cast<std::size_t>(b)];
    const int margin = m_pen.width() + 1;
    QRegion area(QRect(CentreOf(from), CentreOf(to)).normalized().adjusted(-margin, -margin, margin, margin));
    area += from->geometry();
    area += to->geometry();
    return area;
}

void TEdgePainter::Dirty(const QRegion& area) {
    m_pending += area;
}

void TEdgePainter::Settle(const QWidget& surface) {
    Renew(m_pending, surface.devicePixelRatioF(), surface.size());
    m_settled += m_pending;
    m_pending = QRegion();
}

QList<int> TEdgePainter::KnownNeighbours(game::EdgeView view, int k) const {
    QList<int> numbers;
    const int n = std::clamp(m_puzzle.VertexCount, 0, game::kMaxVertices);
    if (k < 1 || k > n || m_puzzle.EdgeCount < 1)
        return numbers;
    const auto& marks =
        view == game::EdgeView::Solution ? m_puzzle.SolutionEdgeDrawn : m_puzzle.BoardEdgeDrawn;
    const auto a = static_cast<std::size_t>(k);
    for (int i = 1; i <= n; ++i) {
        const auto b = static_cast<std::size_t>(i);
        if (i != k && Marked(marks, a, b))
            numbers.append(i);
    }
    return numbers;
}

}  // namespace board
