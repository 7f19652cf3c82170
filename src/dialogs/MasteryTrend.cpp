// SPDX-License-Identifier: GPL-3.0-or-later
// TMasteryMap's page: the heads and legend of the map drawn around the cells, and the trend
// chart under its heading.
#include <QPainter>

#include <algorithm>

#include "dialogs/MasteryMap.h"
#include "dialogs/TrendChart.h"
#include "ui/DialogLook.h"

namespace {

// Where the words under the chart and its list begin.
constexpr int kLegendTop = 232;

}  // namespace

std::vector<TMasteryMap::DrawnWords> TMasteryMap::Words() const {
    using Part = DrawnWords::Part;
    std::vector<DrawnWords> words;
    const QFont small = ui::DialogFont(10, false);
    // The column heads: the colour count over each pair, edges shown or hidden under it.
    for (int colors = 2; colors <= 4; ++colors) {
        const QRect head(kGridOrigin.x() + (colors - 2) * 2 * kCellWidth, 0, 2 * kCellWidth - 2, 14);
        const QRect under = head.translated(0, 13).adjusted(0, 0, -kCellWidth, 0);
        words.push_back({Part::Head, head, font(), Qt::AlignCenter, tr("%1 colors").arg(colors)});
        words.push_back({Part::Head, under, small, Qt::AlignCenter, tr("shown")});
        words.push_back({Part::Head, under.translated(kCellWidth, 0), small, Qt::AlignCenter, tr("hidden")});
    }
    const QRect chart = TTrendChart::Rect();
    // Under the chart and its list of games, where the taller map leaves no room.
    words.push_back({Part::Text, QRect(chart.left(), kLegendTop, chart.width(), height() - kLegendTop), font(),
                     Qt::TextWordWrap,
                     tr("Rows: vertices. Numbers: games played. Green: mostly par or better. "
                        "Framed: the level being taught.") +
                         QLatin1Char(' ') + tr("A tick marks them too.")});
    words.push_back({Part::Text, QRect(chart.left(), 6, chart.width(), 28), font(), Qt::AlignLeft | Qt::TextWordWrap,
                     m_trend.Title()});
    words.push_back({Part::ParMark, QRect(chart.left() + TTrendChart::kParMarkLeft, chart.top(), TTrendChart::kParMarkWidth, 14), font(),
                     Qt::AlignRight | Qt::AlignVCenter, tr("par")});
    return words;
}

TMasteryMap::Overrun TMasteryMap::WordsOverrun() const {
    Overrun widest;
    for (const DrawnWords& words : Words()) {
        const QRect needed = QFontMetrics(words.font).boundingRect(words.box, words.flags, words.text);
        const int over = std::max(needed.width() - words.box.width(), needed.height() - words.box.height());
        if (over > widest.pixels)
            widest = {over, words.text};
    }
    return widest;
}

void TMasteryMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(text);
    painter.setFont(font());

    const std::vector<DrawnWords> words = Words();
    const auto draw = [&](DrawnWords::Part part) {
        for (const DrawnWords& w : words) {
            if (w.part != part)
                continue;
            painter.setFont(w.font);
            painter.drawText(w.box, w.flags, w.text);
        }
    };
    draw(DrawnWords::Part::Head);
    // The rows' vertex counts in the small type of the heads' second line.
    painter.setFont(ui::DialogFont(10, false));
    for (int vertices = 6; vertices <= 16; ++vertices) {
        const QRect place(4, kGridOrigin.y() + (vertices - 6) * kCellHeight, kGridOrigin.x() - 10,
                          kCellHeight);
        painter.drawText(place, Qt::AlignRight | Qt::AlignVCenter, QString::number(vertices));
    }
    draw(DrawnWords::Part::Text);
    m_trend.Paint(painter, palette(), font());
}
