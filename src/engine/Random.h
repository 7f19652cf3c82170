// SPDX-License-Identifier: GPL-3.0-or-later
// NextBelow: the game's one pseudo-random step.
// A 32-bit linear congruential generator on a game's seed, reseeded from the time of day, exactly as the
// puzzles of the game have always been drawn.
#pragma once

#include <cstdint>

namespace game {

// 0..n-1 for n >= 1: the high 32 bits of the new seed times n (a game steps its own seed so;
// a puzzle drawn away from the board steps a seed of its own).
inline std::int32_t NextBelow(std::uint32_t& seed, std::int32_t n) {
    seed = seed * 134775813u + 1u;
    return static_cast<std::int32_t>((std::uint64_t{seed} * static_cast<std::uint32_t>(n)) >> 32);
}

// Milliseconds since midnight UTC on the system's clock.
std::int32_t SystemMillisecondsOfDay();

// Nearest integer; an exact half goes to the even neighbour. Long double keeps the
// 80-bit arithmetic that the board's geometry was designed with.
std::int32_t NearestEven(long double x);

}  // namespace game
