// SPDX-License-Identifier: GPL-3.0-or-later
// A rated game's record made up for a test, shared by the engine's and the windows' tests.
#pragma once

#include <cstdint>

#include "engine/History.h"

namespace gametest {

// A game of that shape, rated at 2026-01-01 12:00:00.000 UTC: solved in `ms` when it is given,
// else left through New Puzzle.
inline game::GameRecord RatedGame(int vertices, int colors, bool edgesShown, int par, int result,
                                  std::int64_t ms = -1) {
    game::GameRecord g;
    g.utc = game::UtcText(1'767'268'800'000);
    g.vertices = vertices;
    g.colors = colors;
    g.edgesShown = edgesShown;
    g.par = par;
    g.result = result;
    g.parOrBetter = result <= par;
    g.ending = ms >= 0 ? game::Ending::Solved : game::Ending::NewPuzzle;
    g.solveMs = ms;
    return g;
}

}  // namespace gametest
