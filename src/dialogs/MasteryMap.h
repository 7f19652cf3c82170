// SPDX-License-Identifier: GPL-3.0-or-later
// TMasteryMap: the statistics window's "Progress" page, a map of the 66 levels and a trend.
// Rows are the vertex counts 6 to 16, columns the colour counts 2, 3, 4, each with edges shown
// and hidden, in the level numbering's order. Each cell is shaded by how many games were played
// at its level and what share of them was par or better, and ticked when most were; the level
// being taught is framed. Below the map runs the chosen level's results against par over its
// last games. The map is one stop of the Tab ring: the arrow keys walk it by row and column, and
// a screen reader hears each cell and the trend it chooses.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

#include "dialogs/RecentGames.h"
#include "dialogs/TrendChart.h"

class QAbstractButton;
class TLevelCell;

namespace ui {
class TSpokenLine;
}

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
    // The chosen level's last games, newest first, listed under the trend (dialogs/RecentGames.h).
    using RecentGame = TRecentGames::Listed;
    void ShowRecentGames(const std::vector<RecentGame>& games) { m_recent->Show(games); }
    // How many of a level's games the list holds.
    static constexpr std::size_t kRecentGames = 10;

    // The words a cell's tool tip shows.
    static QString CellWords(int level, const Cell& cell);
    // The words a screen reader names a cell by: its level, games, share par or better and
    // whether it is being taught.
    QString SpokenCell(int level) const;
    // The trend in words: its heading and, once a level is chosen, its results as numbers.
    QString TrendWords() const { return m_trend.Words(); }

    // The words the map draws itself rather than in controls (the column heads, the trend's
    // heading and par mark, the legend), each in the box it is drawn in; and how far the widest
    // of them runs past its box, in pixels (0: every one fits), for the check that a translation
    // is not cut off.
    struct DrawnWords {
        enum class Part { Head, Text, ParMark };
        Part part = Part::Text;
        QRect box;
        QFont font;
        int flags = 0;
        QString text;
    };
    std::vector<DrawnWords> Words() const;
    struct Overrun {
        int pixels = 0;
        QString text;  // the words that run furthest
    };
    Overrun WordsOverrun() const;

    // The map's cells: as wide as ever, and tall enough to point at and to hold a tick beside
    // the games, as tall as the page holds under the column heads.
    static constexpr int kCellWidth = 40;
    static constexpr int kCellHeight = 24;
    static constexpr QPoint kGridOrigin{30, 26};

  signals:
    void levelChosen(int level);
    // A listed game is to be played again (Play Again, Enter or a double click on its row).
    void playAgain(const QString& code);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // The cells (dialogs/LevelCells.h) read the figures and move the keyboard among them.
    friend class TLevelCell;
    friend class LevelCellAccessible;
    bool Taught(int level) const;
    // Moves the keyboard to `level`'s cell, which becomes the map's stop in the Tab ring.
    void KeyTo(int level);
    void TakeTabStop(int level);
    void ShowKeyboardInUse(bool inUse);

    std::array<TLevelCell*, 67> m_cells{};
    QWidget* m_grid = nullptr;
    // Where the trend of a chosen level is said from.
    ui::TSpokenLine* m_spoken = nullptr;
    QWidget* m_heading = nullptr;
    QWidget* m_chart = nullptr;
    TTrendChart m_trend;
    TRecentGames* m_recent = nullptr;
    Cells m_figures{};
    int m_markedVertices = 0;
    bool m_markedEdges = true;
    int m_tabStop = 1;
    bool m_keyboardInUse = false;
};
