// SPDX-License-Identifier: GPL-3.0-or-later
// A puzzle's code: the few facts that give back exactly one puzzle on any machine, written as
// ten characters a pupil can read out, copy from a worksheet or type in. No Qt.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace game {

// The clock a puzzle is drawn from reads the time of day: 0 up to this, in milliseconds.
inline constexpr std::int32_t kMsPerDay = 24 * 60 * 60 * 1000;

// Everything a puzzle is drawn from: its shape and the one clock reading all its draws were
// seeded with. The same recipe always gives the same hidden colouring, edges and par.
struct PuzzleRecipe {
    std::int32_t vertices = 6;         // 6..16
    std::int32_t colors = 2;           // 2..4
    std::int32_t edgeProbability = 0;  // 0..100: a pair of different colours is joined if a draw 1..100 is at most this
    bool edgesShown = false;
    std::int32_t clockMs = 0;  // milliseconds since midnight UTC, 0..86 399 999
    bool operator==(const PuzzleRecipe&) const = default;
};

// Whether the shape lies in the game's ranges, so that a puzzle can be drawn for it.
bool IsPlayable(const PuzzleRecipe& recipe);

// "18C66-QR9HV": the format's digit (1 today), eight characters of the recipe in Crockford's
// base 32, and a check character, shown in two groups of five. Null-terminated, fixed size:
// a game's record takes its code without allocating. Empty for a recipe that is not playable
// or whose clock reading lies beyond a day.
using PuzzleCodeText = std::array<char, 12>;
inline constexpr std::size_t kPuzzleCodeCharacters = 10;
PuzzleCodeText PuzzleCodeOf(const PuzzleRecipe& recipe);

// What is wrong with a typed code, for a message the player can act on.
enum class CodeProblem {
    None,
    Empty,
    BadCharacter,   // a character no code holds (`character` says which)
    TooShort,
    TooLong,
    NewerFormat,    // does not start with 1: a later game's code, or its first character mistyped
    Mistyped,       // the check character does not match: a character mistyped or two swapped
    NotAPuzzle      // reads well but names no puzzle this game can draw
};
struct CodeReading {
    CodeProblem problem = CodeProblem::Empty;
    PuzzleRecipe recipe{};
    char32_t character = 0;
    bool ok() const { return problem == CodeProblem::None; }
};

// Reads a code as a person types it: any case, dashes and spaces anywhere, O for zero and
// I or L for one. The text is UTF-8.
CodeReading ReadPuzzleCode(std::string_view text);

}  // namespace game
