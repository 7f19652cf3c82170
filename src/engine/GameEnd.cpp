// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GameEnd.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>


namespace game {

void CountUp(std::int32_t& value) {
    if (value < INT32_MAX)
        ++value;
}

AverageFromPar ReduceAverage(std::int64_t totalFromPar, std::int32_t games) {
    // Worked on the exact fraction, so that a half is a half: a double built up game by game
    // cannot hold 41/40 or 9.995, and would round them the wrong way.
    __extension__ typedef unsigned __int128 Wide;
    const bool below = totalFromPar < 0;
    const std::uint64_t magnitude =
        below ? 0u - static_cast<std::uint64_t>(totalFromPar) : static_cast<std::uint64_t>(totalFromPar);
    const Wide numerator = games > 0 ? magnitude : 0;
    const Wide denominator = games > 0 ? static_cast<Wide>(games) : 1;
    // Three significant digits, but never more than three decimals; from 100 up the value is
    // a whole number, every whole digit kept.
    int decimals = 3;
    if (numerator >= 100 * denominator) {
        decimals = 0;
    } else if (numerator >= 10 * denominator) {
        decimals = 1;
    } else if (numerator >= denominator) {
        decimals = 2;
    }
    Wide scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const Wide rounded = (2 * numerator * scale + denominator) / (2 * denominator);
    Wide thousandths = rounded;
    for (int i = decimals; i < 3; ++i) thousandths *= 10;
    AverageFromPar average;
    average.games = games > 0 ? games : 0;
    average.whole = static_cast<std::uint64_t>(thousandths / 1000);
    average.thousandths = static_cast<std::uint32_t>(thousandths % 1000);
    average.negative = below && thousandths != 0;
    return average;
}

std::string AverageFromPar::Text() const {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%s%llu.%03u", negative ? "-" : "",
                                     static_cast<unsigned long long>(whole), thousandths);
    return std::string(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

Rating PerfectDialogText(bool teachingMode, std::int32_t streak) {
    if (teachingMode && streak >= 1)
        return {RatingMessage::PerfectGoOn, streak, true};
    if (teachingMode)
        return {RatingMessage::PerfectNeedTwoInARow, streak, false};
    return {RatingMessage::PerfectWayToGo, streak, false};
}

Rating ExcellentDialogText(bool teachingMode, std::int32_t streak) {
    if (!teachingMode)
        return {RatingMessage::ExcellentMethod, streak, false};
    if (streak <= 2)
        return {RatingMessage::ExcellentCountSoFar, streak, false};
    return {RatingMessage::ExcellentAdvance, streak, true};
}

}  // namespace game
