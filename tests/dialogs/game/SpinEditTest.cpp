// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's number fields: what typing, the arrows and leaving the field do.
#include "engine/SettingsFile.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "dialogs/Optionl1.h"
#include "dialogs/SpinEdit.h"

namespace {

class SpinEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vertices.SetMaxTypedLength(2);
        vertices.keyFilter = &TOptionsL1::VertNumSpinEditKeyPress;
        vertices.show();
        vertices.setFocus();
    }
    void Type(const char* keys) { QTest::keyClicks(&vertices, keys); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&vertices, key, modifiers);
    }
    void Clear() {
        vertices.selectAll();
        Key(Qt::Key_Delete);
    }

    TSpinEdit vertices{6, 16};
};

TEST_F(SpinEditTest, TypedDigitsAreLimitedAndOutOfRangeTextSnapsToTheNearestLimitOnLeaving) {
    Clear();
    Type("999");
    EXPECT_EQ(vertices.text(), "99") << "a third typed digit is refused";
    EXPECT_EQ(vertices.Value(), 99) << "reading does not clamp";
    EXPECT_EQ(vertices.ClampedValue(), 16);

    QLineEdit other;
    other.show();
    other.setFocus();
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&vertices, &leave);
    EXPECT_EQ(vertices.text(), "16");

    vertices.setText("3");
    QApplication::sendEvent(&vertices, &leave);
    EXPECT_EQ(vertices.text(), "6");

    vertices.setText("");
    EXPECT_EQ(vertices.Value(), 6) << "empty text reads as the minimum";
    QApplication::sendEvent(&vertices, &leave);
    EXPECT_EQ(vertices.text(), "") << "the minimum lies inside the limits: nothing to correct";
}

TEST_F(SpinEditTest, EditingKeysEditWhileSignsBecomeOnesAndLettersBeep) {
    QSignalSpy beeps(&vertices, &TSpinEdit::keyRefused);
    Clear();
    Type("12");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(vertices.text(), "1") << "Backspace deletes";
    Key(Qt::Key_Backspace);
    Type("+");
    EXPECT_EQ(vertices.text(), "1");
    Type("-");
    EXPECT_EQ(vertices.text(), "11");
    Clear();
    Type(".");
    EXPECT_EQ(vertices.text(), "1");

    Type("x");
    Type("Q");
    EXPECT_EQ(vertices.text(), "1");
    EXPECT_EQ(beeps.count(), 2);

    // Select all, copy, cut, paste and undo keep their meaning and enter no digit.
    vertices.setText("12");
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(vertices.selectedText(), "12");
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(vertices.text(), "");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(vertices.text(), "12");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(vertices.text(), "");
    EXPECT_EQ(beeps.count(), 2);
}

TEST_F(SpinEditTest, PastingKeepsToNumberCharactersAndTheTypedLength) {
    Clear();
    QApplication::clipboard()->setText("abc");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(vertices.text(), "");
    QApplication::clipboard()->setText("123");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(vertices.text(), "");
    QApplication::clipboard()->setText("14");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(vertices.text(), "14");
}

TEST_F(SpinEditTest, ArrowsAndUpDownStepAndClamp) {
    vertices.setText("99");
    Key(Qt::Key_Up);
    EXPECT_EQ(vertices.text(), "16");
    Key(Qt::Key_Up);
    EXPECT_EQ(vertices.text(), "16");
    vertices.setText("");
    Key(Qt::Key_Up);
    EXPECT_EQ(vertices.text(), "7") << "empty reads as 6";
    QTest::mouseClick(vertices.DownButton(), Qt::LeftButton);
    QTest::mouseClick(vertices.DownButton(), Qt::LeftButton);
    EXPECT_EQ(vertices.text(), "6");
    Key(Qt::Key_Down);
    EXPECT_EQ(vertices.text(), "6");

    // The arrows may show more characters than may be typed.
    TSpinEdit probability(1, 100);
    probability.SetMaxTypedLength(2);
    probability.show();
    probability.setText("99");
    QTest::mouseClick(probability.UpButton(), Qt::LeftButton);
    EXPECT_EQ(probability.text(), "100");
    EXPECT_EQ(probability.ClampedValue(), 100);

    // A huge typed colour count steps without wrapping round.
    TSpinEdit colours(2, 4);
    colours.setText("2147483647");
    colours.StepBy(1);
    EXPECT_EQ(colours.text(), "4");
    colours.setText("-2147483648");
    colours.StepBy(-1);
    EXPECT_EQ(colours.text(), "2");
}

TEST_F(SpinEditTest, TextIsReadWithTheSettingsFileIntegerSyntax) {
    vertices.setText("0x0C");
    EXPECT_EQ(vertices.Value(), 12);
    vertices.setText("$0C");
    EXPECT_EQ(vertices.Value(), 12);
    vertices.setText("1.5");
    EXPECT_EQ(vertices.Value(), 6);
    vertices.SetValue(40);
    EXPECT_EQ(vertices.text(), "16") << "a value set from outside is shown clamped";
}

}  // namespace
