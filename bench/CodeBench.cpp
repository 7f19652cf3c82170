// SPDX-License-Identifier: GPL-3.0-or-later
// code_bench [puzzles] [slips]: puzzles drawn as New Puzzle draws them, each written as its code,
// read back and rebuilt, must be the same puzzle (hidden colouring, edges in order, par); and in
// the first `slips` codes every single mistyped character and every swap of two neighbours must
// be refused. Prints the counts; exits 1 on any mismatch or slip taken.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/Puzzle.h"
#include "engine/PuzzleCode.h"
#include "engine/Random.h"
#include "engine/Game.h"

int main(int argc, char* argv[]) {
    const long puzzles = argc > 1 ? std::atol(argv[1]) : 100'000;
    const long slipCodes = argc > 2 ? std::atol(argv[2]) : 10'000;
    constexpr std::string_view kDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    std::uint32_t seed = 20261210;
    long same = 0, slipsTried = 0, slipsTaken = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < puzzles; ++i) {
        game::Game game;
        game::GameSettings& s = game.Settings;
        s.RandomNumberOfColors = game::NextBelow(seed, 2) == 1;
        s.RandomNumberOfVertices = game::NextBelow(seed, 2) == 1;
        s.RandomEdgeProbability = game::NextBelow(seed, 2) == 1;
        s.NumberOfVertices = 6 + game::NextBelow(seed, 11);
        s.NumberOfColors = 2 + game::NextBelow(seed, 3);
        s.EdgeProbability = 1 + game::NextBelow(seed, 100);
        s.ShowEdges = game::NextBelow(seed, 2) == 1;
        game.PinClock(game::NextBelow(seed, 86'400'000));
        game.NewPuzzle();
        const game::PuzzleState& p = game.Puzzle;
        const std::string code = game::PuzzleCodeOf(p.Recipe).data();
        const game::CodeReading read = game::ReadPuzzleCode(code);
        const game::PuzzleGraph g = game::GeneratePuzzle(read.recipe);
        bool equal = read.ok() && g.hiddenColoring == p.HiddenColoring && g.edgeCount == p.EdgeCount &&
                     game::ParFor(g.vertices, read.recipe.edgesShown, g.hiddenColorCount, g.edgeCount) ==
                         game.ComputePar();
        for (int e = 0; equal && e < g.edgeCount; ++e) {
            const auto& edge = g.edges[static_cast<std::size_t>(e)];
            equal = game.BoardVertex[edge[0]].GetNeighbor(edge[1]) == 1;
        }
        same += equal ? 1 : 0;
        if (!equal)
            std::printf("differs: %s\n", code.c_str());
        if (i >= slipCodes)
            continue;
        const std::string bare = code.substr(0, 5) + code.substr(6);
        for (std::size_t at = 0; at < bare.size(); ++at) {
            for (char other : kDigits) {
                if (other == bare[at])
                    continue;
                std::string typed = bare;
                typed[at] = other;
                ++slipsTried;
                slipsTaken += game::ReadPuzzleCode(typed).ok() ? 1 : 0;
            }
            if (at + 1 < bare.size() && bare[at] != bare[at + 1]) {
                std::string swapped = bare;
                std::swap(swapped[at], swapped[at + 1]);
                ++slipsTried;
                slipsTaken += game::ReadPuzzleCode(swapped).ok() ? 1 : 0;
            }
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%ld of %ld puzzles rebuilt from their codes exactly; %ld of %ld slips and swaps refused; %.2f s\n",
                same, puzzles, slipsTried - slipsTaken, slipsTried, seconds);
    return same == puzzles && slipsTaken == 0 ? 0 : 1;
}
