// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle in play kept when the game closes, and put back on the board when it starts again:
// one small file, "puzzle-in-play.txt", beside the history in the player's data folder. No Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/History.h"
#include "engine/PuzzleCode.h"

namespace game {

class Game;

inline constexpr const char* kKeptPuzzleFileName = "puzzle-in-play.txt";
// Where a file that is not a kept puzzle (damaged, cut short, far too large) is set aside, so
// that it never stands in the way of a start again and can still be looked at.
inline constexpr const char* kSetAsideSuffix = ".damaged";
// The longest game a file keeps: a million clicks is no game a player plays, and a file this
// game wrote is never larger than this bound allows.
inline constexpr std::size_t kMostKeptClicks = 100000;
inline constexpr std::size_t kLargestKeptFile = 2 * kMostKeptClicks + 4096;

// A puzzle in play as the file keeps it.
struct KeptPuzzle {
    PuzzleRecipe recipe;
    std::vector<Click> clicks;
    // Played again from its code or restarted (never moves the teaching mode), or else whether
    // the teaching mode counted it when it was kept.
    bool replay = false;
    bool teaching = false;
    // The playing time so far, in milliseconds.
    std::int64_t playedMs = 0;
    // The painter in hand (1..4).
    int painter = 1;
    // The run that kept it: a run removes only a kept puzzle of its own or the one it resumed.
    std::uint64_t run = 0;
};

// The file's text: a format line and then one "name value" line each (see the manual's FILES).
std::string KeptPuzzleText(const KeptPuzzle& kept);

enum class KeptReading {
    Puzzle,       // a puzzle of this game, in play at that click
    NewerFormat,  // written by a later game: left for it
    Damaged       // anything else
};
struct KeptPuzzleRead {
    KeptReading reading = KeptReading::Damaged;
    KeptPuzzle kept;
};
// Reads a file's text: a puzzle only when every line is whole and the clicks are a game of that
// very puzzle still in play.
KeptPuzzleRead ReadKeptPuzzle(std::string_view text);

// The puzzle in play on `game` as a file keeps it (under this run's mark, drawn when first needed).
KeptPuzzle KeptPuzzleOf(Game& game);
// The kept puzzle put on `game`'s board at its click, its playing time going on from where it
// stopped; false (nothing changes) when it is not a position in play of its puzzle.
bool PlayKeptPuzzle(Game& game, const KeptPuzzle& kept);

// The file in the player's data folder (platform::DataFolder); empty when there is none.
std::string KeptPuzzlePath();

// At start, with the board shown: the kept puzzle put on the board at the click it was left at,
// its playing time going on. False when there is none to resume: no file (the cheap usual case,
// one look at the folder), one of a newer game (left alone), or one that is not a kept puzzle of
// this game (set aside as "puzzle-in-play.txt.damaged", unless it is no regular file at all: a
// folder or a device is the player's own and is left alone).
bool ResumeKeptPuzzle(Game& game);

// At every close (the board's, Quit, the end of the session): the puzzle in play, if any, is
// written all or nothing under the file's lock, over whatever the file held; with none in play,
// the file is removed when it holds this run's puzzle or the one this run resumed, and left
// alone otherwise (another running game's, or a newer game's). False when writing or removing
// failed (errno says why); the player is not held by it.
bool KeepPuzzleInPlay(Game& game);

}  // namespace game
