// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Puzzle.h"

#include "engine/Game.h"

namespace game {

void Game::AddEdge(int u, int v) {
    VertexRecord& vu = BoardVertex[u];
    VertexRecord& vv = BoardVertex[v];
    vu.SetNeighbor(0, vu.GetNeighbor(0) + 1);
    vu.SetNeighbor(v, 1);
    vv.SetNeighbor(0, vv.GetNeighbor(0) + 1);
    vv.SetNeighbor(u, 1);
    ++Puzzle.EdgeCount;
    if (hooks.edgeListener)
        hooks.edgeListener(u, v, hooks.edgeListenerContext);
}

void Game::SetEdgeListener(EdgeListener listener, void* context) {
    hooks.edgeListener = listener;
    hooks.edgeListenerContext = context;
}

std::int32_t Game::ComputePar() const {
    return ParFor(Puzzle.VertexCount, Puzzle.EdgesShown, Puzzle.HiddenColorCount, Puzzle.EdgeCount);
}

void Game::ShowAllEdges() {
    DrawEveryEdge(EdgeView::Board, Puzzle.VertexCount);
}

void Game::DrawEveryEdge(EdgeView view, int n) {
    const bool solution = view == EdgeView::Solution;
    const PerVertex<VertexRecord>& records = solution ? SolutionVertex : BoardVertex;
    PairMatrix<std::int32_t>& drawn = solution ? Puzzle.SolutionEdgeDrawn : Puzzle.BoardEdgeDrawn;
    BoardView& board = Board();
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
                    Puzzle.EdgeKnownBy[i][j] = Puzzle.EdgeKnownBy[j][i] = kEdgeShown;
                board.DrawEdge(view, i, j);
            }
        }
        board.RefreshVertex(view, i);
    }
}

void Game::MirrorToSolutionView() {
    Fills fills{};
    for (int k = 1; k <= kMaxVertices; ++k) {
        SolutionVertex[k].SetFillColor(BoardVertex[k].FillColor());
        SolutionVertex[k].SetAllNeighbors(BoardVertex[k].AllNeighbors());
        fills[k] = SolutionVertex[k].FillColor();
    }
    Board().ShowFills(EdgeView::Solution, fills);
    Board().MirrorToSolutionView(Settings.PlayComputer);
}

void Game::NewPuzzle() {
    GameSettings& s = Settings;
    KeepSettingsInRange(s);
    // One reading for the whole puzzle: every reseed of its draws takes it, so the puzzle is
    // the one its code names, however long the drawing takes.
    const std::int32_t clockMs = ClockReading();
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

void Game::PlayPuzzle(const PuzzleRecipe& recipe, bool replay) {
    if (!IsPlayable(recipe))
        return;
    BoardView& board = Board();
    PuzzleState& p = Puzzle;
    board.ShowSolvedPicture(false);
    p.SelectedColor = PaintColor(1);
    const int n = recipe.vertices;
    const int c = recipe.colors;

    p.ColoredCount = 0;
    p.EdgeCount = 0;
    for (int k = 1; k <= kMaxVertices; ++k) {
        p.VertexColored[k] = 0;
        BoardVertex[k].SetFillColor(clBlack);
        // Slots above n keep what they held; nothing reads them for this puzzle.
        for (int slot = 0; slot <= n; ++slot) BoardVertex[k].SetNeighbor(slot, 0);
    }
    board.ShowFills(EdgeView::Board, Fills{});  // every vertex black
    // No edge of the previous puzzle stays marked; the board forgets its lines when it lays out this one.
    p.BoardEdgeDrawn = {};
    p.SolutionEdgeDrawn = {};
    p.EdgeKnownBy = {};
    m_clicks.clear();  // keeps its room

    const PuzzleGraph graph = GeneratePuzzle(recipe);
    p.HiddenColoring = graph.hiddenColoring;
    p.HiddenColorCount = graph.hiddenColorCount;
    for (int e = 0; e < graph.edgeCount; ++e)
        AddEdge(graph.edges[static_cast<std::size_t>(e)][0], graph.edges[static_cast<std::size_t>(e)][1]);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) p.PairDecided[i][j] = 1;  // every pair was tried
    }
    RandSeed = graph.seedAfter;

    p.GameOver = false;
    p.VertexCount = n;
    p.EdgesShown = recipe.edgesShown;
    p.Recipe = recipe;
    p.Replay = replay;
    ++p.Serial;

    board.ShowPlayControls();
    board.LayOutBoard({n, c, Layout.BoardCenterX, Layout.BoardCenterY});
    if (recipe.edgesShown)
        ShowAllEdges();
    MirrorToSolutionView();

    board.ShowPar(ComputePar());
    board.ShowScore(0);
    p.ClickCount = 0;
    board.ShowEdgeCount(p.EdgeCount);
    p.ShownAtMs = SteadyMs();
}

}  // namespace game
