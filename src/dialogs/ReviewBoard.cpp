// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ReviewBoard.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "engine/Geometry.h"
#include "ui/Colors.h"
#include "ui/ColourMarks.h"
#include "ui/DialogLook.h"

namespace {

// What one panel shows: the fills and the lines known at a position, and the step's marks.
struct Panel {
    QRect area;
    const game::PerVertex<game::TColor>* fills = nullptr;
    // Whether each pair is drawn, and whether it was revealed by the step shown.
    const game::PairMatrix<std::int32_t>* knownBy = nullptr;
    const game::PairMatrix<bool>* allEdges = nullptr;  // the solution: every edge
    int step = 0;
    int clicked = 0;
    game::PerVertex<bool> cleared{};
    QString caption;
};

// The board's squares for n vertices, scaled into `area` below its caption with room for the numbers.
struct Placing {
    qreal scale = 1;
    QPointF offset;
    QRect Square(const game::Rect& r) const {
        return QRectF(offset.x() + r.left * scale, offset.y() + r.top * scale, r.width * scale, r.height * scale)
            .toAlignedRect();
    }
};

Placing PlaceIn(const QRect& area, int n) {
    QRect bounds;
    for (int k = 1; k <= n; ++k) {
        const game::Rect r = game::VertexRect(n, k);
        bounds |= QRect(r.left, r.top, r.width, r.height);
    }
    const int room = 26;  // for the vertex numbers outside the circle
    const QRect inner = area.adjusted(room, room, -room, -room);
    Placing placing;
    placing.scale = std::min(qreal(inner.width()) / bounds.width(), qreal(inner.height()) / bounds.height());
    placing.offset = QPointF(inner.center().x() - (bounds.center().x() + 0.5) * placing.scale,
                             inner.center().y() - (bounds.center().y() + 0.5) * placing.scale);
    return placing;
}

void DrawPanel(QPainter& painter, const Panel& panel, int n, bool marks, bool safe) {
    const QFont face = ui::DialogFont(11, true);
    painter.setFont(face);
    painter.setPen(Qt::white);
    const int captionHeight = panel.caption.isEmpty() ? 0 : QFontMetrics(face).height() + 4;
    if (captionHeight)
        painter.drawText(panel.area.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, panel.caption);
    const Placing placing = PlaceIn(panel.area.adjusted(0, captionHeight, 0, 0), n);
    game::PerVertex<QRect> squares{};
    for (int k = 1; k <= n; ++k) squares[k] = placing.Square(game::VertexRect(n, k));

    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPen known(toQColor(game::clAqua), 2, Qt::SolidLine, Qt::FlatCap);
    QPen revealed(Qt::white, 3, Qt::DashLine, Qt::FlatCap);
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            const std::int32_t by = panel.knownBy ? (*panel.knownBy)[i][j] : game::kEdgeUnknown;
            const bool drawn = panel.allEdges ? (*panel.allEdges)[i][j] : by != game::kEdgeUnknown;
            if (!drawn)
                continue;
            painter.setPen(panel.step > 0 && by == panel.step ? revealed : known);
            painter.drawLine(QRectF(squares[i]).center(), QRectF(squares[j]).center());
        }
    }
    for (int k = 1; k <= n; ++k)
        ui::DrawVertexSquare(painter, squares[k], game::clFuchsia,
                             std::max(1, qRound(game::VertexPenWidthFor(n) * placing.scale)), (*panel.fills)[k], marks,
                             safe);

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(ui::DialogFont(10, false));
    for (int k = 1; k <= n; ++k) {
        const QRectF square(squares[k]);
        if (k == panel.clicked) {
            painter.setPen(QPen(Qt::white, 3));
            const qreal r = square.width() / 2 * 1.5 + 3;
            painter.drawEllipse(square.center(), r, r);
        }
        if (panel.cleared[k]) {
            painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
            painter.drawRect(square.adjusted(-5, -5, 5, 5));
        }
    }
    for (int k = 1; k <= n; ++k) {
        // The number just outside its square, away from the circle's middle, on black so that a
        // ring under it never hides it.
        const QRectF square(squares[k]);
        const double angle = double(game::VertexAngle(n, k));
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const qreal reach = square.width() / 2 / std::max(std::abs(c), std::abs(s)) + 11;
        const QPointF at = square.center() + QPointF(c * reach, s * reach);
        const QRectF box(at.x() - 9, at.y() - 8, 18, 16);
        painter.fillRect(box, Qt::black);
        painter.setPen(QColor(0xdd, 0xdd, 0xdd));
        painter.drawText(box, Qt::AlignCenter, QString::number(k));
    }
}

}  // namespace

TReviewBoard::TReviewBoard(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setFocusPolicy(Qt::NoFocus);
}

void TReviewBoard::Show(const game::GameReview* game, int step) {
    m_game = game;
    m_step = step;
    update();
}

void TReviewBoard::SetColourLook(bool marks, bool safe) {
    m_marks = marks;
    m_safe = safe;
    update();
}

void TReviewBoard::paintEvent(QPaintEvent*) {
    if (!m_game || !m_game->valid)
        return;
    QPainter painter(this);
    const game::GameReview& g = *m_game;
    const int clicks = static_cast<int>(g.clicks.size());
    const int n = g.vertices;
    if (m_step <= clicks) {
        const game::Position& at = g.positions[static_cast<std::size_t>(std::max(0, m_step))];
        Panel panel;
        panel.area = rect();
        panel.fills = &at.fills;
        panel.knownBy = &at.knownBy;
        panel.step = m_step;
        if (m_step > 0) {
            const game::ReviewedClick& told = g.clicks[static_cast<std::size_t>(m_step - 1)];
            panel.clicked = told.click.vertex;
            for (std::int32_t i = 0; i < told.move.clearedCount; ++i)
                panel.cleared[told.move.cleared[static_cast<std::size_t>(i)].vertex] = true;
        }
        DrawPanel(painter, panel, n, m_marks, m_safe);
        return;
    }
    // The end: the last position beside the game's own solution.
    const QRect left(0, 0, width() / 2, height());
    Panel last;
    last.area = left;
    last.fills = &g.positions.back().fills;
    last.knownBy = &g.positions.back().knownBy;
    last.caption = QCoreApplication::translate("TReviewWindow", "Your last position");
    DrawPanel(painter, last, n, m_marks, m_safe);
    game::PerVertex<game::TColor> solution{};
    for (int k = 1; k <= n; ++k) solution[k] = game::PaintColor(g.solution[k]);
    Panel own;
    own.area = QRect(left.right() + 1, 0, width() - left.width(), height());
    own.fills = &solution;
    own.allEdges = &g.edges;
    own.caption = QCoreApplication::translate("TReviewWindow", "The game's own solution");
    DrawPanel(painter, own, n, m_marks, m_safe);
}
