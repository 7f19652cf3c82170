// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TrendChart.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "dialogs/MasteryMap.h"
#include "services/Language.h"

QString SignedFromPar(std::int64_t value) {
    const QLocale locale;
    const QString number = locale.toString(static_cast<qlonglong>(value));
    return value > 0 ? locale.positiveSign() + number : number;
}

void TTrendChart::Show(int level, std::vector<std::int64_t> fromPar) {
    m_level = level;
    m_trend = std::move(fromPar);
}

QString TTrendChart::Title() const {
    // A level chosen with no games yet (or its games just forgotten) has no last games to head.
    if (m_level && m_trend.empty())
        return TMasteryMap::tr("No games of level %1 yet.").arg(m_level);
    if (m_level && m_trend.size() == 1)
        return TMasteryMap::tr("Result against par, the one game of level %1").arg(m_level);
    if (m_level)
        return language::Counted("TMasteryMap",
                                 QT_TRANSLATE_N_NOOP("TMasteryMap", "Results against par, last %n games of level %1"),
                                 "Result against par, the last game of level %1", static_cast<int>(m_trend.size()))
            .arg(m_level);
    return TMasteryMap::tr("Choose a level to see its results against par.");
}

QString TTrendChart::Words() const {
    if (!m_level || m_trend.empty())
        return Title();
    QStringList results;
    for (const std::int64_t result : m_trend) results << SignedFromPar(result);
    return Title() + QStringLiteral(": ") + results.join(QStringLiteral(", "));
}

void TTrendChart::Paint(QPainter& painter, const QPalette& palette, const QFont& font) const {
    const QRect chart = Rect();
    const QColor text = palette.color(QPalette::WindowText);
    painter.setFont(font);
    painter.fillRect(chart, palette.color(QPalette::Base));
    painter.setPen(palette.color(QPalette::Mid));
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
    painter.setPen(QPen(palette.color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), yOf(0)), QPointF(area.right(), yOf(0)));
    painter.setPen(text);
    painter.drawText(QRectF(chart.left() + TTrendChart::kParMarkLeft, yOf(0) - 7, TTrendChart::kParMarkWidth, 14),
                     Qt::AlignRight | Qt::AlignVCenter, TMasteryMap::tr("par"));
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
    painter.setPen(QPen(palette.color(QPalette::Highlight), 2));
    painter.drawPath(line);
    if (m_trend.size() == 1)
        painter.drawEllipse(line.currentPosition(), 2.5, 2.5);
}
