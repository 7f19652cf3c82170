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

std::optional<Position> PositionInPlay(const PuzzleRecipe& recipe, std::span<const Click> clicks) {
    if (!IsPlayable(recipe))
        return std::nullopt;
    Game game;
    game.PlayPuzzle(recipe, true);
    for (const Click& click : clicks) {
        if (click.vertex < 1 || click.vertex > recipe.vertices || click.colorIndex < 1 ||
            click.colorIndex > recipe.colors)
            return std::nullopt;
        game.Puzzle.SelectedColor = PaintColor(click.colorIndex);
        if (game.ColorVertex(click.vertex).solved)
            return std::nullopt;
    }
    return game.Now();
}

namespace {
constexpr std::string_view kVertexDigits = "123456789abcdefg";
constexpr std::string_view kColorDigits = "01234";
}  // namespace

std::string ClicksText(std::span<const Click> clicks) {
    std::string text;
    text.reserve(2 * clicks.size());
    for (const Click& click : clicks) {
        text += click.vertex >= 1 && click.vertex <= kVertexDigits.size() ? kVertexDigits[click.vertex - 1] : '?';
        text += click.colorIndex < kColorDigits.size() ? kColorDigits[click.colorIndex] : '?';
    }
    return text;
}

std::optional<std::vector<Click>> ReadClicks(std::string_view text, std::size_t most) {
    if (text.size() % 2 != 0 || text.size() / 2 > most)
        return std::nullopt;
    std::vector<Click> clicks;
    clicks.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const std::size_t vertex = kVertexDigits.find(text[i]);
        const std::size_t color = kColorDigits.find(text[i + 1]);
        if (vertex == std::string_view::npos || color == std::string_view::npos)
            return std::nullopt;
        clicks.push_back({static_cast<std::uint8_t>(vertex + 1), static_cast<std::uint8_t>(color)});
    }
    return clicks;
}

}  // namespace game
