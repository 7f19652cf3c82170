// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Random.h"

#include <cfenv>
#include <chrono>
#include <cmath>

namespace game {

namespace {

std::int32_t ReadClock() {
    const Hooks& hooks = world.hooks;
    if (hooks.pinnedMs >= 0)
        return hooks.pinnedMs;
    return hooks.clock ? hooks.clock() : SystemMillisecondsOfDay();
}

}  // namespace

std::int32_t RandomBelow(std::int32_t n) {
    return NextBelow(world.RandSeed, n);
}

void ReseedFromClock() {
    world.RandSeed = static_cast<std::uint32_t>(ReadClock());
}

std::int32_t ClockReading() {
    return ReadClock();
}

void SetClock(ClockFn clock) {
    world.hooks.clock = clock;
    world.hooks.pinnedMs = -1;
}

void PinClock(std::int32_t ms) {
    world.hooks.pinnedMs = ms < 0 ? 0 : ms;
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
