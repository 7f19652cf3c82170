// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Position.h"

#include <array>

#include "engine/Game.h"

namespace game {

Position PositionOf(const PuzzleRecipe& recipe, std::span<const Click> clicks) {
    if (!IsPlayable(recipe))
        return {};
    // A game of its own, with silent windows: the very rules the board plays by.
    Game game;
    game.PlayPuzzle(recipe, true);
    for (const Click& click : clicks) PlayClick(game, click);
    return game.Now();
}

MoveReport PlayClick(Game& game, const Click& click) {
    game.Puzzle.SelectedColor = PaintColor(click.colorIndex);
    return game.ColorVertex(click.vertex);
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
        if (PlayClick(game, click).solved)
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
    std::vector<Click> clicks;
    if (!ReadClicks(text, most, clicks))
        return std::nullopt;
    return clicks;
}

bool ReadClicks(std::string_view text, std::size_t most, std::vector<Click>& clicks) {
    clicks.clear();
    if (text.size() % 2 != 0 || text.size() / 2 > most)
        return false;
    // Each character's value, or none: a history of many thousands of games reads them all.
    static constexpr auto kValues = [] {
        std::array<std::uint8_t, 256> values{};
        values.fill(0xff);
        for (std::size_t i = 0; i < kVertexDigits.size(); ++i)
            values[static_cast<unsigned char>(kVertexDigits[i])] = static_cast<std::uint8_t>(i + 1);
        return values;
    }();
    clicks.resize(text.size() / 2);
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        const std::uint8_t vertex = kValues[static_cast<unsigned char>(text[2 * i])];
        const char colour = text[2 * i + 1];
        if (vertex == 0xff || colour < kColorDigits.front() || colour > kColorDigits.back()) {
            clicks.clear();
            return false;
        }
        clicks[i] = {vertex, static_cast<std::uint8_t>(colour - kColorDigits.front())};
    }
    return true;
}

}  // namespace game
