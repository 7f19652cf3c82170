// SPDX-License-Identifier: GPL-3.0-or-later
// game::Figures: the statistics window's figures of a list of games, kept up to date one game at
// a time. No Qt.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/History.h"

namespace game {

// What the statistics show of a list of games, kept as the games come: each level's tally, its
// last results against par and its last games. A game is added at the same small cost however
// many came before, so a history of a million games never holds the board up when one more is
// rated; the figures are always exactly those of the whole list read again.
class Figures {
  public:
    static constexpr std::size_t kTrendGames = 100;
    static constexpr std::size_t kRecentGames = 10;

    void Add(const GameRecord& game);
    // Every game of a level 1..66 forgotten, as if it had never been added.
    void Forget(std::int32_t level);

    // The figures Summarize gives for the whole list: over all levels (level 0) or one.
    Tally Of(std::int32_t level = 0) const;
    // A level 1..66's last results against par (result - par), oldest first: at most kTrendGames.
    std::vector<std::int64_t> Trend(std::int32_t level) const;
    // A level 1..66's last games, newest first: at most kRecentGames.
    std::vector<GameRecord> Recent(std::int32_t level) const;

    bool operator==(const Figures&) const = default;

  private:
    // The games of one level (slot 0: games outside the catalogue). The level's game number n
    // (from 0) stands at n % size in each ring.
    struct Level {
        Tally tally;
        std::array<std::int64_t, kTrendGames> fromPar{};
        std::array<GameRecord, kRecentGames> recent{};
        bool operator==(const Level&) const = default;
    };
    // Level 1..66, or none.
    const Level* LevelAt(std::int32_t level) const;

    std::array<Level, 67> m_levels{};
};

// The figures of a list of games, added in order.
Figures FiguresOf(std::span<const GameRecord> games);

// A history read back gives clicks to as many games of a level as the figures list.
static_assert(Figures::kRecentGames == kClicksReadPerLevel);

}  // namespace game
