// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Puzzle.h"

#include <algorithm>

#include "engine/Game.h"
#include "engine/Random.h"

namespace game {

namespace {

// One puzzle's draws, made away from the board: the seed, the one clock reading every reseed
// of the puzzle takes, and the pairs already decided.
class Drawing {
  public:
    Drawing(const PuzzleRecipe& recipe, PuzzleGraph& graph) : m_recipe(recipe), m_graph(graph) {}

    void Run() {
        m_graph.vertices = m_recipe.vertices;
        BuildHiddenColoring();
        ForceClique();
        AddRandomEdges();
        m_graph.seedAfter = m_seed;
    }

  private:
    void Reseed() { m_seed = static_cast<std::uint32_t>(m_recipe.clockMs); }
    int Below(int n) { return NextBelow(m_seed, n); }
    int& Hidden(int k) { return m_graph.hiddenColoring[static_cast<std::size_t>(k)]; }

    void Join(int a, int b) {
        m_graph.edges[static_cast<std::size_t>(m_graph.edgeCount++)] = {static_cast<std::uint8_t>(a),
                                                                          static_cast<std::uint8_t>(b)};
        m_decided[a][b] = m_decided[b][a] = 1;
    }

    // Walks forward round the circle of vertices from start until the hidden colour differs
    // from those of every vertex already chosen.
    int AdvanceToNewColor(int start, std::initializer_list<int> chosen) {
        int v = start;
        auto clashes = [&](int candidate) {
            return std::any_of(chosen.begin(), chosen.end(),
                               [&](int other) { return Hidden(candidate) == Hidden(other); });
        };
        while (clashes(v)) v = (v % m_recipe.vertices) + 1;
        return v;
    }

    void BuildHiddenColoring() {
        const int n = m_recipe.vertices;
        const int c = m_recipe.colors;
        Reseed();
        do {
            m_graph.hiddenColorCount = 0;
            unsigned used = 0;
            for (int k = 1; k <= n; ++k) {
                const int color = Below(c) + 1;
                if ((used & (1u << color)) == 0) {
                    used |= 1u << color;
                    ++m_graph.hiddenColorCount;
                }
                Hidden(k) = color;
            }
        } while (m_graph.hiddenColorCount != c);
    }

    void ForceClique() {
        const int n = m_recipe.vertices;
        if (m_graph.hiddenColorCount == 3) {
            Reseed();
            const int a = Below(n) + 1;
            Reseed();
            const int b = AdvanceToNewColor(Below(n) + 1, {a});
            Reseed();
            const int c = AdvanceToNewColor(Below(n) + 1, {a, b});
            Join(a, b);
            Join(a, c);
            Join(b, c);
        } else if (m_graph.hiddenColorCount == 4) {
            Reseed();
            const int a = Below(n) + 1;
            const int b = AdvanceToNewColor(Below(n) + 1, {a});
            Reseed();
            const int c = AdvanceToNewColor(Below(n) + 1, {a, b});
            Reseed();
            const int d = AdvanceToNewColor(Below(n) + 1, {a, b, c});
            Join(a, b);
            Join(a, c);
            Join(a, d);
            Join(b, c);
            Join(b, d);
            Join(c, d);
        }
    }

    // Every undecided pair, the diagonal included, consumes one draw before it is tested.
    void AddRandomEdges() {
        const int n = m_recipe.vertices;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                if (m_decided[i][j] != 0)
                    continue;
                const int r = Below(100) + 1;
                if (i != j && r <= m_recipe.edgeProbability && Hidden(i) != Hidden(j))
                    Join(i, j);
                m_decided[i][j] = m_decided[j][i] = 1;
            }
        }
    }

    const PuzzleRecipe& m_recipe;
    PuzzleGraph& m_graph;
    std::uint32_t m_seed = 0;
    PairMatrix<std::uint8_t> m_decided{};
};

// The clock draws of the random settings: each reseeds from the one reading of this puzzle.
int DrawFrom(std::int32_t clockMs, int n) {
    std::uint32_t seed = static_cast<std::uint32_t>(clockMs);
    return NextBelow(seed, n);
}

}  // namespace

PuzzleGraph GeneratePuzzle(const PuzzleRecipe& recipe) {
    PuzzleGraph graph;
    if (IsPlayable(recipe))
        Drawing(recipe, graph).Run();
    return graph;
}

int DrawNumberOfColors(std::int32_t clockMs) {
    const int r = DrawFrom(clockMs, 100) + 1;
    return r <= 4 ? 2 : r <= 52 ? 3 : 4;
}

int DrawNumberOfVertices(std::int32_t clockMs) {
    const int r = DrawFrom(clockMs, 100) + 1;
    static constexpr int kUpperBounds[] = {12, 25, 38, 51, 64, 77, 83, 89, 94, 97, 100};
    int n = kMinVertices;
    for (int bound : kUpperBounds) {
        if (r <= bound)
            break;
        ++n;
    }
    return n;
}

int DrawEdgeProbability(std::int32_t clockMs) {
    return DrawFrom(clockMs, 45) + 40;
}

ShapeAsked ShapeAskedBy(const GameSettings& settings) {
    return {settings.RandomNumberOfVertices ? 0 : settings.NumberOfVertices,
            settings.RandomNumberOfColors ? 0 : settings.NumberOfColors,
            settings.RandomEdgeProbability ? -1 : std::clamp<std::int32_t>(settings.EdgeProbability, 0, 100)};
}

PuzzleRecipe RecipeFor(const ShapeAsked& shape, bool edgesShown, std::int32_t clockMs, std::int32_t verticesMs,
                       std::int32_t colorsMs) {
    PuzzleRecipe recipe;
    recipe.colors = shape.colors > 0 ? shape.colors : DrawNumberOfColors(colorsMs);
    recipe.vertices = shape.vertices > 0 ? shape.vertices : DrawNumberOfVertices(verticesMs);
    recipe.edgeProbability =
        shape.edgeProbability >= 0 ? std::min(shape.edgeProbability, 100) : DrawEdgeProbability(clockMs);
    recipe.edgesShown = edgesShown;
    recipe.clockMs = clockMs;
    return recipe;
}

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

std::int32_t ParFor(int n, bool edgesShown, int hiddenColorCount, int edgeCount) {
    if (edgesShown)
        return n;
    if (n == 12 && hiddenColorCount == 3)
        return 33;
    const int base = std::max(edgeCount, 2 * n);
    return (n >= 10 && n <= 14) ? base + n / 2 : base;
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
