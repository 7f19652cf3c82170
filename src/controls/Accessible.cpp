// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "controls/TColButt.h"
#include "controls/Vertex1.h"

namespace {

class VertexAccessible : public QAccessibleWidget {
  public:
    explicit VertexAccessible(TOrbVertex1* vertex) : QAccessibleWidget(vertex, QAccessible::ListItem) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return vertex()->AccessibleName();
        // The graph, not the tool tip: in the solution view, which vertices an edge joins it to (a
        // board vertex says it in its name).
        if (kind == QAccessible::Description)
            return vertex()->AccessibleDescription();
        return QAccessibleWidget::text(kind);
    }

    // Only a vertex that a click would colour offers the press.
    QStringList actionNames() const override {
        return vertex()->Pressable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && vertex()->Pressable())
            vertex()->Click();
    }

  private:
    TOrbVertex1* vertex() const { return static_cast<TOrbVertex1*>(widget()); }
};

class ColorButtonAccessible : public QAccessibleWidget {
  public:
    explicit ColorButtonAccessible(TColorButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    // The painters are one group of choices, read as radio buttons.
    QAccessible::Role role() const override {
        return button()->Style() == TToggleStyle::Toggle && button()->GroupIndex != 0
                   ? QAccessible::RadioButton
                   : QAccessible::Button;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->Caption();
        // Short to hear: the long tool tip is no description.
        if (kind == QAccessible::Description)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (button()->Style() == TToggleStyle::Toggle) {
            state.checkable = true;
            state.checked = button()->Value();
        }
        state.pressed = button()->Value();
        return state;
    }

    QStringList actionNames() const override {
        if (!button()->isEnabled() || !button()->isVisible())
            return {};
        return button()->Style() == TToggleStyle::Toggle ? QStringList{pressAction(), toggleAction()}
                                                         : QStringList{pressAction()};
    }

    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction())
            button()->Click();
    }

  private:
    TColorButton* button() const { return static_cast<TColorButton*>(widget()); }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("TOrbVertex1"))
        return new VertexAccessible(static_cast<TOrbVertex1*>(object));
    if (className == QLatin1String("TColorButton"))
        return new ColorButtonAccessible(static_cast<TColorButton*>(object));
    return nullptr;
}

}  // namespace

namespace controls {

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace controls
