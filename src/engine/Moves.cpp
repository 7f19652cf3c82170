// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Game.h"

namespace game {

void Game::PainterClick(int colorIndex) {
    if (Puzzle.GameOver)
        return;
    Puzzle.SelectedColor = PaintColor(colorIndex);
    // Pressing it here keeps a painter down when the player clicks the one already down,
    // whose own toggling would otherwise have released it.
    Board().PressPainter(colorIndex);
}

void Game::NavyPainterClick() {
    PainterClick(1);
}
void Game::MaroonPainterClick() {
    PainterClick(2);
}
void Game::GreenPainterClick() {
    PainterClick(3);
}
void Game::PurplePainterClick() {
    PainterClick(4);
}

void Game::VertexClick(int k) {
    if (Puzzle.GameOver)
        return;
    // Vertices beyond the puzzle are hidden; a stray event for one changes nothing.
    if (k < 1 || k > Puzzle.VertexCount)
        return;
    ColorVertex(k);
}

MoveReport Game::ColorVertex(int v) {
    MoveReport move;
    if (v < 1 || v > kMaxVertices)
        return move;
    PuzzleState& p = Puzzle;
    PerVertex<VertexRecord>& vertices = BoardVertex;
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
        const bool hidden = !MarkedEitherWay(p.BoardEdgeDrawn, v, i);
        if (hidden)
            p.EdgeKnownBy[v][i] = p.EdgeKnownBy[i][v] = move.clicks;
        move.cleared[static_cast<std::size_t>(move.clearedCount++)] = {i, hidden};
        // Marked now; the board draws it when it shows the move.
        p.BoardEdgeDrawn[v][i] = 1;
    }
    m_clicks.push_back({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(move.colorIndex)});
    move.solved = p.ColoredCount == n;
    Board().ShowMove(move);
    if (move.solved) {
        p.GameOver = true;
        EvaluateSolvedGame();
    }
    return move;
}

void Game::RevealEdge(int a, int b) {
    Puzzle.BoardEdgeDrawn[a][b] = 1;
    Board().DrawEdge(EdgeView::Board, a, b);
}

void Game::EnablePainters(bool on) {
    Board().EnablePainters(on);
}

}  // namespace game
