// SPDX-License-Identifier: GPL-3.0-or-later
// Making a puzzle and playing it never touch the heap.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/GameEnd.h"
#include "engine/Game.h"
#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "engine/State.h"
#include "support/GameTest.h"

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

TEST(Allocation, NewPuzzleAndColorVertexAllocateNothing) {
    game::Game game;
    game.Settings.RandomNumberOfVertices = true;
    game.PinClock(gametest::kNoon);
    for (int round = 0; round < 50; ++round) {
        game.PinClock(round * 1'000'003);
        const long before = g_allocations;
        game.NewPuzzle();
        for (int k = 1; k <= game.Puzzle.VertexCount && !game.Puzzle.GameOver; ++k) {
            game.PainterClick(game.Puzzle.HiddenColoring[k % game.Puzzle.VertexCount + 1]);
            game.ColorVertex(k);
        }
        // Finish the game: the solving click rates it and shows the solution.
        for (int k = 1; k <= game.Puzzle.VertexCount && !game.Puzzle.GameOver; ++k) {
            game.PainterClick(game.Puzzle.HiddenColoring[k]);
            game.ColorVertex(k);
        }
        EXPECT_TRUE(game.Puzzle.GameOver);
        EXPECT_EQ(g_allocations - before, 0) << "round " << round;
    }
}
