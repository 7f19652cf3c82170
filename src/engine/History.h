// SPDX-License-Identifier: GPL-3.0-or-later
// game::GameRecord and the history text: what the game keeps of every rated game, and the
// figures the statistics window shows from a list of them. No Qt, no files.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace game {

// One click on a board vertex, as a game keeps it: the vertex 1..16 and the colour index 1..4 it
// was painted (0: black, a painter the game does not have).
struct Click {
    std::uint8_t vertex = 0;
    std::uint8_t colorIndex = 0;
    bool operator==(const Click&) const = default;
};

// How a rated game ended.
enum class Ending { Solved, NewPuzzle, SolutionAsked };

// One game as it entered the run's average from par.
struct GameRecord {
    // "2026-01-01T12:00:00.000Z", kept in place so that rating a game allocates nothing.
    std::array<char, 32> utc{};
    std::int32_t vertices = 0;
    std::int32_t colors = 0;
    bool edgesShown = false;
    std::int32_t par = 0;
    std::int64_t result = 0;  // the clicks, or par + 10 for an abandoned game
    bool parOrBetter = false;
    bool teaching = false;
    Ending ending = Ending::Solved;
    std::int64_t solveMs = -1;  // a solve: from the puzzle appearing to the solving click
    // The puzzle's code, "18C66-QR9HV"; empty for a game recorded before codes were kept.
    std::array<char, 12> code{};
    // The game's clicks in order, so that it can be drawn, replayed and described again from its
    // code alone; none for a game read back from the history file, which keeps no clicks.
    std::vector<Click> clicks;

    // The level of the statistics pages, 1 to 66; 0 outside them.
    std::int32_t Level() const;
    std::string_view Utc() const { return utc.data(); }
    std::string_view Code() const { return code.data(); }
    bool Timed() const { return ending == Ending::Solved && solveMs >= 0; }
    bool operator==(const GameRecord&) const = default;
};

// What a game can give, and so all a history line may hold; a line beyond these bounds is
// damaged and read as unreadable. They keep every figure of the statistics window within its
// numbers, however many games the history holds.
// The largest par: all 120 edges of 16 vertices hidden, plus half the vertex count.
inline constexpr std::int32_t kLargestPar = 16 * 15 / 2 + 16 / 2;
// The clicks are counted in 32 bits; an abandoned game counts par + 10.
inline constexpr std::int64_t kLargestResult = std::numeric_limits<std::int32_t>::max();
// A puzzle left open for a year has still been solved; no longer solve is real.
inline constexpr std::int64_t kLongestSolveMs = std::int64_t{366} * 24 * 60 * 60 * 1000;

// A puzzle shape of the catalogue, as a level of the statistics pages stands for it.
struct LevelShape {
    std::int32_t vertices = 0;
    std::int32_t colors = 0;
    bool edgesShown = false;
    bool operator==(const LevelShape&) const = default;
};

// The level 1 to 66 of a puzzle shape; 0 when it lies outside the catalogue.
std::int32_t LevelOf(std::int32_t vertices, std::int32_t colors, bool edgesShown);
inline std::int32_t GameRecord::Level() const {
    return LevelOf(vertices, colors, edgesShown);
}

// The way back: levels 1 to 66 run through the vertex counts 6 to 16 in groups of six, each
// group going 2, 2, 3, 3, 4, 4 colours with edges shown on the odd levels and hidden on the even
// ones. All zero for a number outside the catalogue.
LevelShape DecodeLevel(std::int32_t level);

// The history file's first line, naming its columns after the format's version, and one line a
// game (each with its line break).
std::string HistoryHeader();
std::string HistoryLine(const GameRecord& record);
// The line for a file whose first line is `fileHeader`: its columns where that header names
// them (as a later version may order or add them), "-" in a column this version does not know,
// so that the game reads back as it reads any line of the file. This version's own line for a
// file without a header it understands.
std::string HistoryLine(const GameRecord& record, std::string_view fileHeader);

// What a history text holds: every line that reads as a game, in file order. Lines that do not
// (torn by a kill, damaged, blank, or holding figures no game can give) are counted and passed over; a file
// of a newer version, with more columns or in another order, is read by the column names of its first line.
struct HistoryText {
    std::vector<GameRecord> games;
    std::size_t skipped = 0;
};
HistoryText ParseHistory(std::string_view text);

// The same text without the games of `level`: every other line, read or not, stays as it was.
std::string WithoutLevel(std::string_view text, std::int32_t level);

// The figures of a list of games, over all levels (level 0) or one.
struct Tally {
    std::int32_t games = 0;
    std::int32_t parOrBetter = 0;
    std::int64_t totalFromPar = 0;
    std::int32_t highestLevel = 0;
    std::int32_t timed = 0;  // solved games with a time
    std::int64_t bestMs = -1;
    std::int64_t totalMs = 0;
    bool operator==(const Tally&) const = default;
};
Tally Summarize(std::span<const GameRecord> games, std::int32_t level = 0);
// One game added to a tally: the one way a game is counted, by the whole list and game by game.
void CountInto(Tally& tally, const GameRecord& game);

// A time as minutes and seconds to a tenth, the tenth rounded half up: "1:07.4", "0:05.0".
// `point` stands between the seconds and the tenth.
std::string TimeText(std::int64_t ms, char point = '.');

// A moment as the history writes it, from milliseconds since 1970-01-01 UTC.
std::array<char, 32> UtcText(std::int64_t msSinceEpoch);

}  // namespace game
