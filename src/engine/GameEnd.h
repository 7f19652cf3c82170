// SPDX-License-Identifier: GPL-3.0-or-later
// The rating dialogs' messages and the average from par: what a finished game is worth (the
// game's end itself, the decisions and the teaching levels are game::Game's).
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

}  // namespace game
