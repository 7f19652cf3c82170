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

// Every click is kept, and up to the game's bound keeping it touches no heap either; past it the
// log makes room and loses nothing.
TEST(Allocation, ClicksAreKeptWithoutTheHeapUpToTheBound) {
    game::Game game;
    game.PinClock(gametest::kNoon);
    game.NewPuzzle();
    const long before = g_allocations;
    for (std::size_t i = 0; i < game::Game::kClicksKeptInPlace; ++i) {
        game.PainterClick(static_cast<int>(i % 4) + 1);
        game.ColorVertex(1);  // one vertex again and again: never solved
    }
    EXPECT_EQ(g_allocations - before, 0);
    game.ColorVertex(1);
    ASSERT_EQ(game.Clicks().size(), game::Game::kClicksKeptInPlace + 1);
    EXPECT_EQ(game.Clicks()[5], (game::Click{1, 2}));
}
