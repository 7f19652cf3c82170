// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle of a recipe, drawn away from any board, and the draws and the par that go with it.
#include <algorithm>

#include "engine/Puzzle.h"
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

std::int32_t ParFor(int n, bool edgesShown, int hiddenColorCount, int edgeCount) {
    if (edgesShown)
        return n;
    if (n == 12 && hiddenColorCount == 3)
        return 33;
    const int base = std::max(edgeCount, 2 * n);
    return (n >= 10 && n <= 14) ? base + n / 2 : base;
}

}  // namespace game
