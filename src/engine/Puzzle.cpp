// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Puzzle.h"

#include <algorithm>

#include "engine/Random.h"
#include "engine/State.h"
#include "engine/Views.h"

namespace game {

namespace {

PuzzleState& Puzzle = world.Puzzle;

void MarkDecided(int a, int b) {
    Puzzle.PairDecided[a][b] = 1;
    Puzzle.PairDecided[b][a] = 1;
}

void AddCliqueEdge(int a, int b) {
    AddEdge(a, b);
    MarkDecided(a, b);
}

// Walks forward round the circle of vertices from start until the hidden colour differs
// from those of every vertex already chosen.
int AdvanceToNewColor(int start, int n, std::initializer_list<int> chosen) {
    int v = start;
    auto clashes = [&](int candidate) {
        return std::any_of(chosen.begin(), chosen.end(), [&](int other) {
            return Puzzle.HiddenColoring[candidate] == Puzzle.HiddenColoring[other];
        });
    };
    while (clashes(v)) v = (v % n) + 1;
    return v;
}

void BuildHiddenColoring(int n, int c) {
    ReseedFromClock();
    do {
        Puzzle.HiddenColorCount = 0;
        unsigned used = 0;
        for (int k = 1; k <= n; ++k) {
            const int color = RandomBelow(c) + 1;
            if ((used & (1u << color)) == 0) {
                used |= 1u << color;
                ++Puzzle.HiddenColorCount;
            }
            Puzzle.HiddenColoring[k] = color;
        }
    } while (Puzzle.HiddenColorCount != c);
}

void ForceClique(int n) {
    if (Puzzle.HiddenColorCount == 3) {
        ReseedFromClock();
        const int a = RandomBelow(n) + 1;
        ReseedFromClock();
        const int b = AdvanceToNewColor(RandomBelow(n) + 1, n, {a});
        ReseedFromClock();
        const int c = AdvanceToNewColor(RandomBelow(n) + 1, n, {a, b});
        AddCliqueEdge(a, b);
        AddCliqueEdge(a, c);
        AddCliqueEdge(b, c);
    } else if (Puzzle.HiddenColorCount == 4) {
        ReseedFromClock();
        const int a = RandomBelow(n) + 1;
        const int b = AdvanceToNewColor(RandomBelow(n) + 1, n, {a});
        ReseedFromClock();
        const int c = AdvanceToNewColor(RandomBelow(n) + 1, n, {a, b});
        ReseedFromClock();
        const int d = AdvanceToNewColor(RandomBelow(n) + 1, n, {a, b, c});
        AddCliqueEdge(a, b);
        AddCliqueEdge(a, c);
        AddCliqueEdge(a, d);
        AddCliqueEdge(b, c);
        AddCliqueEdge(b, d);
        AddCliqueEdge(c, d);
    }
}

// Every undecided pair, the diagonal included, consumes one draw before it is tested.
void AddRandomEdges(int n, int edgeProbability) {
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (Puzzle.PairDecided[i][j] != 0)
                continue;
            const int r = RandomBelow(100) + 1;
            if (i != j && r <= edgeProbability && Puzzle.HiddenColoring[i] != Puzzle.HiddenColoring[j]) {
                AddEdge(i, j);
            }
            MarkDecided(i, j);
        }
    }
}

}  // namespace

int DrawNumberOfColors() {
    ReseedFromClock();
    const int r = RandomBelow(100) + 1;
    return r <= 4 ? 2 : r <= 52 ? 3 : 4;
}

int DrawNumberOfVertices() {
    ReseedFromClock();
    const int r = RandomBelow(100) + 1;
    static constexpr int kUpperBounds[] = {12, 25, 38, 51, 64, 77, 83, 89, 94, 97, 100};
    int n = kMinVertices;
    for (int bound : kUpperBounds) {
        if (r <= bound)
            break;
        ++n;
    }
    return n;
}

int DrawEdgeProbability() {
    ReseedFromClock();
    return RandomBelow(45) + 40;
}

void AddEdge(int u, int v) {
    VertexRecord& vu = world.BoardVertex[u];
    VertexRecord& vv = world.BoardVertex[v];
    vu.SetNeighbor(0, vu.GetNeighbor(0) + 1);
    vu.SetNeighbor(v, 1);
    vv.SetNeighbor(0, vv.GetNeighbor(0) + 1);
    vv.SetNeighbor(u, 1);
    ++Puzzle.EdgeCount;
    if (const Hooks& hooks = world.hooks; hooks.edgeListener)
        hooks.edgeListener(u, v, hooks.edgeListenerContext);
}

void SetEdgeListener(EdgeListener listener, void* context) {
    world.hooks.edgeListener = listener;
    world.hooks.edgeListenerContext = context;
}

std::int32_t ParFor(int n, bool edgesShown, int hiddenColorCount, int edgeCount) {
    if (edgesShown)
        return n;
    if (n == 12 && hiddenColorCount == 3)
        return 33;
    const int base = std::max(edgeCount, 2 * n);
    return (n >= 10 && n <= 14) ? base + n / 2 : base;
}

std::int32_t ComputePar() {
    return ParFor(Puzzle.VertexCount, Puzzle.EdgesShown, Puzzle.HiddenColorCount, Puzzle.EdgeCount);
}

void ShowAllEdges() {
    DrawEveryEdge(EdgeView::Board, Puzzle.VertexCount);
}

void DrawEveryEdge(EdgeView view, int n) {
    const bool solution = view == EdgeView::Solution;
    const PerVertex<VertexRecord>& records = solution ? world.SolutionVertex : world.BoardVertex;
    PairMatrix<std::int32_t>& drawn = solution ? Puzzle.SolutionEdgeDrawn : Puzzle.BoardEdgeDrawn;
    BoardView& board = world.Board();
    for (int i = 1; i <= n; ++i) {
        const VertexRecord& vertex = records[i];
        const int degree = vertex.GetNeighbor(0);
        int found = 0;
        for (int j = 1; j <= kMaxVertices && found < degree; ++j) {
            if (vertex.GetNeighbor(j) != 1)
                continue;
            ++found;
            if (drawn[i][j] == 0 && drawn[j][i] == 0) {
                drawn[i][j] = 1;
                board.DrawEdge(view, i, j);
            }
        }
        board.RefreshVertex(view, i);
    }
}

void MirrorToSolutionView() {
    Fills fills{};
    for (int k = 1; k <= kMaxVertices; ++k) {
        world.SolutionVertex[k].SetFillColor(world.BoardVertex[k].FillColor());
        world.SolutionVertex[k].SetAllNeighbors(world.BoardVertex[k].AllNeighbors());
        fills[k] = world.SolutionVertex[k].FillColor();
    }
    world.Board().ShowFills(EdgeView::Solution, fills);
    world.Board().MirrorToSolutionView(world.Settings.PlayComputer);
}

void NewPuzzle() {
    BoardView& board = world.Board();
    GameSettings& s = world.Settings;
    PuzzleState& p = Puzzle;

    KeepSettingsInRange(s);
    board.ShowSolvedPicture(false);
    p.SelectedColor = PaintColor(1);

    if (s.RandomNumberOfColors)
        s.NumberOfColors = DrawNumberOfColors();
    if (s.RandomNumberOfVertices)
        s.NumberOfVertices = DrawNumberOfVertices();
    if (s.RandomEdgeProbability)
        s.EdgeProbability = DrawEdgeProbability();
    const int n = s.NumberOfVertices;
    const int c = s.NumberOfColors;

    p.ColoredCount = 0;
    p.EdgeCount = 0;
    p.HiddenColorCount = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) p.PairDecided[i][j] = 0;
    }
    for (int k = 1; k <= kMaxVertices; ++k) {
        p.HiddenColoring[k] = 0;
        p.VertexColored[k] = 0;
        world.BoardVertex[k].SetFillColor(clBlack);
        // Slots above n keep what they held; nothing reads them for this puzzle.
        for (int slot = 0; slot <= n; ++slot) world.BoardVertex[k].SetNeighbor(slot, 0);
    }
    board.ShowFills(EdgeView::Board, Fills{});  // every vertex black
    // No edge of the previous puzzle stays marked; the board forgets its lines when it lays out this one.
    p.BoardEdgeDrawn = {};
    p.SolutionEdgeDrawn = {};

    BuildHiddenColoring(n, c);
    ForceClique(n);
    AddRandomEdges(n, s.EdgeProbability);

    p.GameOver = false;
    p.VertexCount = n;
    p.EdgesShown = s.ShowEdges;
    ++p.Serial;

    board.ShowPlayControls();
    board.LayOutBoard({n, c, world.Layout.BoardCenterX, world.Layout.BoardCenterY});
    if (s.ShowEdges)
        ShowAllEdges();
    MirrorToSolutionView();

    board.ShowPar(ComputePar());
    board.ShowScore(0);
    p.ClickCount = 0;
    board.ShowEdgeCount(p.EdgeCount);
    p.ShownAtMs = world.SteadyMs();
}

}  // namespace game
