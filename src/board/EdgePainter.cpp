// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/EdgePainter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <QtMath>

#include <algorithm>

#include "controls/Vertex1.h"
#include "ui/Colors.h"
#include "ui/DrawnIcon.h"

namespace board {

namespace {

QPoint CentreOf(const TOrbVertex1* vertex) {
    return {vertex->CenterX(), vertex->CenterY()};
}

bool InBoard(int k) {
    return k >= 1 && k <= game::kMaxVertices;
}

}  // namespace

TEdgePainter::TEdgePainter(const Vertices& board, const Vertices& twins)
    : m_board(board),
      m_twins(twins),
      m_pen(toQColor(game::clAqua), EdgeWidth(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin) {}

qreal TEdgePainter::EdgeWidth() const {
    // Two pixels at the designed size, as thick again at every zoom.
    return 2 * m_zoom;
}

void TEdgePainter::SetEdgePen() {
    m_pen.setColor(toQColor(game::clAqua));
    m_pen.setWidthF(EdgeWidth());
}

void TEdgePainter::SetZoom(qreal zoom) {
    m_zoom = zoom;
    m_pen.setWidthF(EdgeWidth());
}

void TEdgePainter::NewBoard() {
    m_boardMarks = {};
    m_solutionMarks = {};
    m_noPuzzle = false;
}

void TEdgePainter::Mark(game::EdgeView view, int a, int b) {
    if (!InBoard(a) || !InBoard(b))
        return;
    Marks& marks = view == game::EdgeView::Solution ? m_solutionMarks : m_boardMarks;
    marks[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = true;
}

const TEdgePainter::Marks& TEdgePainter::MarksOf(game::EdgeView view) const {
    return view == game::EdgeView::Solution ? m_solutionMarks : m_boardMarks;
}

void TEdgePainter::DrawLines(QPainter& painter, qreal ratio) const {
    // Every puzzle has an edge; before the first one the board has no line at all.
    if (m_noPuzzle)
        return;
    // Only the puzzle on display is marked: a teaching advance that changes the count for the
    // next puzzle neither loses nor invents lines of this one.
    const int n = game::kMaxVertices;
    painter.setPen(m_pen);
    // On a screen of more than one device pixel to the board's pixel, or on an enlarged board, the
    // lines are drawn smooth; at one to one every pixel stays as the board has always been.
    painter.setRenderHint(QPainter::Antialiasing, ratio > 1.0 || m_zoom != 1.0);
    const auto drawMarked = [&](const Marks& marks, const Vertices& ends) {
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                const auto a = static_cast<std::size_t>(i);
                const auto b = static_cast<std::size_t>(j);
                if (game::MarkedEitherWay(marks, a, b))
                    painter.drawLine(CentreOf(ends[a]), CentreOf(ends[b]));
            }
        }
    };
    drawMarked(m_boardMarks, m_board);
    drawMarked(m_solutionMarks, m_twins);
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
    // An enlarged board draws its smooth lines straight onto the window: a picture of a whole
    // large screen kept for the pixels of thick lines cut at the area's edge would only slow
    // every step of a resize.
    if (onScreen && m_zoom != 1.0) {
        m_layer = QImage();
        m_settled = QRegion();
        m_pending = QRegion();
    }
    if (!onScreen || m_zoom != 1.0) {
        DrawLines(painter, ratio);
        return;
    }
    // Before the first puzzle the board is its black background alone: no picture of the lines is
    // kept (nor made, at the first paint of the game) until a puzzle lays the board out.
    if (m_layer.isNull() && m_noPuzzle) {
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
    const int margin = qCeil(m_pen.widthF()) + 1;
    QRegion area(QRect(CentreOf(from), CentreOf(to)).normalized().adjusted(-margin, -margin, margin, margin));
    area += from->geometry();
    area += to->geometry();
    return area;
}

void TEdgePainter::Dirty(const QRegion& area) {
    m_pending += area;
}

void TEdgePainter::Settle(const QWidget& surface) {
    if (m_zoom != 1.0) {
        m_pending = QRegion();
        return;
    }
    const qreal ratio = surface.devicePixelRatioF();
    if (m_deferring && !m_layer.isNull() && m_layer.devicePixelRatio() == ratio &&
        m_layer.size() == ui::DeviceSize(surface.size(), ratio)) {
        if (!m_pending.isEmpty())
            m_steps.push_back({m_boardMarks, m_solutionMarks, m_pending, ratio, surface.size()});
        m_settled += m_pending;
        m_pending = QRegion();
        return;
    }
    Renew(m_pending, ratio, surface.size());
    m_settled += m_pending;
    m_pending = QRegion();
}

void TEdgePainter::DeferSteps() {
    m_deferring = true;
    m_steps.clear();
}

void TEdgePainter::SettleSteps() {
    m_deferring = false;
    std::vector<bool> drawn(m_steps.size());
    QRegion later;
    for (std::size_t i = m_steps.size(); i-- > 0;) {
        drawn[i] = !(m_steps[i].area - later).isEmpty();
        later += m_steps[i].area;
    }
    const Marks board = m_boardMarks;
    const Marks solution = m_solutionMarks;
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        if (!drawn[i])
            continue;
        m_boardMarks = m_steps[i].board;
        m_solutionMarks = m_steps[i].solution;
        Renew(m_steps[i].area, m_steps[i].ratio, m_steps[i].size);
    }
    m_boardMarks = board;
    m_solutionMarks = solution;
    m_steps.clear();
}

QList<int> TEdgePainter::KnownNeighbours(game::EdgeView view, int k) const {
    QList<int> numbers;
    if (!InBoard(k))
        return numbers;
    const Marks& marks = MarksOf(view);
    const auto a = static_cast<std::size_t>(k);
    for (int i = 1; i <= game::kMaxVertices; ++i) {
        const auto b = static_cast<std::size_t>(i);
        if (i != k && game::MarkedEitherWay(marks, a, b))
            numbers.append(i);
    }
    return numbers;
}

}  // namespace board
