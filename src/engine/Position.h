// SPDX-License-Identifier: GPL-3.0-or-later
// game::Position and PositionOf: any point of a game, rebuilt from its recipe and its first
// clicks with no window attached. No Qt here.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/History.h"
#include "engine/PuzzleCode.h"
#include "engine/State.h"
#include "engine/Views.h"

namespace game {

// The board at some click of a game: what a window needs to draw it and a screen reader to tell
// it, whole.
struct Position {
    // The fill of each vertex 1..16 (black: uncoloured); slot 0 unused.
    PerVertex<TColor> fills{};
    // For each pair, both ways round: kEdgeUnknown, kEdgeShown or the click that revealed it.
    PairMatrix<std::int32_t> knownBy{};
    std::int32_t edgesKnown = 0;
    std::int32_t clicks = 0;
    bool solved = false;
    bool operator==(const Position&) const = default;
};

// The position after `clicks` on the puzzle of `recipe`, exactly as playing them gave it (the
// game's own rules, played with no window); a recipe that is not playable gives an empty position.
Position PositionOf(const PuzzleRecipe& recipe, std::span<const Click> clicks);

class Game;
// One kept click played again on `game`: its painter taken up, then its vertex clicked.
MoveReport PlayClick(Game& game, const Click& click);

// The position after `clicks` when it is one a player can stand at with the game still in play:
// every click on a vertex of the puzzle in one of its colours, and no click before the last, nor
// the last, colouring the whole board (a solved game is over). Nothing otherwise, so that a kept
// game that is not one of this puzzle never reaches the board.
std::optional<Position> PositionInPlay(const PuzzleRecipe& recipe, std::span<const Click> clicks);

// Clicks as text, for the files that keep a game: two characters a click, the vertex
// "123456789abcdefg" (1 to 16) and then the colour index "01234", in order, nothing between:
// "1132a2" is vertex 1 in colour 1, vertex 3 in colour 2, vertex 10 in colour 2. No clicks: "".
std::string ClicksText(std::span<const Click> clicks);
// The clicks of a text ClicksText wrote, at most `most` of them; nothing for a text that is not
// one (an odd length, a vertex or a colour out of range, more than `most` clicks), so a damaged
// file never gives a game its clicks are not.
std::optional<std::vector<Click>> ReadClicks(std::string_view text, std::size_t most);
// The same into `clicks` (false and `clicks` emptied for a text that is not one), for a reader
// of many games that keeps one vector's room from game to game.
bool ReadClicks(std::string_view text, std::size_t most, std::vector<Click>& clicks);

}  // namespace game
