// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/LevelCells.h"

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>

#include "dialogs/MasteryMap.h"
#include "ui/ColourMarks.h"
#include "ui/DialogLook.h"

namespace {

constexpr int kCellWidth = TMasteryMap::kCellWidth;
constexpr int kCellHeight = TMasteryMap::kCellHeight;
constexpr int kColumns = TLevelCell::kColumns;
constexpr int kRows = TLevelCell::kRows;

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

}  // namespace

// A cell as a screen reader meets it: an item of the level list, named by its figures, chosen
// when it is the trend's level, pressed as a click.
class LevelCellAccessible : public QAccessibleWidget {
  public:
    explicit LevelCellAccessible(QWidget* cell) : QAccessibleWidget(cell, QAccessible::ListItem) {}

    static QAccessibleInterface* Make(const QString&, QObject* object) {
        if (!object || !object->isWidgetType())
            return nullptr;
        if (auto* cell = dynamic_cast<TLevelCell*>(object))
            return new LevelCellAccessible(cell);
        if (auto* part = dynamic_cast<TTrendPart*>(object))
            return new QAccessibleWidget(part, part->m_role);
        if (auto* grid = dynamic_cast<TLevelGrid*>(object))
            return new QAccessibleWidget(grid, QAccessible::List);
        return nullptr;
    }

    // Named by its figures, or for one reading by what choosing it said; its tool tip says the
    // figures again and is not read as a description.
    QString text(QAccessible::Text t) const override {
        const auto* cell = static_cast<const TLevelCell*>(widget());
        if (t == QAccessible::Name && !cell->Announcement().isEmpty())
            return cell->Announcement();
        return t == QAccessible::Description ? QString() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        const auto* cell = static_cast<const TLevelCell*>(widget());
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

TLevelCell::TLevelCell(int level, QWidget* grid, TMasteryMap* map)
    : QAbstractButton(grid), m_level(level), m_map(map) {
    setObjectName(QStringLiteral("Level%1").arg(level));
    setGeometry(CellPlace(level));
    setFocusPolicy(level == 1 ? Qt::StrongFocus : Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
}

void TLevelCell::Announce(const QString& words) {
    m_announcement = words;
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

void TLevelCell::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    m_map->TakeTabStop(m_level);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        m_map->ShowKeyboardInUse(true);
    // Reached by the keyboard, a cell tells its numbers as pointing at it does.
    if (m_map->m_keyboardInUse)
        QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
}

void TLevelCell::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    m_announcement.clear();
}

void TLevelCell::mousePressEvent(QMouseEvent* event) {
    m_map->ShowKeyboardInUse(false);
    QAbstractButton::mousePressEvent(event);
}

void TLevelCell::keyPressEvent(QKeyEvent* event) {
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

void TLevelCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const TMasteryMap::Cell& cell = m_map->m_figures[static_cast<std::size_t>(m_level)];
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

QAccessibleInterface* TLevelCell::Reader(const QString& key, QObject* object) {
    return LevelCellAccessible::Make(key, object);
}
