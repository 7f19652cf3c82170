// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PuzzleSetter.h"

#include "engine/Game.h"
#include "engine/Puzzle.h"

namespace game {

void PuzzleSetter::AddEdge(int u, int v) {
    VertexRecord& vu = m_game.BoardVertex[u];
    VertexRecord& vv = m_game.BoardVertex[v];
    vu.SetNeighbor(0, vu.GetNeighbor(0) + 1);
    vu.SetNeighbor(v, 1);
    vv.SetNeighbor(0, vv.GetNeighbor(0) + 1);
    vv.SetNeighbor(u, 1);
    ++m_game.Puzzle.EdgeCount;
    if (m_game.hooks.edgeListener)
        m_game.hooks.edgeListener(u, v, m_game.hooks.edgeListenerContext);
}

void PuzzleSetter::ShowAllEdges() {
    DrawEveryEdge(EdgeView::Board, m_game.Puzzle.VertexCount);
}

void PuzzleSetter::DrawEveryEdge(EdgeView view, int n) {
    const bool solution = view == EdgeView::Solution;
    const PerVertex<VertexRecord>& records = solution ? m_game.SolutionVertex : m_game.BoardVertex;
    PairMatrix<std::int32_t>& drawn = solution ? m_game.Puzzle.SolutionEdgeDrawn : m_game.Puzzle.BoardEdgeDrawn;
    BoardView& board = m_game.Board();
    for (int i = 1; i <= n; ++i) {
        const VertexRecord& vertex = records[i];
        const int degree = vertex.GetNeighbor(0);
        int found = 0;
        for (int j = 1; j <= kMaxVertices && found < degree; ++j) {
            if (vertex.GetNeighbor(j) != 1)
                continue;
            ++found;
            if (!MarkedEitherWay(drawn, i, j)) {
                drawn[i][j] = 1;
                if (!solution)
                    m_game.Puzzle.EdgeKnownBy[i][j] = m_game.Puzzle.EdgeKnownBy[j][i] = kEdgeShown;
                board.DrawEdge(view, i, j);
            }
        }
        board.RefreshVertex(view, i);
    }
}

void PuzzleSetter::MirrorToSolutionView() {
    Fills fills{};
    for (int k = 1; k <= kMaxVertices; ++k) {
        m_game.SolutionVertex[k].SetFillColor(m_game.BoardVertex[k].FillColor());
        m_game.SolutionVertex[k].SetAllNeighbors(m_game.BoardVertex[k].AllNeighbors());
        fills[k] = m_game.SolutionVertex[k].FillColor();
    }
    m_game.Board().ShowFills(EdgeView::Solution, fills);
    m_game.Board().MirrorToSolutionView(m_game.Settings.PlayComputer);
}

void PuzzleSetter::NewPuzzle() {
    GameSettings& s = m_game.Settings;
    KeepSettingsInRange(s);
    // One reading for the whole puzzle: every reseed of its draws takes it, so the puzzle is
    // the one its code names, however long the drawing takes.
    const std::int32_t clockMs = m_game.ClockReading();
    const PuzzleRecipe recipe = RecipeFor(ShapeAskedBy(s), s.ShowEdges, clockMs, clockMs, clockMs);
    // The settings window shows what was drawn.
    if (s.RandomNumberOfColors)
        s.NumberOfColors = recipe.colors;
    if (s.RandomNumberOfVertices)
        s.NumberOfVertices = recipe.vertices;
    if (s.RandomEdgeProbability)
        s.EdgeProbability = recipe.edgeProbability;
    PlayPuzzle(recipe, false);
}

void PuzzleSetter::PlayPuzzle(const PuzzleRecipe& recipe, bool replay) {
    if (!IsPlayable(recipe))
        return;
    BoardView& board = m_game.Board();
    PuzzleState& p = m_game.Puzzle;
    board.ShowSolvedPicture(false);
    p.SelectedColor = PaintColor(1);
    const int n = recipe.vertices;
    const int c = recipe.colors;

    p.ColoredCount = 0;
    p.EdgeCount = 0;
    for (int k = 1; k <= kMaxVertices; ++k) {
        p.VertexColored[k] = 0;
        m_game.BoardVertex[k].SetFillColor(clBlack);
        // Slots above n keep what they held; nothing reads them for this puzzle.
        for (int slot = 0; slot <= n; ++slot) m_game.BoardVertex[k].SetNeighbor(slot, 0);
    }
    board.ShowFills(EdgeView::Board, Fills{});  // every vertex black
    // No edge of the previous puzzle stays marked; the board forgets its lines when it lays out this one.
    p.BoardEdgeDrawn = {};
    p.SolutionEdgeDrawn = {};
    p.EdgeKnownBy = {};
    m_game.m_clicks.clear();  // keeps its room

    const PuzzleGraph graph = GeneratePuzzle(recipe);
    p.HiddenColoring = graph.hiddenColoring;
    p.HiddenColorCount = graph.hiddenColorCount;
    for (int e = 0; e < graph.edgeCount; ++e)
        AddEdge(graph.edges[static_cast<std::size_t>(e)][0], graph.edges[static_cast<std::size_t>(e)][1]);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) p.PairDecided[i][j] = 1;  // every pair was tried
    }
    m_game.RandSeed = graph.seedAfter;

    p.GameOver = false;
    p.VertexCount = n;
    p.EdgesShown = recipe.edgesShown;
    p.Recipe = recipe;
    p.Replay = replay;
    ++p.Serial;

    board.ShowPlayControls();
    board.LayOutBoard({n, c, m_game.Layout.BoardCenterX, m_game.Layout.BoardCenterY});
    if (recipe.edgesShown)
        ShowAllEdges();
    MirrorToSolutionView();

    board.ShowPar(m_game.ComputePar());
    board.ShowScore(0);
    p.ClickCount = 0;
    board.ShowEdgeCount(p.EdgeCount);
    p.ShownAtMs = m_game.SteadyMs();
}

}  // namespace game
