// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one pseudo-random source: a 32-bit linear congruential generator reseeded
// from the time of day, exactly as the puzzles of the game have always been drawn.
#pragma once

#include <cstdint>

namespace game {

inline std::uint32_t RandSeed = 0;

// 0..n-1 for n >= 1: the high 32 bits of the new seed times n.
std::int32_t RandomBelow(std::int32_t n);

// Seed := milliseconds since midnight UTC, read from the current clock.
void ReseedFromClock();

// The clock: milliseconds since midnight UTC. Tests pin it to one reading.
using ClockFn = std::int32_t (*)();
void SetClock(ClockFn clock);
std::int32_t SystemMillisecondsOfDay();
// Every later reading returns ms (until SetClock is called again).
void PinClock(std::int32_t ms);

// Nearest integer; an exact half goes to the even neighbour. Long double keeps the
// 80-bit arithmetic that the board's geometry was designed with.
std::int32_t NearestEven(long double x);

}  // namespace game
