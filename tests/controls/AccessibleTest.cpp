// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears and can do on the board's own controls, through Qt's accessibility.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QWidget>

#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "engine/State.h"

namespace {

QAccessibleInterface* Interface(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(face, nullptr);
    return face;
}

TEST(Accessibility, AVertexSaysItsNumberAndColourAndAPressIsAClick) {
    QWidget board;
    auto* vertex = new TOrbVertex1(&board);
    vertex->setNumber(3);
    board.show();
    QSignalSpy clicks(vertex, &TOrbVertex1::clicked);
    QAccessibleInterface* face = Interface(vertex);
    ASSERT_NE(face, nullptr);
    // An item of the board's vertices: read by its name, without a button's role word at every step.
    EXPECT_EQ(face->role(), QAccessible::ListItem);
    EXPECT_EQ(face->text(QAccessible::Name), "3, uncolored, no edge known yet");

    // Each colour by the name of the painter that paints it.
    const std::pair<game::TColor, const char*> words[] = {{game::clBlue, "3, blue, no edge known yet"},
                                                          {game::clRed, "3, red, no edge known yet"},
                                                          {game::clLime, "3, green, no edge known yet"},
                                                          {game::clFuchsia, "3, purple, no edge known yet"}};
    for (const auto& [fill, name] : words) {
        vertex->setBrushColor(fill);
        EXPECT_EQ(face->text(QAccessible::Name), name);
    }

    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    // A disabled vertex (a solution twin) is named the same but offers nothing to press.
    vertex->setEnabled(false);
    EXPECT_TRUE(actions->actionNames().isEmpty());
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
}

TEST(Accessibility, APainterIsANamedToggleAndAPressDoesWhatAClickDoes) {
    QWidget board;
    auto* navy = new TColorButton(&board);
    auto* maroon = new TColorButton(&board);
    for (TColorButton* painter : {navy, maroon}) {
        painter->setStyle(TToggleStyle::Toggle);
        painter->GroupIndex = 1;
    }
    navy->setAccessibleName("Blue");
    maroon->setAccessibleName("Red");
    navy->setValue(true);
    board.show();
    QSignalSpy clicks(maroon, &TColorButton::clicked);

    QAccessibleInterface* face = Interface(maroon);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), "Red");
    // One group of choices, and the long tool tip is not read as its description.
    EXPECT_EQ(face->role(), QAccessible::RadioButton);
    maroon->setToolTip("Click to paint vertices red, then click the vertices.");
    EXPECT_TRUE(face->text(QAccessible::Description).isEmpty());
    EXPECT_TRUE(face->state().checkable);
    EXPECT_FALSE(face->state().checked);
    EXPECT_TRUE(Interface(navy)->state().checked);

    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(maroon->Value());
    EXPECT_FALSE(navy->Value());  // the group lets go of the other, as under the mouse
    EXPECT_TRUE(face->state().checked && face->state().pressed);

    maroon->setEnabled(false);
    EXPECT_TRUE(face->actionInterface()->actionNames().isEmpty());
}

}  // namespace
