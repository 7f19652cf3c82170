// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Vertex1.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "controls/Accessible.h"
#include "controls/PressTracker.h"
#include "ui/Colors.h"
#include "ui/ColourMarks.h"
#include "ui/ColourWords.h"

#include <QAccessible>

TOrbVertex1::TOrbVertex1(QWidget* parent) : QWidget(parent) {
    // A vertex sits over the edge lines its parent draws: it paints its square and
    // nothing else, so it must never fill a background of its own.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
    resize(40, 40);
    controls::InstallAccessibility();
    auto* tracker = new controls::PressTracker(this);
    tracker->onRelease = [this](QMouseEvent*, bool click) {
        if (click && isVisible() && isEnabled())
            emit clicked();
    };
}

TOrbVertex1::~TOrbVertex1() = default;

game::TColor TOrbVertex1::brushColor() const {
    return m_fill;
}

void TOrbVertex1::setBrushColor(game::TColor color) {
    if (color == m_fill)
        return;
    m_fill = color;
    update();
    m_announcement.clear();
    m_introduction.clear();
    if (m_quiet)
        return;
    // Costs nothing while no screen reader listens.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

game::TColor TOrbVertex1::penColor() const {
    return m_penColor;
}
void TOrbVertex1::setPenColor(game::TColor color) {
    controls::StoreAndRepaint(this, m_penColor, color);
}

int TOrbVertex1::penWidth() const {
    return m_penWidth;
}
void TOrbVertex1::setPenWidth(int width) {
    controls::StoreAndRepaint(this, m_penWidth, width);
}

int TOrbVertex1::CenterX() const {
    return x() + width() / 2;
}

int TOrbVertex1::CenterY() const {
    return y() + height() / 2;
}

void TOrbVertex1::setCenterX(int) {
    CenterX();
}
void TOrbVertex1::setCenterY(int) {
    CenterY();
}

void TOrbVertex1::setKnownNeighbours(const QList<int>& numbers) {
    if (numbers == m_neighbours)
        return;
    m_neighbours = numbers;
    if (m_quiet)
        return;
    QAccessibleEvent changed(this, m_solution ? QAccessible::DescriptionChanged : QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void TOrbVertex1::setSolution(bool solution) {
    m_solution = solution;
}

bool TOrbVertex1::Pressable() const {
    return !m_solution && m_playable && isVisible() && isEnabled();
}

void TOrbVertex1::Announce(const QString& words) {
    m_announcement = words;
    if (words.isEmpty())
        m_introduction.clear();
}

void TOrbVertex1::Introduce(const QString& words) {
    m_announcement.clear();
    m_introduction = words;
}

namespace {

// "1, 4 and 6" ("1" alone, "1 and 4" for two).
QString ListOf(const QStringList& items) {
    if (items.size() < 2)
        return items.value(0);
    return TOrbVertex1::tr("%1 and %2").arg(items.first(items.size() - 1).join(TOrbVertex1::tr(", ")), items.last());
}

}  // namespace

QString TOrbVertex1::AccessibleDescription() const {
    return m_solution ? NeighbourWords() : QString();
}

QString TOrbVertex1::NeighbourWords() const {
    if (m_neighbours.isEmpty())
        return tr("no edge known yet");
    if (!m_fillOf) {
        QStringList numbers;
        for (const int k : m_neighbours) numbers << QString::number(k);
        return tr("joins %1").arg(ListOf(numbers));
    }
    // Neighbours in number order, each run of one colour said once after its numbers.
    QStringList runs;
    QStringList numbers;
    game::TColor runFill = 0;
    for (qsizetype i = 0; i < m_neighbours.size(); ++i) {
        const game::TColor fill = m_fillOf(m_neighbours[i]);
        if (!numbers.isEmpty() && fill != runFill) {
            runs << tr("%1 %2", "neighbor numbers, then their color").arg(ListOf(numbers), ui::FillWord(runFill));
            numbers.clear();
        }
        runFill = fill;
        numbers << QString::number(m_neighbours[i]);
    }
    runs << tr("%1 %2", "neighbor numbers, then their color").arg(ListOf(numbers), ui::FillWord(runFill));
    return tr("joins %1").arg(runs.join(tr(", ")));
}

void TOrbVertex1::setNumber(int number) {
    m_number = number;
}

QString TOrbVertex1::NumberAndColour() const {
    // The colours by the names of the painters that paint them.
    const QString colour = ui::FillWord(m_fill);
    if (m_number <= 0)
        return tr("Vertex, %1").arg(colour);
    if (m_solution)
        return tr("Solution vertex %1, %2").arg(m_number).arg(colour);
    return tr("%1, %2", "a board vertex's number, then its color").arg(m_number).arg(colour);
}

QString TOrbVertex1::AccessibleName() const {
    if (!m_announcement.isEmpty())
        return m_announcement;
    if (m_solution || m_number <= 0)
        return NumberAndColour();
    // A screen reader says a description after the name as an utterance of its own, in another
    // voice: the neighbours go in the name.
    return m_introduction +
           tr("%1, %2, %3", "a board vertex's number, its color, then the vertices an edge joins it to")
               .arg(m_number)
               .arg(ui::FillWord(m_fill), NeighbourWords());
}

void TOrbVertex1::Click() {
    if (isVisible() && isEnabled())
        emit clicked();
}

void TOrbVertex1::setZoom(qreal zoom) {
    controls::StoreAndRepaint(this, m_zoom, zoom);
}

void TOrbVertex1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ui::DrawVertexSquare(painter, rect(), m_penColor, qRound(m_penWidth * m_zoom), m_fill, m_marks, m_safe);
}

void TOrbVertex1::setColourLook(bool marks, bool safe) {
    if (marks == m_marks && safe == m_safe)
        return;
    m_marks = marks;
    m_safe = safe;
    update();
}
