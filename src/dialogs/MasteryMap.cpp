// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MasteryMap.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "engine/History.h"
#include "services/Language.h"
#include "ui/ColourMarks.h"
#include "ui/DialogLook.h"
#include "ui/SpokenLine.h"

namespace {

constexpr int kCellWidth = TMasteryMap::kCellWidth;
constexpr int kCellHeight = TMasteryMap::kCellHeight;
constexpr int kColumns = 6;
constexpr int kRows = 11;

// Where level L stands in the map: its row by vertex count, its column in the numbering's order.
QRect CellPlace(int level) {
    const int row = (level - 1) / kColumns;
    const int column = (level - 1) % kColumns;
    return {column * kCellWidth, row * kCellHeight, kCellWidth, kCellHeight};
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

// More than half of the level's games at par or better: the green end of the hues.
bool MostlyParOrBetter(const TMasteryMap::Cell& cell) {
    return cell.games > 0 && 2 * cell.parOrBetter > cell.games;
}

// A part of the page that is painted by the page but read by a screen reader on its own: the
// trend's heading and its chart.
class TrendPart : public QWidget {
  public:
    TrendPart(QWidget* page, const char* name, QAccessible::Role role) : QWidget(page), m_role(role) {
        setObjectName(QLatin1String(name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    QAccessible::Role m_role;
};

// The map's cells as one list, walked by the arrow keys.
class LevelGrid : public QWidget {
  public:
    explicit LevelGrid(QWidget* page) : QWidget(page) { setObjectName(QStringLiteral("LevelGrid")); }
};

}  // namespace

// One level of the map: a flat button that can be pointed at and pressed. Only one cell at a
// time stands in the Tab ring; the arrow keys move among them.
class TMasteryMap::LevelCell : public QAbstractButton {
  public:
    LevelCell(int level, QWidget* grid, TMasteryMap* map)
        : QAbstractButton(grid), m_level(level), m_map(map) {
        setObjectName(QStringLiteral("Level%1").arg(level));
        setGeometry(CellPlace(level));
        setFocusPolicy(level == 1 ? Qt::StrongFocus : Qt::ClickFocus);
        setCursor(Qt::PointingHandCursor);
    }

    int Level() const { return m_level; }

    // Says `words` once, as the name of the focused cell in place of its figures, until the
    // focus leaves it (quietly: a reader is not told the figures again as it moves on).
    void Announce(const QString& words) {
        m_announcement = words;
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    const QString& Announcement() const { return m_announcement; }
    void Unannounce() { m_announcement.clear(); }

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QAbstractButton::focusInEvent(event);
        m_map->TakeTabStop(m_level);
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
            m_map->ShowKeyboardInUse(true);
        // Reached by the keyboard, a cell tells its numbers as pointing at it does.
        if (m_map->m_keyboardInUse)
            QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
    }

    void focusOutEvent(QFocusEvent* event) override {
        QAbstractButton::focusOutEvent(event);
        m_announcement.clear();
    }

    void mousePressEvent(QMouseEvent* event) override {
        m_map->ShowKeyboardInUse(false);
        QAbstractButton::mousePressEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        m_map->ShowKeyboardInUse(true);
        const int row = (m_level - 1) / kColumns;
        const int column = (m_level - 1) % kColumns;
        const bool toCorner = event->modifiers() & Qt::ControlModifier;
        int to = 0;
        switch (event->key()) {
            case Qt::Key_Up:
                to = row > 0 ? m_level - kColumns : 0;
                break;
            case Qt::Key_Down:
                to = row + 1 < kRows ? m_level + kColumns : 0;
                break;
            case Qt::Key_Left:
                to = column > 0 ? m_level - 1 : 0;
                break;
            case Qt::Key_Right:
                to = column + 1 < kColumns ? m_level + 1 : 0;
                break;
            case Qt::Key_Home:
                to = toCorner ? 1 : m_level - column;
                break;
            case Qt::Key_End:
                to = toCorner ? kRows * kColumns : m_level - column + kColumns - 1;
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // The dialog's default button must not take it: Enter chooses, as a click does.
                click();
                return;
            default:
                QAbstractButton::keyPressEvent(event);
                return;
        }
        // At the map's edge the key does nothing, and goes nowhere else either.
        if (to)
            m_map->KeyTo(to);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const Cell& cell = m_map->m_figures[static_cast<std::size_t>(m_level)];
        const QColor ground = palette().color(QPalette::Base);
        const QColor fill = CellColor(cell, ground);
        painter.fillRect(rect(), fill);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        const bool marked = m_map->Taught(m_level);
        // The games, the tick and the focus ring in black or white, whichever stands out more from
        // the hue: never less than 4.5 : 1.
        const QColor words = ui::MarkColourOn(fill);
        painter.setPen(words);
        painter.setFont(ui::DialogFont(10, marked));
        QRect number = rect();
        if (MostlyParOrBetter(cell)) {
            // The tick tells "mostly par or better" to a player who cannot tell red from green,
            // in black or white, whichever stands out more from the hue.
            const QPointF at(5.5, height() / 2.0 + 0.5);
            QPainterPath tick(at);
            tick.lineTo(at + QPointF(3, 3));
            tick.lineTo(at + QPointF(8, -4));
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(words, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(tick);
            painter.restore();
            number.adjust(8, 0, 0, 0);
        }
        painter.drawText(number, Qt::AlignCenter, cell.games ? QString::number(cell.games) : QString());
        if (marked) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
        // Only while the keyboard is in use: a ring two pixels wide, black or white as the fill
        // asks, inside the frame.
        if (hasFocus() && m_map->m_keyboardInUse) {
            painter.setPen(QPen(words, 2));
            painter.drawRect(QRectF(rect()).adjusted(4, 4, -4, -4));
        }
    }

  private:
    int m_level;
    TMasteryMap* m_map;
    QString m_announcement;
};

// A cell as a screen reader meets it: an item of the level list, named by its figures, chosen
// when it is the trend's level, pressed as a click.
class LevelCellAccessible : public QAccessibleWidget {
  public:
    explicit LevelCellAccessible(QWidget* cell) : QAccessibleWidget(cell, QAccessible::ListItem) {}

    static QAccessibleInterface* Make(const QString&, QObject* object) {
        if (!object || !object->isWidgetType())
            return nullptr;
        if (auto* cell = dynamic_cast<TMasteryMap::LevelCell*>(object))
            return new LevelCellAccessible(cell);
        if (auto* part = dynamic_cast<TrendPart*>(object))
            return new QAccessibleWidget(part, part->m_role);
        if (auto* grid = dynamic_cast<LevelGrid*>(object))
            return new QAccessibleWidget(grid, QAccessible::List);
        return nullptr;
    }

    // Named by its figures, or for one reading by what choosing it said; its tool tip says the
    // figures again and is not read as a description.
    QString text(QAccessible::Text t) const override {
        const auto* cell = static_cast<const TMasteryMap::LevelCell*>(widget());
        if (t == QAccessible::Name && !cell->Announcement().isEmpty())
            return cell->Announcement();
        return t == QAccessible::Description ? QString() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        const auto* cell = static_cast<const TMasteryMap::LevelCell*>(widget());
        const auto* map = static_cast<const TMasteryMap*>(cell->parentWidget()->parentWidget());
        state.selected = map->m_trend.Level() == cell->Level();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            static_cast<QAbstractButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QString LevelModeText(bool edgesShown) {
    return edgesShown ? QCoreApplication::translate("TPerformancePages", "Show edges")
                      : QCoreApplication::translate("TPerformancePages", "Do not show edges");
}

TMasteryMap::TMasteryMap(QWidget* parent) : QWidget(parent) {
    static const bool readable = [] {
        QAccessible::installFactory(&LevelCellAccessible::Make);
        return true;
    }();
    (void)readable;
    setFont(ui::DialogFont(11, false));
    m_spoken = new ui::TSpokenLine(this);
    m_grid = new LevelGrid(this);
    m_grid->setGeometry(QRect(kGridOrigin, QSize(kColumns * kCellWidth, kRows * kCellHeight)));
    m_grid->setAccessibleName(tr("Levels"));
    for (int level = 1; level <= kRows * kColumns; ++level) {
        auto* cell = new LevelCell(level, m_grid, this);
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
    m_heading = new TrendPart(this, "TrendHeading", QAccessible::Heading);
    m_heading->setGeometry(chart.left(), 6, chart.width(), 28);
    m_chart = new TrendPart(this, "TrendChart", QAccessible::Chart);
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
        LevelCell* cell = m_cells[static_cast<std::size_t>(level)];
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
