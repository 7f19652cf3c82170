// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a kept puzzle for the resume figures: make_kept_puzzle FILE [VERTICES [CLICKS]] writes a
// puzzle of VERTICES (default 16) vertices, four colours and its edges hidden, CLICKS (default 200)
// random clicks in and still in play, as the game keeps it when it closes.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "engine/Game.h"
#include "engine/KeptPuzzle.h"
#include "engine/Position.h"
#include "engine/Random.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_kept_puzzle FILE [VERTICES [CLICKS]]\n");
        return 2;
    }
    const int vertices = argc > 2 ? std::atoi(argv[2]) : 16;
    const std::size_t wanted = argc > 3 ? static_cast<std::size_t>(std::atoi(argv[3])) : 200;
    game::Game game;
    game.PinClock(12 * 3600 * 1000);
    const game::PuzzleRecipe recipe{vertices, 4, 60, false, 43'200'000};
    game.PlayPuzzle(recipe, false);
    std::vector<game::Click> clicks;
    std::uint32_t seed = 39;
    while (clicks.size() < wanted) {
        clicks.push_back({static_cast<std::uint8_t>(game::NextBelow(seed, vertices) + 1),
                          static_cast<std::uint8_t>(game::NextBelow(seed, 4) + 1)});
        if (!game::PositionInPlay(recipe, clicks)) {
            clicks.pop_back();
            continue;
        }
        game.PainterClick(clicks.back().colorIndex);
        game.VertexClick(clicks.back().vertex);
    }
    std::ofstream(argv[1], std::ios::binary) << game::KeptPuzzleText(game::KeptPuzzleOf(game));
    return 0;
}
