// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontInfo>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include "controls/TColButt.h"
#include "support/ControlPixels.h"

using namespace controls_test;

namespace {

constexpr game::TColor kCanvas = 0x123456;  // what the button leaves unpainted shows this
constexpr game::TColor kFace = 0x202020;
constexpr game::TColor kLight = 0x40C0E0;
constexpr game::TColor kShadow = 0x604020;
constexpr game::TColor kInk = game::clWhite;

void paintLike(TColorButton& button, int width, int height, int thickness) {
    button.resize(width, height);
    button.setColor(kFace);
    button.setLightColor(kLight);
    button.setShadowColor(kShadow);
    button.setThickness(thickness);
    QPalette palette = button.palette();
    palette.setColor(QPalette::WindowText, toQColor(kInk));
    button.setPalette(palette);
    QFont font = button.font();
    font.setPixelSize(12);
    button.setFont(font);
}

// The bounding box of the caption's ink: every pixel that is neither face nor bevel nor frame.
QRect inkBox(const QImage& image, int thickness) {
    QRect box;
    for (int y = thickness + 1; y < image.height() - thickness - 1; ++y)
        for (int x = thickness + 1; x < image.width() - thickness - 1; ++x)
            if (pixel(image, x, y) != kFace)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Four colour buttons side by side on one parent, as the painters stand on the board.
struct Painters {
    QWidget parent;
    TColorButton* button[4];
    Painters() {
        parent.resize(200, 60);
        for (int i = 0; i < 4; ++i) {
            button[i] = new TColorButton(&parent);
            button[i]->setGeometry(10 + 40 * i, 10, 30, 30);
            button[i]->setStyle(TToggleStyle::Toggle);
            button[i]->GroupIndex = 1;
        }
    }
    QString values() const {
        QString s;
        for (const TColorButton* b : button) s += b->Value() ? '1' : '0';
        return s;
    }
    void showActive() {
        parent.show();
        parent.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
    }
};

}  // namespace

TEST(ColorButton, StartsAsAReleasedNormalButtonWithOneEmptyLine) {
    TColorButton button;
    EXPECT_EQ(button.size(), QSize(128, 64));
    EXPECT_FALSE(button.Value());
    EXPECT_EQ(button.Caption(), QString());
    EXPECT_EQ(button.Lines(), QStringList{QString()});
    EXPECT_EQ(button.Thickness(), 1);
    EXPECT_EQ(button.Style(), TToggleStyle::Normal);
    EXPECT_EQ(button.ALign(), TAlignStyle::Center);
    EXPECT_EQ(button.GroupIndex, 0);
    EXPECT_FALSE(button.LightOn());
    EXPECT_FALSE(button.LightOff());
    EXPECT_EQ(button.Color(), fromQColor(button.palette().color(QPalette::Button)));
    EXPECT_NE(button.LightColor(), button.ShadowColor());
}

TEST(ColorButton, ReleasedLooksRaisedAndPressedLooksSunken) {
    TColorButton button;
    paintLike(button, 40, 30, 2);
    const int w = 40, h = 30;

    QImage up = renderAlone(button, kCanvas);
    // The black frame on the left and top; its right and bottom sides sit one pixel in.
    EXPECT_EQ(pixel(up, 0, 0), game::clBlack);
    EXPECT_EQ(pixel(up, 0, 15), game::clBlack);
    EXPECT_EQ(pixel(up, 20, 0), game::clBlack);
    EXPECT_EQ(pixel(up, w - 2, 2), game::clBlack);
    EXPECT_EQ(pixel(up, 2, h - 2), game::clBlack);
    // The corners no drawing step reaches.
    EXPECT_EQ(pixel(up, w - 1, 0), kCanvas);
    EXPECT_EQ(pixel(up, w - 1, 1), kCanvas);
    EXPECT_EQ(pixel(up, 0, h - 1), kCanvas);
    // Two bevel lines a side: light on the left and top, shadow on the right and bottom.
    for (int a = 1; a <= 2; ++a) {
        EXPECT_EQ(pixel(up, a, 15), kLight) << a;
        EXPECT_EQ(pixel(up, 20, a), kLight) << a;
        EXPECT_EQ(pixel(up, w - a, 15), kShadow) << a;
        EXPECT_EQ(pixel(up, 20, h - a), kShadow) << a;
    }
    // Where the sides meet: the top-left lines stop short of the far corners.
    EXPECT_EQ(pixel(up, 1, h - 1), kCanvas);
    EXPECT_EQ(pixel(up, 2, h - 1), kShadow);
    EXPECT_EQ(pixel(up, w - 2, 1), kLight);
    EXPECT_EQ(pixel(up, 3, 15), kFace);
    EXPECT_EQ(pixel(up, w - 3, h - 3), kFace);

    button.setValue(true);
    QImage down = renderAlone(button, kCanvas);
    for (int a = 1; a <= 2; ++a) {
        EXPECT_EQ(pixel(down, a, 15), kShadow) << a;
        EXPECT_EQ(pixel(down, 20, a), kShadow) << a;
        EXPECT_EQ(pixel(down, w - a, 15), kLight) << a;
        EXPECT_EQ(pixel(down, 20, h - a), kLight) << a;
    }
    EXPECT_EQ(pixel(down, 20, 15), kFace);
}

TEST(ColorButton, ThicknessZeroDrawsNoBevelAndTheFaceCoversTheFrameSides) {
    TColorButton button;
    paintLike(button, 40, 30, 0);
    const QImage image = renderAlone(button, kCanvas);
    EXPECT_EQ(pixel(image, 0, 15), game::clBlack);
    EXPECT_EQ(pixel(image, 20, 0), game::clBlack);
    EXPECT_EQ(pixel(image, 1, 1), kFace);
    EXPECT_EQ(pixel(image, 38, 15), kFace);
    EXPECT_EQ(pixel(image, 20, 28), kFace);
    EXPECT_EQ(pixel(image, 39, 15), kCanvas);
    EXPECT_EQ(pixel(image, 20, 29), kCanvas);
    for (int x = 0; x < 40; ++x) {
        EXPECT_NE(pixel(image, x, 1), kLight);
        EXPECT_NE(pixel(image, x, 28), kShadow);
    }
}

TEST(ColorButton, LampShowsLimeWhilePressedAndRedWhileReleasedUnderTheBevel) {
    TColorButton button;
    paintLike(button, 30, 30, 4);
    button.setLightOn(true);
    EXPECT_EQ(pixel(renderAlone(button, kCanvas), 5, 9), kFace);  // released: no lime lamp

    button.setValue(true);
    QImage image = renderAlone(button, kCanvas);
    // The bar runs from (0, 8) to (15, 12), right and bottom excluded; the bevel is drawn over it.
    for (const int y : {8, 11}) {
        EXPECT_EQ(pixel(image, 0, y), game::clLime) << y;
        EXPECT_EQ(pixel(image, 5, y), game::clLime) << y;
        EXPECT_EQ(pixel(image, 14, y), game::clLime) << y;
        EXPECT_EQ(pixel(image, 15, y), kFace) << y;
        for (int a = 1; a <= 4; ++a) EXPECT_EQ(pixel(image, a, y), kShadow) << a << "," << y;
    }
    EXPECT_EQ(pixel(image, 5, 7), kFace);
    EXPECT_EQ(pixel(image, 5, 12), kFace);
    EXPECT_EQ(pixel(image, 0, 12), game::clBlack);

    button.setLightOn(false);
    button.setLightOff(true);
    EXPECT_EQ(pixel(renderAlone(button, kCanvas), 5, 9), kFace);  // pressed: no red lamp
    button.setValue(false);
    image = renderAlone(button, kCanvas);
    EXPECT_EQ(pixel(image, 5, 9), game::clRed);
    EXPECT_EQ(pixel(image, 14, 11), game::clRed);
    EXPECT_EQ(pixel(image, 5, 12), kFace);
}

TEST(ColorButton, CaptionIsPlacedByAlignmentAndSinksWhenPressed) {
    TColorButton button;
    paintLike(button, 120, 40, 2);
    button.setCaption(QStringLiteral("Ab"));

    const QRect centred = inkBox(renderAlone(button, kCanvas), 2);
    ASSERT_FALSE(centred.isEmpty());
    EXPECT_LE(std::abs((centred.left() - 2) - (120 - 2 - 1 - centred.right())), 4);
    EXPECT_LE(std::abs((centred.top() - 2) - (40 - 2 - 1 - centred.bottom())), 8);

    // Pressed, the caption moves right and down by twice the bevel.
    button.setValue(true);
    const QRect sunk = inkBox(renderAlone(button, kCanvas), 2);
    EXPECT_EQ(sunk.left() - centred.left(), 4);
    EXPECT_EQ(sunk.top() - centred.top(), 4);
    button.setValue(false);

    button.setALign(TAlignStyle::AlignLeft);
    const QRect left = inkBox(renderAlone(button, kCanvas), 2);
    EXPECT_GE(left.left(), 2);
    EXPECT_LE(left.left(), 5);

    button.setALign(TAlignStyle::AlignRight);
    const QRect right = inkBox(renderAlone(button, kCanvas), 2);
    EXPECT_LE(right.right(), 120 - 2 - 2);
    EXPECT_GE(right.right(), 120 - 2 - 8);
}

TEST(ColorButton, CaptionsTooWideOrTooTallAreCutInsideTheBevel) {
    TColorButton button;
    paintLike(button, 40, 30, 3);
    button.setLines({QStringLiteral("WWWWWWWWWWWW"), QStringLiteral("WWWWWWWWWWWW"),
                     QStringLiteral("WWWWWWWWWWWW"), QStringLiteral("WWWWWWWWWWWW"),
                     QStringLiteral("WWWWWWWWWWWW")});
    const QImage image = renderAlone(button, kCanvas);
    ASSERT_FALSE(inkBox(image, 3).isEmpty());
    // A full-width text box starts on the innermost left bevel line (column T) and covers
    // it; every other bevel line stays whole.
    for (int y = 4; y < 26; ++y) {
        for (int a = 1; a <= 2; ++a) EXPECT_EQ(pixel(image, a, y), kLight) << a << "," << y;
        for (int a = 1; a <= 3; ++a) EXPECT_EQ(pixel(image, 40 - a, y), kShadow) << a << "," << y;
    }
    EXPECT_NE(pixel(image, 3, 10), kLight);
    for (int x = 4; x < 36; ++x)
        for (int a = 1; a <= 3; ++a) {
            EXPECT_EQ(pixel(image, x, a), kLight) << x << "," << a;
            EXPECT_EQ(pixel(image, x, 30 - a), kShadow) << x << "," << a;
        }
    // The text box ends one pixel short of the available width: the column before the bevel stays face.
    for (int y = 4; y < 26; ++y) EXPECT_EQ(pixel(image, 36, y), kFace) << y;
}

TEST(ColorButton, CaptionAndLinesKeepEachOtherInStep) {
    TColorButton button;
    button.setLines({});
    button.setCaption(QStringLiteral("one"));
    EXPECT_EQ(button.Lines(), QStringList{QStringLiteral("one")});

    button.setLines({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(button.Caption(), QStringLiteral("a"));
    button.setCaption(QStringLiteral("z"));
    EXPECT_EQ(button.Lines(), (QStringList{QStringLiteral("z"), QStringLiteral("b"), QStringLiteral("c")}));

    // An empty list keeps the caption it had.
    button.setLines({});
    EXPECT_EQ(button.Caption(), QStringLiteral("z"));
    EXPECT_TRUE(button.Lines().isEmpty());
}

TEST(ColorButton, SettersRepaintOnlyWhenTheValueChanges) {
    QWidget window;
    auto* button = new TColorButton(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter paints(*button);
    paints.settle();

    button->setValue(false);
    button->setCaption(QString());
    button->setColor(button->Color());
    button->setLightColor(button->LightColor());
    button->setShadowColor(button->ShadowColor());
    button->setLightOn(false);
    button->setLightOff(false);
    button->setStyle(TToggleStyle::Normal);
    button->setALign(TAlignStyle::Center);
    button->setThickness(1);
    PaintCounter::flush();
    EXPECT_EQ(paints.count, 0);

    const std::vector<std::function<void()>> changes = {
        [&] { button->setValue(true); },
        [&] { button->setCaption(QStringLiteral("x")); },
        [&] { button->setColor(button->Color() ^ 1); },
        [&] { button->setLightColor(button->LightColor() ^ 1); },
        [&] { button->setShadowColor(button->ShadowColor() ^ 1); },
        [&] { button->setLightOn(true); },
        [&] { button->setLightOff(true); },
        [&] { button->setStyle(TToggleStyle::Toggle); },
        [&] { button->setALign(TAlignStyle::AlignRight); },
        [&] { button->setThickness(3); },
        [&] { button->setLines(button->Lines()); },  // a whole list always repaints
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        paints.settle();
        changes[i]();
        PaintCounter::flush();
        EXPECT_GE(paints.count, 1) << "change " << i;
    }
}

TEST(ColorButton, NormalButtonIsDownWhileHeldAndClicksOnLeftReleaseOverIt) {
    QWidget window;
    auto* button = new TColorButton(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &TColorButton::clicked);
    std::vector<bool> valueSeenByClick;
    QObject::connect(button, &TColorButton::clicked, [&] { valueSeenByClick.push_back(button->Value()); });

    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_TRUE(button->Value());
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_FALSE(button->Value());
    EXPECT_EQ(valueSeenByClick, std::vector<bool>{true});

    // Let go outside: down while held, no click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_FALSE(button->Value());
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(button, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ColorButton, ToggleFlipsOnEveryPressAndClicksOnlyForLeftPressesThatAreNotDoubleClicks) {
    Painters painters;
    painters.showActive();
    TColorButton& navy = *painters.button[0];
    QSignalSpy clicks(&navy, &TColorButton::clicked);
    QSignalSpy doubles(&navy, &TColorButton::doubleClicked);
    std::vector<bool> valueSeenByClick;
    QObject::connect(&navy, &TColorButton::clicked, [&] { valueSeenByClick.push_back(navy.Value()); });

    QTest::mouseClick(&navy, Qt::LeftButton);
    EXPECT_TRUE(navy.Value());
    EXPECT_TRUE(navy.hasFocus());
    QTest::mouseClick(&navy, Qt::LeftButton);
    EXPECT_FALSE(navy.Value());
    EXPECT_EQ(valueSeenByClick, (std::vector<bool>{true, false}));

    QTest::mouseClick(&navy, Qt::RightButton);
    EXPECT_TRUE(navy.Value());
    QTest::mouseClick(&navy, Qt::MiddleButton);
    EXPECT_FALSE(navy.Value());
    EXPECT_EQ(clicks.count(), 2);

    // A quick double click on a toggle outside any group flips twice; only the first press and
    // release is a click.
    clicks.clear();
    navy.GroupIndex = 0;
    QTest::mouseClick(&navy, Qt::LeftButton);
    QTest::mouseDClick(&navy, Qt::LeftButton);
    QTest::mouseRelease(&navy, Qt::LeftButton);
    EXPECT_FALSE(navy.Value());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubles.count(), 1);

    // Pressed on it, released beside it: flipped, but no click.
    QTest::mousePress(&navy, Qt::LeftButton);
    QTest::mouseRelease(&navy, Qt::LeftButton, {}, QPoint(-5, 5));
    EXPECT_TRUE(navy.Value());
    EXPECT_EQ(clicks.count(), 1);

    // Space and Enter click it as the left button does; a disabled button ignores both.
    QTest::keyClick(&navy, Qt::Key_Space);
    EXPECT_FALSE(navy.Value());
    QTest::keyClick(&navy, Qt::Key_Return);
    EXPECT_TRUE(navy.Value());
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(valueSeenByClick.back(), true);
    navy.setEnabled(false);
    QTest::mouseClick(&navy, Qt::LeftButton);
    QTest::keyClick(&navy, Qt::Key_Space);
    EXPECT_TRUE(navy.Value());
    EXPECT_EQ(clicks.count(), 3);
}

// A quick double click on a painter chooses its colour once: the painter stays drawn and reported
// pressed, whether it was pressed before or not. Right and middle double clicks still flip twice.
TEST(ColorButton, ADoubleClickLeavesTheChosenToggleOfAGroupPressed) {
    Painters painters;
    painters.showActive();
    TColorButton& red = *painters.button[1];
    QSignalSpy clicks(&red, &TColorButton::clicked);
    QSignalSpy doubles(&red, &TColorButton::doubleClicked);
    const auto checked = [&red] { return QAccessible::queryAccessibleInterface(&red)->state().checked; };

    QTest::mouseClick(&red, Qt::LeftButton);
    QTest::mouseDClick(&red, Qt::LeftButton);
    QTest::mouseRelease(&red, Qt::LeftButton);
    EXPECT_EQ(painters.values(), "0100");
    EXPECT_TRUE(checked());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubles.count(), 1);

    // The board presses the painter again for a click that released it: the double click keeps it.
    QObject::connect(&red, &TColorButton::clicked, [&red] { red.setValue(true); });
    QTest::mouseClick(&red, Qt::LeftButton);
    QTest::mouseDClick(&red, Qt::LeftButton);
    QTest::mouseRelease(&red, Qt::LeftButton);
    EXPECT_EQ(painters.values(), "0100");
    EXPECT_TRUE(checked());

    red.setValue(false);
    QTest::mouseClick(&red, Qt::RightButton);
    QTest::mouseDClick(&red, Qt::RightButton);
    QTest::mouseRelease(&red, Qt::RightButton);
    EXPECT_EQ(painters.values(), "0000");
}

TEST(ColorButton, PressingAGroupedToggleReleasesEveryOtherPressedColourButtonOnItsParent) {
    Painters painters;
    TColorButton stranger;  // on another parent
    stranger.setValue(true);
    painters.button[1]->setValue(true);
    painters.button[2]->setValue(true);
    painters.button[2]->GroupIndex = 7;                  // other groups are not spared
    painters.button[3]->setStyle(TToggleStyle::Normal);  // nor other styles
    painters.button[3]->setValue(true);
    EXPECT_EQ(painters.values(), "0111");  // set from code: nobody else is touched
    painters.showActive();

    QTest::mouseClick(painters.button[0], Qt::LeftButton);
    EXPECT_EQ(painters.values(), "1000");
    EXPECT_TRUE(stranger.Value());

    // Releasing the pressed one by a second press leaves the others alone.
    painters.button[1]->setValue(true);
    QTest::mouseClick(painters.button[0], Qt::LeftButton);
    EXPECT_EQ(painters.values(), "0100");

    // A toggle outside any group presses without releasing anyone.
    painters.button[0]->GroupIndex = 0;
    QTest::mouseClick(painters.button[0], Qt::LeftButton);
    EXPECT_EQ(painters.values(), "1100");
}

TEST(ColorButton, AboutPointsAtTheUsageNotesWithoutBlocking) {
    TColorButton button;
    EXPECT_EQ(button.About(), QStringLiteral("Press click to get details"));
    QMessageBox* box = button.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("Please, read readme.txt about usage"));
    box->close();
}
