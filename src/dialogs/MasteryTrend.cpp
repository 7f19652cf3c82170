// SPDX-License-Identifier: GPL-3.0-or-later
// TMasteryMap's page: the heads and legend of the map, and the trend of the chosen level, drawn
// and told in words.
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

#include "dialogs/MasteryMap.h"
#include "services/Language.h"
#include "ui/DialogLook.h"

namespace {

// Where the words under the chart and its list begin.
constexpr int kLegendTop = 232;
// The box the word for par stands in, right-aligned left of the chart's par line: from the chart's
// own left edge, so that a word a little longer than "par" (Portuguese "meta") still fits.
constexpr int kParMarkLeft = 0;
constexpr int kParMarkWidth = 26;

// A result against par as a player reads it: "+2", "0", "-1", in the player's digits.
QString Signed(std::int64_t value) {
    const QLocale locale;
    const QString number = locale.toString(static_cast<qlonglong>(value));
    return value > 0 ? locale.positiveSign() + number : number;
}

// A result against par as a screen reader says it: "par", "2 over par", "1 under par".
QString SpokenFromPar(std::int64_t value) {
    const QLocale locale;
    if (value == 0)
        return TMasteryMap::tr("par");
    const QString number = locale.toString(static_cast<qlonglong>(value < 0 ? -value : value));
    return value > 0 ? TMasteryMap::tr("%1 over par").arg(number) : TMasteryMap::tr("%1 under par").arg(number);
}

}  // namespace

void TMasteryMap::MakeRecentList() {
    const QRect chart = ChartRect();
    m_recent = new QTreeWidget(this);
    m_recent->setObjectName(QStringLiteral("RecentGames"));
    m_recent->setAccessibleName(tr("Last games of the chosen level"));
    m_recent->setGeometry(chart.left(), chart.bottom() + 6, 248, 86);
    m_recent->setColumnCount(3);
    m_recent->setHeaderLabels({tr("Played"), tr("Result"), tr("Code")});
    m_recent->setRootIsDecorated(false);
    m_recent->setUniformRowHeights(true);
    m_recent->setAllColumnsShowFocus(true);
    m_recent->setSelectionMode(QAbstractItemView::SingleSelection);
    m_recent->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_recent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_recent->header()->setFont(ui::DialogFont(10, false));
    m_recent->header()->setStretchLastSection(true);
    m_recent->header()->setSectionsMovable(false);
    // The date and the result as wide as their words in the player's language; the code the rest.
    m_recent->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_recent->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_playAgain = new QPushButton(tr("Play &Again"), this);
    m_playAgain->setObjectName(QStringLiteral("PlayAgain"));
    m_playAgain->setFont(ui::DialogFont(11, false));
    m_playAgain->setGeometry(m_recent->geometry().right() + 5, m_recent->y(), 81, 25);
    m_playAgain->setAutoDefault(false);
    m_playAgain->setEnabled(false);
    ui::FitCaption(*m_playAgain);
    setTabOrder(m_recent, m_playAgain);
    connect(m_recent, &QTreeWidget::currentItemChanged, this,
            [this] { m_playAgain->setEnabled(!ChosenCode().isEmpty()); });
    // Enter or a double click on a row plays it, as the button does.
    connect(m_recent, &QTreeWidget::itemActivated, this, [this] {
        if (const QString code = ChosenCode(); !code.isEmpty())
            emit playAgain(code);
    });
    connect(m_playAgain, &QPushButton::clicked, this, [this] {
        if (const QString code = ChosenCode(); !code.isEmpty())
            emit playAgain(code);
    });
}

QString TMasteryMap::ChosenCode() const {
    const QTreeWidgetItem* item = m_recent->currentItem();
    return item ? item->data(2, Qt::UserRole).toString() : QString();
}

void TMasteryMap::ShowRecentGames(const std::vector<RecentGame>& games) {
    m_recent->clear();
    for (const RecentGame& game : games) {
        const QString shownCode = game.code.isEmpty() ? QStringLiteral("–") : game.code;
        auto* item = new QTreeWidgetItem(m_recent, {game.when, Signed(game.fromPar), shownCode});
        item->setData(2, Qt::UserRole, game.code);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        // A row is read whole: when, how it went and whether it can be played again.
        const QString words = game.code.isEmpty()
                                  ? tr("%1, %2, no code").arg(game.when, SpokenFromPar(game.fromPar))
                                  : tr("%1, %2, code %3").arg(game.when, SpokenFromPar(game.fromPar), game.code);
        for (int column = 0; column < 3; ++column) item->setData(column, Qt::AccessibleTextRole, words);
        if (game.code.isEmpty())
            item->setToolTip(2, tr("Played before games kept their codes: it cannot be played again."));
    }
    m_recent->setEnabled(!games.empty());
    m_playAgain->setEnabled(!ChosenCode().isEmpty());
}

QString TMasteryMap::TrendTitle() const {
    // A level chosen with no games yet (or its games just forgotten) has no last games to head.
    if (m_trendLevel && m_trend.empty())
        return tr("No games of level %1 yet.").arg(m_trendLevel);
    if (m_trendLevel && m_trend.size() == 1)
        return tr("Result against par, the one game of level %1").arg(m_trendLevel);
    if (m_trendLevel)
        return language::Counted("TMasteryMap",
                                 QT_TRANSLATE_N_NOOP("TMasteryMap", "Results against par, last %n games of level %1"),
                                 "Result against par, the last game of level %1", static_cast<int>(m_trend.size()))
            .arg(m_trendLevel);
    return tr("Choose a level to see its results against par.");
}

QString TMasteryMap::TrendWords() const {
    if (!m_trendLevel || m_trend.empty())
        return TrendTitle();
    QStringList results;
    for (const std::int64_t result : m_trend) results << Signed(result);
    return TrendTitle() + QStringLiteral(": ") + results.join(QStringLiteral(", "));
}

QRect TMasteryMap::ChartRect() const {
    // Lower than the map, with room below for the list of the level's last games.
    return {290, 40, 320, 95};
}

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
    const QRect chart = ChartRect();
    // Under the chart and its list of games, where the taller map leaves no room.
    words.push_back({Part::Text, QRect(chart.left(), kLegendTop, chart.width(), height() - kLegendTop), font(),
                     Qt::TextWordWrap,
                     tr("Rows: vertices. Numbers: games played. Green: mostly par or better. "
                        "Framed: the level being taught.") +
                         QLatin1Char(' ') + tr("A tick marks them too.")});
    words.push_back({Part::Text, QRect(chart.left(), 6, chart.width(), 28), font(), Qt::AlignLeft | Qt::TextWordWrap,
                     TrendTitle()});
    words.push_back({Part::ParMark, QRect(chart.left() + kParMarkLeft, chart.top(), kParMarkWidth, 14), font(),
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
    const QRect chart = ChartRect();
    draw(DrawnWords::Part::Text);
    painter.setFont(font());
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
    painter.drawText(QRectF(chart.left() + kParMarkLeft, yOf(0) - 7, kParMarkWidth, 14),
                     Qt::AlignRight | Qt::AlignVCenter, tr("par"));
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
