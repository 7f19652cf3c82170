// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpokenLine.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace ui {

namespace {

// The note inside the line, shown for each message.
class TSpokenNote : public QWidget {
  public:
    explicit TSpokenNote(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        hide();
    }
};

QAccessibleInterface* MakeSpoken(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (dynamic_cast<TSpokenLine*>(object))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (dynamic_cast<TSpokenNote*>(object))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

}  // namespace

TSpokenLine::TSpokenLine(QWidget* parent) : QWidget(parent) {
    static const bool known = [] {
        QAccessible::installFactory(&MakeSpoken);
        return true;
    }();
    (void)known;
    setObjectName(QStringLiteral("SpokenLine"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    lower();
    m_note = new TSpokenNote(this);
    m_note->setObjectName(QStringLiteral("SpokenNote"));
}

void TSpokenLine::Say(const QString& words) {
    // Shown afresh, the note is read by a screen reader at once; on the screen it is nothing.
    m_note->hide();
    m_note->setAccessibleName(words);
    m_note->show();
}

QString TSpokenLine::LastSaid() const {
    return m_note->accessibleName();
}

}  // namespace ui
