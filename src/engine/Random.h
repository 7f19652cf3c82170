// SPDX-License-Identifier: GPL-3.0-or-later
// RandomBelow and ReseedFromClock: the game's one pseudo-random source.
// A 32-bit linear congruential generator on the world's seed, reseeded from the time of day, exactly as the
// puzzles of the game have always been drawn.
#pragma once

#include <cstdint>

#include "engine/State.h"

namespace game {

// 0..n-1 for n >= 1: the high 32 bits of the new seed times n.
std::int32_t RandomBelow(std::int32_t n);
// The same step on a seed of the caller's own, for drawing a puzzle away from the board.
inline std::int32_t NextBelow(std::uint32_t& seed, std::int32_t n) {
    seed = seed * 134775813u + 1u;
    return static_cast<std::int32_t>((std::uint64_t{seed} * static_cast<std::uint32_t>(n)) >> 32);
}

// Seed := milliseconds since midnight UTC, read from the world's clock.
void ReseedFromClock();
// The world's clock now: milliseconds since midnight UTC.
std::int32_t ClockReading();

// The clock the world reads: `clock`, or the system's for nullptr.
void SetClock(ClockFn clock);
// Every later reading returns ms (until SetClock or World::Reset).
void PinClock(std::int32_t ms);
std::int32_t SystemMillisecondsOfDay();

// Nearest integer; an exact half goes to the even neighbour. Long double keeps the
// 80-bit arithmetic that the board's geometry was designed with.
std::int32_t NearestEven(long double x);

}  // namespace game
