// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Moves.h"

#include "engine/GameEnd.h"
#include "engine/State.h"
#include "engine/Views.h"

namespace game {

void PainterClick(int colorIndex) {
    if (world.Puzzle.GameOver)
        return;
    world.Puzzle.SelectedColor = PaintColor(colorIndex);
    // Pressing it here keeps a painter down when the player clicks the one already down,
    // whose own toggling would otherwise have released it.
    world.Board().PressPainter(colorIndex);
}

void NavyPainterClick() {
    PainterClick(1);
}
void MaroonPainterClick() {
    PainterClick(2);
}
void GreenPainterClick() {
    PainterClick(3);
}
void PurplePainterClick() {
    PainterClick(4);
}

void VertexClick(int k) {
    if (world.Puzzle.GameOver)
        return;
    // Vertices beyond the puzzle are hidden; a stray event for one changes nothing.
    if (k < 1 || k > world.Puzzle.VertexCount)
        return;
    ColorVertex(k);
}

MoveReport ColorVertex(int v) {
    MoveReport move;
    if (v < 1 || v > kMaxVertices)
        return move;
    PuzzleState& p = world.Puzzle;
    PerVertex<VertexRecord>& vertices = world.BoardVertex;
    const int n = p.VertexCount;

    move.vertex = v;
    move.clicks = ++p.ClickCount;
    VertexRecord& vertex = vertices[v];
    vertex.SetFillColor(p.SelectedColor);
    move.colorIndex = ColorIndexOf(p.SelectedColor);
    if (p.VertexColored[v] == 0) {
        ++p.ColoredCount;
        p.VertexColored[v] = 1;
    }
    for (int i = 1; i <= n; ++i) {
        if (i == v || vertex.GetNeighbor(i) != 1 || vertices[i].FillColor() != vertex.FillColor())
            continue;
        vertices[i].SetFillColor(clBlack);
        --p.ColoredCount;
        p.VertexColored[i] = 0;
        const bool hidden = p.BoardEdgeDrawn[v][i] == 0 && p.BoardEdgeDrawn[i][v] == 0;
        move.cleared[static_cast<std::size_t>(move.clearedCount++)] = {i, hidden};
        // Marked now; the board draws it when it shows the move.
        p.BoardEdgeDrawn[v][i] = 1;
    }
    move.solved = p.ColoredCount == n;
    world.Board().ShowMove(move);
    if (move.solved) {
        p.GameOver = true;
        EvaluateSolvedGame();
    }
    return move;
}

void RevealEdge(int a, int b) {
    world.Puzzle.BoardEdgeDrawn[a][b] = 1;
    world.Board().DrawEdge(EdgeView::Board, a, b);
}

void EnablePainters(bool on) {
    world.Board().EnablePainters(on);
}

}  // namespace game
