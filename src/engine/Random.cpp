// SPDX-License-Identifier: GPL-3.0-or-later
#include "Random.h"

#include <cfenv>
#include <chrono>
#include <cmath>

namespace game {

namespace {
ClockFn g_clock = &SystemMillisecondsOfDay;
std::int32_t g_pinnedMs = 0;
std::int32_t PinnedReading() { return g_pinnedMs; }
}  // namespace

std::int32_t RandomBelow(std::int32_t n) {
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<std::int32_t>((std::uint64_t{RandSeed} * static_cast<std::uint32_t>(n)) >> 32);
}

void ReseedFromClock() { RandSeed = static_cast<std::uint32_t>(g_clock()); }

void SetClock(ClockFn clock) { g_clock = clock ? clock : &SystemMillisecondsOfDay; }

void PinClock(std::int32_t ms) {
    g_pinnedMs = ms;
    g_clock = &PinnedReading;
}

std::int32_t SystemMillisecondsOfDay() {
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    return static_cast<std::int32_t>(now.count() % (24LL * 60 * 60 * 1000));
}

std::int32_t NearestEven(long double x) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double r = std::nearbyint(x);
    std::fesetround(saved);
    return static_cast<std::int32_t>(r);
}

}  // namespace game
