// SPDX-License-Identifier: GPL-3.0-or-later
// TMasteryMap's page: the heads and legend of the map, and the trend of the chosen level, drawn
// and told in words.
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "dialogs/MasteryMap.h"
#include "ui/DialogLook.h"

namespace {

// A result against par as a player reads it: "+2", "0", "-1", in the player's digits.
QString Signed(std::int64_t value) {
    const QLocale locale;
    const QString number = locale.toString(static_cast<qlonglong>(value));
    return value > 0 ? locale.positiveSign() + number : number;
}

}  // namespace

QString TMasteryMap::TrendTitle() const {
    if (m_trendLevel && m_trend.size() == 1)
        return tr("Result against par, the one game of level %1").arg(m_trendLevel);
    if (m_trendLevel)
        return tr("Results against par, last %1 games of level %2").arg(m_trend.size()).arg(m_trendLevel);
    return tr("Choose a level to see its results against par.");
}

QString TMasteryMap::TrendWords() const {
    if (!m_trendLevel)
        return TrendTitle();
    if (m_trend.empty())
        return tr("No games of level %1 yet.").arg(m_trendLevel);
    QStringList results;
    for (const std::int64_t result : m_trend) results << Signed(result);
    return TrendTitle() + QStringLiteral(": ") + results.join(QStringLiteral(", "));
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
        const QRect head(kGridOrigin.x() + (colors - 2) * 2 * kCellWidth, 0, 2 * kCellWidth - 2, 14);
        painter.setFont(font());
        painter.drawText(head, Qt::AlignCenter, tr("%1 colors").arg(colors));
        painter.setFont(ui::DialogFont(10, false));
        painter.drawText(head.translated(0, 13).adjusted(0, 0, -kCellWidth, 0), Qt::AlignCenter, tr("shown"));
        painter.drawText(head.translated(kCellWidth, 13).adjusted(0, 0, -kCellWidth, 0), Qt::AlignCenter,
                         tr("hidden"));
    }
    for (int vertices = 6; vertices <= 16; ++vertices) {
        const QRect place(4, kGridOrigin.y() + (vertices - 6) * kCellHeight, kGridOrigin.x() - 10,
                          kCellHeight);
        painter.drawText(place, Qt::AlignRight | Qt::AlignVCenter, QString::number(vertices));
    }
    const QRect chart = ChartRect();
    painter.setFont(font());
    // Under the chart, where the taller map leaves no room.
    painter.drawText(QRect(chart.left(), chart.bottom() + 5, chart.width(), height() - chart.bottom() - 5),
                     Qt::TextWordWrap,
                     tr("Rows: vertices. Numbers: games played. Green: mostly par or better. "
                        "Framed: the level being taught.") +
                         QLatin1Char(' ') + tr("A tick marks them too."));

    painter.drawText(QRect(chart.left(), 6, chart.width(), 28), Qt::AlignLeft | Qt::TextWordWrap,
                     TrendTitle());
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
