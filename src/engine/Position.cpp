// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Position.h"

#include "engine/Game.h"

namespace game {

Position PositionOf(const PuzzleRecipe& recipe, std::span<const Click> clicks) {
    if (!IsPlayable(recipe))
        return {};
    // A game of its own, with silent windows: the very rules the board plays by.
    Game game;
    game.PlayPuzzle(recipe, true);
    for (const Click& click : clicks) {
        game.Puzzle.SelectedColor = PaintColor(click.colorIndex);
        game.ColorVertex(click.vertex);
    }
    return game.Now();
}

}  // namespace game
