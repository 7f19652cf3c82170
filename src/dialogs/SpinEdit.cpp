// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SpinEdit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QToolButton>
#include <QValidator>
#include <algorithm>
#include <cstdint>

#include "engine/SettingsFile.h"

namespace {

constexpr int kArrowWidth = 15;

// Pasted or typed text may only hold the characters a number can be typed with, and no more
// of them than the field allows; text shown by the arrows is never checked.
class TypedTextValidator : public QValidator {
  public:
    TypedTextValidator(const TSpinEdit& field, std::function<bool(QChar)> allowed)
        : QValidator(const_cast<TSpinEdit*>(&field)), m_field(field), m_allowed(std::move(allowed)) {}

    State validate(QString& text, int&) const override {
        const int limit = m_field.MaxTypedLength();
        if (limit > 0 && text.size() > limit)
            return Invalid;
        for (const QChar c : text) {
            if (!m_allowed(c))
                return Invalid;
        }
        return Acceptable;
    }

  private:
    const TSpinEdit& m_field;
    std::function<bool(QChar)> m_allowed;
};

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType direction) {
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setCursor(Qt::ArrowCursor);
    arrow->setIconSize(QSize(7, 4));
    return arrow;
}

// A screen reader meets the field as a spin box with a value, its limits and its arrows.
class SpinEditAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit SpinEditAccessible(TSpinEdit* field) : QAccessibleWidget(field, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return field()->text();
        return QAccessibleWidget::text(kind);
    }
    QVariant currentValue() const override { return field()->ClampedValue(); }
    void setCurrentValue(const QVariant& value) override { field()->SetValue(value.toInt()); }
    QVariant maximumValue() const override { return field()->MaxValue(); }
    QVariant minimumValue() const override { return field()->MinValue(); }
    QVariant minimumStepSize() const override { return 1; }

  private:
    TSpinEdit* field() const { return static_cast<TSpinEdit*>(widget()); }
};

QAccessibleInterface* MakeSpinEditAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("TSpinEdit") && object && object->isWidgetType())
        return new SpinEditAccessible(static_cast<TSpinEdit*>(object));
    return nullptr;
}

}  // namespace

TSpinEdit::TSpinEdit(int minValue, int maxValue, QWidget* parent)
    : QLineEdit(parent),
      m_min(minValue),
      m_max(maxValue),
      m_up(MakeArrow(this, Qt::UpArrow)),
      m_down(MakeArrow(this, Qt::DownArrow)) {
    setValidator(new TypedTextValidator(*this, [this](QChar c) { return IsNumberCharacter(c); }));
    setTextMargins(0, 0, kArrowWidth, 0);
    connect(m_up, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { StepBy(-1); });
    m_up->setAccessibleName(tr("One more"));
    m_down->setAccessibleName(tr("One less"));
    static const bool accessible = [] {
        QAccessible::installFactory(&MakeSpinEditAccessible);
        return true;
    }();
    (void)accessible;
    connect(this, &QLineEdit::textChanged, this, [this] {
        // Costs nothing while no screen reader listens.
        QAccessibleValueChangeEvent changed(this, ClampedValue());
        QAccessible::updateAccessibility(&changed);
    });
    SetValue(minValue);
}

int TSpinEdit::Value() const {
    return game::ReadIntegerText(text().toStdString(), m_min);
}

int TSpinEdit::ClampedValue() const {
    return std::clamp(Value(), m_min, m_max);
}

void TSpinEdit::SetValue(int value) {
    setText(QString::number(std::clamp(value, m_min, m_max)));
}

void TSpinEdit::StepBy(int delta) {
    // A long colour count such as 2147483647 must not wrap round when stepped up.
    const std::int64_t stepped = std::int64_t{Value()} + delta;
    SetValue(static_cast<int>(std::clamp<std::int64_t>(stepped, m_min, m_max)));
    selectAll();
}

void TSpinEdit::SetMaxTypedLength(int characters) {
    m_maxTyped = std::max(characters, 0);
}

bool TSpinEdit::IsNumberCharacter(QChar c) const {
    return c.isDigit() || c == u'+' || c == u'-' || c == locale().decimalPoint().front();
}

void TSpinEdit::Refuse() {
    QApplication::beep();
    emit keyRefused();
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            StepBy(1);
            return;
        case Qt::Key_Down:
            StepBy(-1);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            // Enter and Escape belong to the dialog's OK and Cancel buttons.
            event->ignore();
            return;
        default:
            break;
    }
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Backspace, Delete, the cursor keys and the editing shortcuts (copy, cut, paste, select
    // all, undo) keep their usual meaning: they never turn into a digit.
    if (shortcut || typed.isEmpty() || typed.front().category() == QChar::Other_Control) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed.size() != 1 || !IsNumberCharacter(typed.front())) {
        Refuse();
        event->accept();
        return;
    }
    const QChar entered = keyFilter ? keyFilter(typed.front()) : typed.front();
    if (entered.isNull()) {
        event->accept();
        return;
    }
    QKeyEvent replaced(QEvent::KeyPress, entered.isDigit() ? Qt::Key_0 + entered.digitValue() : event->key(),
                       event->modifiers(), QString(entered), event->isAutoRepeat());
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    const int value = Value();
    if (value < m_min || value > m_max)
        SetValue(value);
    QLineEdit::focusOutEvent(event);
}

void TSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceArrows();
}

void TSpinEdit::PlaceArrows() {
    const int inner = height() - 2;
    const int upper = inner / 2;
    m_up->setGeometry(width() - kArrowWidth - 1, 1, kArrowWidth, upper);
    m_down->setGeometry(width() - kArrowWidth - 1, 1 + upper, kArrowWidth, inner - upper);
}
