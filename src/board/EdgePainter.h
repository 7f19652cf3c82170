// SPDX-License-Identifier: GPL-3.0-or-later
// board::TEdgePainter: the edges of the main window Level1, drawn from their marks.
#pragma once

#include <QImage>
#include <QList>
#include <QPen>
#include <QRegion>
#include <QSize>

#include <array>
#include <vector>

#include "engine/State.h"
#include "engine/Views.h"

class QPainter;
class QWidget;
class TOrbVertex1;

namespace board {

// The board's and the solution view's edges are the one thing the board draws itself: every
// marked pair as a line from centre to centre, under the vertex squares. The painter keeps the
// marks it is told of (each edge the engine has the board draw); the vertex controls are handed
// in; the pen is the board's own and keeps its state between paints.
class TEdgePainter {
  public:
    using Vertices = std::array<TOrbVertex1*, 17>;
    TEdgePainter(const Vertices& board, const Vertices& twins);

    // The pen of every edge (aqua, 2 pixels), set at the start of each puzzle.
    void SetEdgePen();
    // The board is shown `zoom` times its designed size: the lines are as much wider, and smooth.
    void SetZoom(qreal zoom);
    // A new puzzle is laid out: no line of the last one is known any more, in either view.
    void NewBoard();
    // The edge a-b of a view is drawn from now on (under either order of its ends).
    void Mark(game::EdgeView view, int a, int b);
    // Draws every marked edge of both views; nothing while the puzzle has no edge. A paint of
    // the board itself (`onScreen`) renews `area` of the board's lines and copies it.
    void Paint(QPainter& painter, const QRegion& area, QSize size, bool onScreen) const;
    // The area under a just-marked edge of a view and the two vertex squares over its ends.
    QRegion EdgeArea(game::EdgeView view, int a, int b) const;
    // The board's lines are renewed in this area at the next Settle or paint.
    void Dirty(const QRegion& area);
    // Renews the lines in the dirty area now, as they stand: where the next paint of the board
    // shows this area, it shows the lines as they were at this moment, not as they are then.
    void Settle(const QWidget& surface);
    // From DeferSteps to SettleSteps each Settle is kept as a step (its area and the lines as they
    // stand) instead of being drawn; SettleSteps draws them in order but for those whose whole area
    // later steps draw again. Each step fills its area and draws its lines there, whatever was
    // there before, so the picture is the one drawing every step gives.
    void DeferSteps();
    void SettleSteps();
    // The vertices a line of the view joins vertex k to, in number order.
    QList<int> KnownNeighbours(game::EdgeView view, int k) const;

  private:
    void DrawLines(QPainter& painter, qreal ratio) const;
    void Renew(QRegion area, qreal ratio, QSize size) const;
    // The width of every line at the zoom the board is shown at.
    qreal EdgeWidth() const;

    using Marks = game::PairMatrix<bool>;
    const Marks& MarksOf(game::EdgeView view) const;

    Marks m_boardMarks{};
    Marks m_solutionMarks{};
    // No puzzle has been laid out yet: the board has no line to draw.
    bool m_noPuzzle = true;
    const Vertices& m_board;
    const Vertices& m_twins;
    // Before the pen: the pen's width is made from it.
    qreal m_zoom = 1.0;
    QPen m_pen;
    // The board's lines on black at the screen's ratio. A thick line is rasterized a pixel
    // differently where the edge of the renewed area cuts it, so the board keeps the lines of each
    // area as they were drawn when that area was renewed: a command renews its areas step by step
    // (Settle) and the one paint that follows shows them all together.
    mutable QImage m_layer;
    mutable QRegion m_pending;
    mutable QRegion m_settled;
    struct Step {
        Marks board;
        Marks solution;
        QRegion area;
        qreal ratio;
        QSize size;
    };
    bool m_deferring = false;
    std::vector<Step> m_steps;
};

}  // namespace board
