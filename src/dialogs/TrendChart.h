// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress page's trend: the chosen level's results against par over its last games, as a
// line over the par line, with its heading and the same results in words for the ear.
#pragma once

#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

class QFont;
class QPainter;
class QPalette;

// A result against par as a player reads it: "+2", "0", "-1", in the player's digits.
QString SignedFromPar(std::int64_t value);

class TTrendChart {
  public:
    // The box the chart is drawn in on the page: lower than the map, with room below for the list
    // of the level's last games.
    static constexpr QRect Rect() { return {290, 40, 320, 95}; }
    // The box the word for par stands in, right-aligned left of the chart's par line: from the
    // chart's own left edge, so that a word a little longer than "par" (Portuguese "meta") still
    // fits.
    static constexpr int kParMarkLeft = 0;
    static constexpr int kParMarkWidth = 26;

    // The chosen level (0: none) and its last games' results against par, oldest first.
    void Show(int level, std::vector<std::int64_t> fromPar);
    int Level() const { return m_level; }
    // The heading over the chart.
    QString Title() const;
    // The trend in words: its heading and, once a level is chosen, its results as numbers.
    QString Words() const;
    // Draws the chart's box and, where the level has games, its par line and results.
    void Paint(QPainter& painter, const QPalette& palette, const QFont& font) const;

  private:
    int m_level = 0;
    std::vector<std::int64_t> m_trend;
};
