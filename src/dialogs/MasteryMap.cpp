// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MasteryMap.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>

#include "engine/History.h"
#include "ui/DialogLook.h"

namespace {

constexpr int kCellWidth = 40;
constexpr int kCellHeight = 17;
constexpr QPoint kGridOrigin(30, 40);

// Where level L stands: its row by vertex count, its column in the numbering's order.
QRect CellPlace(int level) {
    const int row = (level - 1) / 6;
    const int column = (level - 1) % 6;
    return {kGridOrigin.x() + column * kCellWidth, kGridOrigin.y() + row * kCellHeight, kCellWidth - 2,
            kCellHeight - 2};
}

// Unplayed: the page's own ground. Played: from red (no game at par) to green (every one), the
// colour growing stronger with the games played, up to ten.
QColor CellColor(const TMasteryMap::Cell& cell, const QColor& ground) {
    if (cell.games == 0)
        return ground;
    const double share = double(cell.parOrBetter) / cell.games;
    const QColor full = QColor::fromHsvF(share / 3.0, 0.85, 0.85);
    const double weight = 0.35 + 0.65 * std::min(cell.games, 10) / 10.0;
    return QColor::fromRgbF(ground.redF() + (full.redF() - ground.redF()) * weight,
                            ground.greenF() + (full.greenF() - ground.greenF()) * weight,
                            ground.blueF() + (full.blueF() - ground.blueF()) * weight);
}

}  // namespace

// One level of the map: a flat button that can be pointed at, tabbed to and pressed.
class TMasteryMap::LevelCell : public QAbstractButton {
  public:
    LevelCell(int level, TMasteryMap* map) : QAbstractButton(map), m_level(level), m_map(map) {
        setObjectName(QStringLiteral("Level%1").arg(level));
        setGeometry(CellPlace(level));
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    // Reached by the keyboard, a cell tells its numbers as pointing at it does.
    void focusInEvent(QFocusEvent* event) override {
        QAbstractButton::focusInEvent(event);
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
            QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const Cell& cell = m_map->m_figures[static_cast<std::size_t>(m_level)];
        const QColor ground = palette().color(QPalette::Base);
        const QColor fill = CellColor(cell, ground);
        painter.fillRect(rect(), fill);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        const game::LevelShape shape = game::DecodeLevel(m_level);
        const bool marked =
            shape.vertices == m_map->m_markedVertices && shape.edgesShown == m_map->m_markedEdges;
        // Dark words on a light cell, light ones on a dark cell.
        painter.setPen(qGray(fill.rgb()) > 140 ? QColor(0, 0, 0) : QColor(255, 255, 255));
        QFont font = ui::DialogFont(10, marked);
        painter.setFont(font);
        painter.drawText(rect(), Qt::AlignCenter, cell.games ? QString::number(cell.games) : QString());
        if (marked) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(2, 2, -3, -3));
        }
    }

  private:
    int m_level;
    TMasteryMap* m_map;
};

QString LevelModeText(bool edgesShown) {
    return edgesShown ? QCoreApplication::translate("TPerformancePages", "Show edges")
                      : QCoreApplication::translate("TPerformancePages", "Do not show edges");
}

TMasteryMap::TMasteryMap(QWidget* parent) : QWidget(parent) {
    setFont(ui::DialogFont(11, false));
    for (int level = 1; level <= 66; ++level) {
        auto* cell = new LevelCell(level, this);
        m_cells[static_cast<std::size_t>(level)] = cell;
        connect(cell, &QAbstractButton::clicked, this, [this, level] { emit levelChosen(level); });
    }
    ShowCells({});
}

QString TMasteryMap::CellWords(int level, const Cell& cell) {
    const game::LevelShape shape = game::DecodeLevel(level);
    return tr("Level %1: %2 vertices, %3 colors, %4. Games played: %5, par or better: %6.")
        .arg(level)
        .arg(shape.vertices)
        .arg(shape.colors)
        .arg(LevelModeText(shape.edgesShown))
        .arg(cell.games)
        .arg(cell.parOrBetter);
}

void TMasteryMap::ShowCells(const Cells& cells) {
    m_figures = cells;
    for (int level = 1; level <= 66; ++level) {
        LevelCell* cell = m_cells[static_cast<std::size_t>(level)];
        const QString words = CellWords(level, cells[static_cast<std::size_t>(level)]);
        cell->setToolTip(words);
        cell->setAccessibleName(words);
        cell->update();
    }
}

void TMasteryMap::MarkCurrent(int vertices, bool edgesShown) {
    m_markedVertices = vertices;
    m_markedEdges = edgesShown;
    for (LevelCell* cell : m_cells) {
        if (cell)
            cell->update();
    }
}

void TMasteryMap::ShowTrend(int level, std::vector<std::int64_t> fromPar) {
    m_trendLevel = level;
    m_trend = std::move(fromPar);
    update();
}

QRect TMasteryMap::ChartRect() const {
    return {290, 40, 320, 187};
}

void TMasteryMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(text);
    painter.setFont(font());

    // The column heads: the colour count over each pair, edges shown or hidden under it.
    for (int colors = 2; colors <= 4; ++colors) {
        const QRect head(kGridOrigin.x() + (colors - 2) * 2 * kCellWidth, 6, 2 * kCellWidth - 2, 14);
        painter.setFont(font());
        painter.drawText(head, Qt::AlignCenter, tr("%1 colors").arg(colors));
        painter.setFont(ui::DialogFont(10, false));
        painter.drawText(head.translated(0, 15).adjusted(0, 0, -kCellWidth, 0), Qt::AlignCenter, tr("shown"));
        painter.drawText(head.translated(kCellWidth, 15).adjusted(0, 0, -kCellWidth, 0), Qt::AlignCenter,
                         tr("hidden"));
    }
    for (int vertices = 6; vertices <= 16; ++vertices) {
        const QRect place(4, kGridOrigin.y() + (vertices - 6) * kCellHeight, kGridOrigin.x() - 10,
                          kCellHeight - 2);
        painter.drawText(place, Qt::AlignRight | Qt::AlignVCenter, QString::number(vertices));
    }
    painter.setFont(font());
    painter.drawText(QRect(4, kGridOrigin.y() + 11 * kCellHeight + 4, 270, 40), Qt::TextWordWrap,
                     tr("Rows: vertices. Numbers: games played. Green: mostly par or better. "
                        "Framed: the level being taught."));

    const QRect chart = ChartRect();
    QString title = tr("Choose a level to see its results against par.");
    if (m_trendLevel && m_trend.size() == 1)
        title = tr("Result against par, the one game of level %1").arg(m_trendLevel);
    else if (m_trendLevel)
        title = tr("Results against par, last %1 games of level %2").arg(m_trend.size()).arg(m_trendLevel);
    painter.drawText(QRect(chart.left(), 6, chart.width(), 28), Qt::AlignLeft | Qt::TextWordWrap, title);
    painter.fillRect(chart, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(chart.adjusted(0, 0, -1, -1));
    if (m_trend.empty())
        return;
    const std::int64_t high = std::max<std::int64_t>(1, *std::max_element(m_trend.begin(), m_trend.end()));
    const std::int64_t low = std::min<std::int64_t>(0, *std::min_element(m_trend.begin(), m_trend.end()));
    const QRectF area = QRectF(chart).adjusted(28, 8, -8, -8);
    const auto yOf = [&](std::int64_t value) {
        return area.bottom() - area.height() * double(value - low) / double(high - low);
    };
    // Par itself, the line a learner aims to stay on or under.
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), yOf(0)), QPointF(area.right(), yOf(0)));
    painter.setPen(text);
    painter.drawText(QRectF(chart.left() + 2, yOf(0) - 7, 24, 14), Qt::AlignRight | Qt::AlignVCenter,
                     tr("par"));
    painter.drawText(QRectF(chart.left() + 2, area.top() - 7, 24, 14), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("+%1").arg(high));
    QPainterPath line;
    const double step = m_trend.size() > 1 ? area.width() / double(m_trend.size() - 1) : 0;
    for (std::size_t i = 0; i < m_trend.size(); ++i) {
        const QPointF at(area.left() + step * double(i), yOf(m_trend[i]));
        if (i == 0)
            line.moveTo(at);
        else
            line.lineTo(at);
    }
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawPath(line);
    if (m_trend.size() == 1)
        painter.drawEllipse(line.currentPosition(), 2.5, 2.5);
}
