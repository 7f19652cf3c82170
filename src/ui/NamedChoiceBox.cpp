// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NamedChoiceBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr char kNamed[] = "namedChoiceBox";

// The box as a combo box with its own name; its value the prompt or the chosen item; its list
// and the text in it as its children, as Qt's own combo box has them.
class NamedChoiceAccessible : public QAccessibleWidget {
  public:
    explicit NamedChoiceAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return Box()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Box()->view()->isVisible();
        state.collapsed = !state.expanded;
        state.editable = Box()->isEditable();
        return state;
    }

    int childCount() const override { return Box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && Box()->lineEdit())
            return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object() == Box()->view())
            return 0;
        return child->object() == Box()->lineEdit() ? 1 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            Box()->view()->isVisible() ? Box()->hidePopup() : Box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* MakeNamedChoice(const QString&, QObject* object) {
    if (auto* box = qobject_cast<QComboBox*>(object); box && box->property(kNamed).toBool())
        return new NamedChoiceAccessible(box);
    return nullptr;
}

}  // namespace

void NameChoiceBox(QComboBox& box, const QString& name) {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeNamedChoice);
        return true;
    }();
    (void)installed;
    box.setProperty(kNamed, true);
    box.setAccessibleName(name);
}
