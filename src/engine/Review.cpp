// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Review.h"

#include "engine/Game.h"

namespace game {

ClickKind KindOf(const MoveReport& move, int colorIndexBefore) {
    bool cleared = false;
    for (std::int32_t i = 0; i < move.clearedCount; ++i) {
        if (!move.cleared[static_cast<std::size_t>(i)].edgeWasHidden)
            return ClickKind::VisibleClash;
        cleared = true;
    }
    if (cleared)
        return ClickKind::HiddenEdgeFound;
    return colorIndexBefore != 0 ? ClickKind::Repaint : ClickKind::Painted;
}

ReviewHint HintFor(const ClickCounts& counts) {
    if (counts.Total() == 0)
        return ReviewHint::NoClicks;
    if (counts.visibleClashes > 0)
        return ReviewHint::LookAtNeighbours;
    if (counts.repaints > 0)
        return ReviewHint::ChooseOnce;
    if (counts.hiddenEdgesFound > 0)
        return ReviewHint::CostOfExploring;
    return ReviewHint::AllPainted;
}

GameReview ReviewOf(const PuzzleRecipe& recipe, std::span<const Click> clicks) {
    GameReview review;
    if (!IsPlayable(recipe))
        return review;
    // A game of its own with silent windows: the very rules the board played by.
    Game game;
    game.PlayPuzzle(recipe, true);
    const int n = game.Puzzle.VertexCount;
    review.recipe = recipe;
    review.vertices = n;
    review.colors = game.Puzzle.HiddenColorCount;
    review.edgesShown = game.Puzzle.EdgesShown;
    review.par = game.ComputePar();
    for (int i = 1; i <= n; ++i) {
        review.solution[i] = game.Puzzle.HiddenColoring[i];
        for (int j = 1; j <= n; ++j) review.edges[i][j] = i != j && game.BoardVertex[i].GetNeighbor(j) == 1;
    }
    review.clicks.reserve(clicks.size());
    review.positions.reserve(clicks.size() + 1);
    review.positions.push_back(game.Now());
    for (const Click& click : clicks) {
        if (game.Puzzle.GameOver || click.vertex < 1 || click.vertex > n)
            return GameReview{};
        ReviewedClick told;
        told.click = click;
        told.colorBefore = ColorIndexOf(game.BoardVertex[click.vertex].FillColor());
        told.move = PlayClick(game, click);
        told.kind = KindOf(told.move, told.colorBefore);
        switch (told.kind) {
            case ClickKind::Painted:
                ++review.counts.painted;
                break;
            case ClickKind::VisibleClash:
                ++review.counts.visibleClashes;
                break;
            case ClickKind::HiddenEdgeFound:
                ++review.counts.hiddenEdgesFound;
                break;
            case ClickKind::Repaint:
                ++review.counts.repaints;
                break;
        }
        review.clicks.push_back(told);
        review.positions.push_back(game.Now());
    }
    review.hint = HintFor(review.counts);
    review.valid = true;
    return review;
}

}  // namespace game
