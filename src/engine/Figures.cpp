// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Figures.h"

#include <algorithm>

namespace game {

void Figures::Add(const GameRecord& game) {
    const std::int32_t at = game.Level();
    Level& level = m_levels[static_cast<std::size_t>(at)];
    Tally& tally = level.tally;
    const auto n = static_cast<std::size_t>(tally.games);
    level.fromPar[n % kTrendGames] = game.result - game.par;
    level.recent[n % kRecentGames] = game;
    CountInto(tally, game);
}

void Figures::Forget(std::int32_t level) {
    if (level >= 1 && level < static_cast<std::int32_t>(m_levels.size()))
        m_levels[static_cast<std::size_t>(level)] = Level{};
}

const Figures::Level* Figures::LevelAt(std::int32_t level) const {
    if (level < 1 || level >= static_cast<std::int32_t>(m_levels.size()))
        return nullptr;
    return &m_levels[static_cast<std::size_t>(level)];
}

Tally Figures::Of(std::int32_t level) const {
    if (level != 0) {
        const Level* one = LevelAt(level);
        return one ? one->tally : Tally{};
    }
    // Every level's figures together: the sums, the highest level and the best time.
    Tally all;
    for (const Level& each : m_levels) {
        const Tally& t = each.tally;
        all.games += t.games;
        all.parOrBetter += t.parOrBetter;
        all.totalFromPar += t.totalFromPar;
        all.highestLevel = std::max(all.highestLevel, t.highestLevel);
        all.timed += t.timed;
        all.totalMs += t.totalMs;
        if (t.bestMs >= 0 && (all.bestMs < 0 || t.bestMs < all.bestMs))
            all.bestMs = t.bestMs;
    }
    return all;
}

std::vector<std::int64_t> Figures::Trend(std::int32_t level) const {
    std::vector<std::int64_t> trend;
    const Level* one = LevelAt(level);
    if (!one)
        return trend;
    const auto games = static_cast<std::size_t>(one->tally.games);
    const std::size_t count = std::min(games, kTrendGames);
    trend.reserve(count);
    for (std::size_t n = games - count; n < games; ++n) trend.push_back(one->fromPar[n % kTrendGames]);
    return trend;
}

std::vector<GameRecord> Figures::Recent(std::int32_t level) const {
    std::vector<GameRecord> recent;
    const Level* one = LevelAt(level);
    if (!one)
        return recent;
    const auto games = static_cast<std::size_t>(one->tally.games);
    const std::size_t count = std::min(games, kRecentGames);
    recent.reserve(count);
    for (std::size_t k = 1; k <= count; ++k) recent.push_back(one->recent[(games - k) % kRecentGames]);
    return recent;
}

Figures FiguresOf(std::span<const GameRecord> games) {
    Figures figures;
    for (const GameRecord& game : games) figures.Add(game);
    return figures;
}

}  // namespace game
