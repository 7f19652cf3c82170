// SPDX-License-Identifier: GPL-3.0-or-later
// TMasteryMap: the statistics window's "Progress" page, a map of the 66 levels and a trend.
// Rows are the vertex counts 6 to 16, columns the colour counts 2, 3, 4, each with edges shown
// and hidden, in the level numbering's order. Each cell is shaded by how many games were played
// at its level and what share of them was par or better; the level being taught is marked.
// Below the map runs the chosen level's results against par over its last games.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

class QAbstractButton;

// A level's edge mode in the statistics window's words: "Show edges" or "Do not show edges".
QString LevelModeText(bool edgesShown);

class TMasteryMap : public QWidget {
    Q_OBJECT

  public:
    explicit TMasteryMap(QWidget* parent = nullptr);

    struct Cell {
        int games = 0;
        int parOrBetter = 0;
    };
    // The figures of levels 1..66 (slot 0 unused).
    using Cells = std::array<Cell, 67>;
    void ShowCells(const Cells& cells);
    // The puzzle shape the game is teaching now: its row and edge mode are marked.
    void MarkCurrent(int vertices, bool edgesShown);
    // The chosen level and its last games' results against par, oldest first.
    void ShowTrend(int level, std::vector<std::int64_t> fromPar);

    // The words a cell is named by, for its tool tip and for screen readers.
    static QString CellWords(int level, const Cell& cell);

  signals:
    void levelChosen(int level);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    class LevelCell;
    QRect ChartRect() const;

    std::array<LevelCell*, 67> m_cells{};
    Cells m_figures{};
    int m_markedVertices = 0;
    bool m_markedEdges = true;
    int m_trendLevel = 0;
    std::vector<std::int64_t> m_trend;
};
