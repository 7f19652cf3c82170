// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Random.h"

#include <cfenv>
#include <chrono>
#include <cmath>

namespace game {

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
