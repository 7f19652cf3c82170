// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TColButt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <utility>

#include "controls/Accessible.h"
#include "controls/ButtonFace.h"
#include "controls/PressTracker.h"
#include "ui/ColourMarks.h"
#include "ui/Colors.h"

#include <QAccessible>

TColorButton::TColorButton(QWidget* parent)
    : QAbstractButton(parent), m_tracker(new controls::PressTracker(this)) {
    // Drawn like any plain widget: the caption in the window text colour, no button roles.
    setForegroundRole(QPalette::NoRole);
    setBackgroundRole(QPalette::NoRole);
    setCheckable(true);
    resize(128, 64);
    // Out of the box the button wears the desktop's own button colours.
    m_color = fromQColor(palette().color(QPalette::Button));
    m_lightColor = fromQColor(palette().color(QPalette::Light));
    m_shadowColor = fromQColor(palette().color(QPalette::Dark));
    // A click gives it the focus; the board lets Tab reach the painters.
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(false);
    controls::InstallAccessibility();

    m_tracker->onPress = [this](QMouseEvent*) { press(true); };
    m_tracker->onDoubleClick = [this](QMouseEvent* event) {
        // The second press of a double click still presses the button, but it is a double
        // click and no start of a click.
        QPointer<TColorButton> self(this);
        const bool left = event->button() == Qt::LeftButton;
        if (left)
            emit doubleClicked();
        if (!self || !isVisible() || !isEnabled())
            return;
        // A quick double click on a painter chose its colour with the first click: the second
        // press leaves the chosen toggle of a group pressed, as its colour is the one that paints.
        if (left && m_style == TToggleStyle::Toggle && GroupIndex != 0 && Value()) {
            setFocus(Qt::MouseFocusReason);
            return;
        }
        press(true);
    };
    m_tracker->onRelease = [this](QMouseEvent*, bool click) {
        if (click) {
            QPointer<TColorButton> self(this);
            emit clicked(Value());
            if (!self)
                return;
        }
        setFocus(Qt::MouseFocusReason);
        release();
    };
    // A normal button is down only while held: once it is gone no release will come.
    m_tracker->onDrop = [this](bool held) {
        if (held && m_style == TToggleStyle::Normal)
            setValue(false);
    };
}

void TColorButton::valueChanged() {
    // Costs nothing while no screen reader listens.
    QAccessible::State changed;
    changed.checked = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TColorButton::Click() {
    if (isVisible() && isEnabled())
        click();
}

void TColorButton::nextCheckState() {
    // A normal button has no state to keep between clicks.
    if (m_style == TToggleStyle::Toggle)
        press(false);
}

bool TColorButton::event(QEvent* event) {
    // A disabled colour button lets the mouse through to what lies under it, as a plain
    // control does (Qt's buttons would swallow it).
    if (!isEnabled()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::HoverEnter:
            case QEvent::HoverLeave:
            case QEvent::HoverMove:
            case QEvent::ContextMenu:
            case QEvent::Wheel:
                return QWidget::event(event);
            default:
                break;
        }
    }
    return QAbstractButton::event(event);
}

void TColorButton::keyPressEvent(QKeyEvent* event) {
    // Enter clicks as Space does (Qt's button takes Space itself).
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            Click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TColorButton::setValue(bool value) {
    if (value == Value())
        return;
    setChecked(value);
    update();
    valueChanged();
}

void TColorButton::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_lines.isEmpty())
        m_lines.append(caption);
    else
        m_lines[0] = caption;
    update();
}

void TColorButton::setColor(game::TColor color) {
    controls::StoreAndRepaint(this, m_color, color);
}
void TColorButton::setLightColor(game::TColor color) {
    controls::StoreAndRepaint(this, m_lightColor, color);
}
void TColorButton::setShadowColor(game::TColor color) {
    controls::StoreAndRepaint(this, m_shadowColor, color);
}
void TColorButton::setLightOn(bool on) {
    controls::StoreAndRepaint(this, m_lightOn, on);
}
void TColorButton::setLightOff(bool on) {
    controls::StoreAndRepaint(this, m_lightOff, on);
}
void TColorButton::setStyle(TToggleStyle style) {
    controls::StoreAndRepaint(this, m_style, style);
}
void TColorButton::setALign(TAlignStyle align) {
    controls::StoreAndRepaint(this, m_align, align);
}
void TColorButton::setThickness(int thickness) {
    controls::StoreAndRepaint(this, m_thickness, thickness);
}

void TColorButton::setZoom(qreal zoom) {
    controls::StoreAndRepaint(this, m_zoom, zoom);
}

void TColorButton::setColourMark(int number) {
    controls::StoreAndRepaint(this, m_mark, number);
}

void TColorButton::setLines(const QStringList& lines) {
    m_lines = lines;
    if (!m_lines.isEmpty())
        m_caption = m_lines.first();
    update();
}

QString TColorButton::About() {
    // Shown without blocking, like every other window of the game.
    auto* box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                                tr("Please, read readme.txt about usage"), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
    box->raise();
    box->activateWindow();
    return tr("Press click to get details");
}

void TColorButton::paintEvent(QPaintEvent*) {
    const int t = m_zoom == 1.0 ? m_thickness : qRound(m_thickness * m_zoom);
    const bool down = Value();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    controls::DrawButtonFace(painter, {size(), t, m_color, m_lightColor, m_shadowColor, down, m_lightOn, m_lightOff,
                                       m_lines, m_align, font(), palette().color(foregroundRole())});
    if (m_mark != 0)
        paintMark(painter, down, t);
}

void TColorButton::paintMark(QPainter& painter, bool down, int t) {
    const QRect face(t + 1, t + 1, width() - 2 * t - 2, height() - 2 * t - 2);
    ui::DrawColourMark(painter, face, m_mark, toQColor(m_color));
    if (!down)
        return;
    const int r = ui::SelectionRingWidth(size());
    const QColor ring(Qt::white);
    painter.fillRect(QRect(0, 0, width(), r), ring);
    painter.fillRect(QRect(0, height() - r, width(), r), ring);
    painter.fillRect(QRect(0, r, r, height() - 2 * r), ring);
    painter.fillRect(QRect(width() - r, r, r, height() - 2 * r), ring);
}

void TColorButton::press(bool takeFocus) {
    if (takeFocus)
        setFocus(Qt::MouseFocusReason);
    if (m_style == TToggleStyle::Normal) {
        setChecked(true);
    } else {
        setChecked(!Value());
        if (Value() && GroupIndex != 0)
            releaseOthersInGroup();
    }
    update();
    valueChanged();
}

void TColorButton::release() {
    if (m_style == TToggleStyle::Normal) {
        setChecked(false);
        update();
        valueChanged();
    }
}

void TColorButton::releaseOthersInGroup() {
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    // Style and group number of the others are not compared: on one parent the pressed
    // toggle is the only pressed colour button.
    const QObjectList siblings = parent->children();
    for (QObject* child : siblings) {
        auto* other = qobject_cast<TColorButton*>(child);
        if (other && other != this && other->Value())
            other->setValue(false);
    }
}
