// SPDX-License-Identifier: GPL-3.0-or-later
// board::TEdgePainter: the edges of the main window Level1, drawn from their marks.
#pragma once

#include <QList>
#include <QPen>

#include <array>

#include "engine/State.h"
#include "engine/Views.h"

class QPainter;
class QWidget;
class TOrbVertex1;

namespace board {

// The board's and the solution view's edges are the one thing the board draws itself: every
// marked pair as a line from centre to centre, under the vertex squares. The marks and the
// vertex controls are handed in; the pen is the board's own and keeps its state between paints.
class TEdgePainter {
  public:
    using Vertices = std::array<TOrbVertex1*, 17>;
    TEdgePainter(const game::PuzzleState& puzzle, const Vertices& board, const Vertices& twins);

    // The pen of every edge (aqua, 2 pixels), set at the start of each puzzle.
    void SetEdgePen();
    // Draws every marked edge of both views; nothing while the puzzle has no edge.
    void Paint(QPainter& painter) const;
    // Asks `surface` to show a just-marked edge of a view: the area under its line and the two
    // vertex squares over its ends.
    void ShowEdge(QWidget& surface, game::EdgeView view, int a, int b) const;
    // The vertices a line of the view joins vertex k to, in number order.
    QList<int> KnownNeighbours(game::EdgeView view, int k) const;

  private:
    const game::PuzzleState& m_puzzle;
    const Vertices& m_board;
    const Vertices& m_twins;
    mutable QPen m_pen;
};

}  // namespace board
