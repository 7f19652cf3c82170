// SPDX-License-Identifier: GPL-3.0-or-later
// The rating dialogs' messages and the average from par: what a finished game is worth (the
// game's end itself is game::Game's, the decisions and the teaching levels game::Coach's).
#pragma once

#include <cstdint>

#include "engine/Views.h"

namespace game {

// What each rating dialog says for a teaching mode and a streak.
Rating PerfectDialogText(bool teachingMode, std::int32_t streak);
Rating ExcellentDialogText(bool teachingMode, std::int32_t streak);

// The average from par as the label writes it, from the exact total of (result - par) over
// `games` rated games (no games: 0.000).
AverageFromPar ReduceAverage(std::int64_t totalFromPar, std::int32_t games);

// Counts one more (a game, a streak, a level). A figure read from a hand-edited file may already
// stand at the top of the 32-bit range; counting on from there must not wrap round to a negative
// number.
void CountUp(std::int32_t& value);

}  // namespace game
