// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReadAsOne.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace ui {
namespace {

constexpr char kSilent[] = "readAsPartOfAnother";

// A part whose words another part already says: present in the tree, but not shown to a reader.
class SilentPart : public QAccessibleWidget {
  public:
    explicit SilentPart(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* MakeSilentPart(const QString&, QObject* object) {
    if (object && object->isWidgetType() && object->property(kSilent).toBool())
        return new SilentPart(static_cast<QWidget*>(object));
    return nullptr;
}

void Silence(QWidget* part) {
    part->setProperty(kSilent, true);
    // A reader may have met the part already (its text was set): it meets it anew.
    QAccessibleInterface* known = QAccessible::queryAccessibleInterface(part);
    if (known && !dynamic_cast<SilentPart*>(known))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

}  // namespace

void ReadAsOne(const QList<QWidget*>& parts, const QString& text) {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeSilentPart);
        return true;
    }();
    (void)installed;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i == 0)
            parts[i]->setAccessibleName(text);
        else
            Silence(parts[i]);
    }
}

}  // namespace ui
