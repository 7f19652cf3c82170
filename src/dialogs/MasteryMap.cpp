// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MasteryMap.h"

#include "dialogs/LevelCells.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

#include "engine/History.h"
#include "services/Language.h"
#include "ui/DialogLook.h"
#include "ui/SpokenLine.h"

namespace {

constexpr int kColumns = TLevelCell::kColumns;
constexpr int kRows = TLevelCell::kRows;

}  // namespace

QString LevelModeText(bool edgesShown) {
    return edgesShown ? QCoreApplication::translate("TPerformancePages", "Show edges")
                      : QCoreApplication::translate("TPerformancePages", "Do not show edges");
}

TMasteryMap::TMasteryMap(QWidget* parent) : QWidget(parent) {
    static const bool readable = [] {
        QAccessible::installFactory(&TLevelCell::Reader);
        return true;
    }();
    (void)readable;
    setFont(ui::DialogFont(11, false));
    m_spoken = new ui::TSpokenLine(this);
    m_grid = new TLevelGrid(this);
    m_grid->setGeometry(QRect(kGridOrigin, QSize(kColumns * kCellWidth, kRows * kCellHeight)));
    m_grid->setAccessibleName(tr("Levels"));
    for (int level = 1; level <= kRows * kColumns; ++level) {
        auto* cell = new TLevelCell(level, m_grid, this);
        m_cells[static_cast<std::size_t>(level)] = cell;
        connect(cell, &QAbstractButton::clicked, this, [this, cell, level] {
            emit levelChosen(level);
            // Chosen from the keyboard or a screen reader, the trend below is said at once (and read
            // as the cell's name until the focus moves on).
            if (cell->hasFocus()) {
                cell->Announce(TrendWords());
                m_spoken->Say(TrendWords());
            }
        });
    }
    const QRect chart = TTrendChart::Rect();
    m_heading = new TTrendPart(this, "TrendHeading", QAccessible::Heading);
    m_heading->setGeometry(chart.left(), 6, chart.width(), 28);
    m_chart = new TTrendPart(this, "TrendChart", QAccessible::Chart);
    m_chart->setGeometry(chart);
    m_recent = new TRecentGames(*this, chart);
    connect(m_recent, &TRecentGames::playAgain, this, &TMasteryMap::playAgain);
    ShowCells({});
    ShowTrend(0, {});
}

QString TMasteryMap::CellWords(int level, const Cell& cell) {
    const game::LevelShape shape = game::DecodeLevel(level);
    return tr("Level %1: %2 vertices, %3 colors, %4. Games played: %5, par or better: %6.")
        .arg(level)
        .arg(shape.vertices)
        .arg(shape.colors)
        .arg(shape.edgesShown ? tr("edges shown") : tr("edges hidden"))
        .arg(cell.games)
        .arg(cell.parOrBetter);
}

QString TMasteryMap::SpokenCell(int level) const {
    const game::LevelShape shape = game::DecodeLevel(level);
    const Cell& cell = m_figures[static_cast<std::size_t>(level)];
    const QLocale locale;
    QString games = tr("no games yet");
    if (cell.games > 0) {
        const int share = static_cast<int>(std::lround(100.0 * cell.parOrBetter / cell.games));
        games = language::Counted("TMasteryMap", QT_TRANSLATE_N_NOOP("TMasteryMap", "%Ln games"), "%Ln game",
                                  cell.games) +
                tr(", %1 % par or better").arg(locale.toString(share));
    }
    QString words = tr("Level %1: %2 vertices, %3 colors, %4, %5")
                        .arg(level)
                        .arg(shape.vertices)
                        .arg(shape.colors)
                        .arg(shape.edgesShown ? tr("edges shown") : tr("edges hidden"), games);
    if (Taught(level))
        words += tr(", current level");
    return words;
}

bool TMasteryMap::Taught(int level) const {
    const game::LevelShape shape = game::DecodeLevel(level);
    return shape.vertices == m_markedVertices && shape.edgesShown == m_markedEdges;
}

void TMasteryMap::ShowCells(const Cells& cells) {
    m_figures = cells;
    for (int level = 1; level <= kRows * kColumns; ++level) {
        TLevelCell* cell = m_cells[static_cast<std::size_t>(level)];
        cell->setToolTip(CellWords(level, cells[static_cast<std::size_t>(level)]));
        // Renamed only when its words change: a screen reader says a focused cell's new name.
        if (const QString words = SpokenCell(level); cell->accessibleName() != words) {
            cell->Unannounce();
            cell->setAccessibleName(words);
        }
        cell->update();
    }
}

void TMasteryMap::MarkCurrent(int vertices, bool edgesShown) {
    m_markedVertices = vertices;
    m_markedEdges = edgesShown;
    ShowCells(m_figures);
}

void TMasteryMap::ShowTrend(int level, std::vector<std::int64_t> fromPar) {
    m_trend.Show(level, std::move(fromPar));
    m_heading->setAccessibleName(m_trend.Title());
    m_chart->setAccessibleName(TrendWords());
    update();
}

void TMasteryMap::KeyTo(int level) {
    ShowKeyboardInUse(true);
    m_cells[static_cast<std::size_t>(level)]->setFocus(Qt::OtherFocusReason);
}

void TMasteryMap::TakeTabStop(int level) {
    if (level == m_tabStop)
        return;
    m_cells[static_cast<std::size_t>(m_tabStop)]->setFocusPolicy(Qt::ClickFocus);
    m_cells[static_cast<std::size_t>(level)]->setFocusPolicy(Qt::StrongFocus);
    m_tabStop = level;
}

void TMasteryMap::ShowKeyboardInUse(bool inUse) {
    if (inUse == m_keyboardInUse)
        return;
    m_keyboardInUse = inUse;
    m_cells[static_cast<std::size_t>(m_tabStop)]->update();
}

void TMasteryMap::mousePressEvent(QMouseEvent* event) {
    ShowKeyboardInUse(false);
    QWidget::mousePressEvent(event);
}
