// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: laid out as the game shows it, modeless, only ever hidden, and its second
// button opens the help topic about the makers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "dialogs/About.h"
#include "support/RecordingViewer.h"
#include "ui/Modeless.h"

namespace {

QString Text(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

}  // namespace

TEST(AboutBox, ShowsVersionMakersAndPictureWithTheShadowedTitle) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About SpEcTrUmIx"));
    EXPECT_EQ(box.size(), QSize(464, 253));
    EXPECT_EQ(box.property("helpContext").toInt(), 5);
    EXPECT_EQ(Text(box, "Version"), QStringLiteral("Version 1.0"));
    for (const char* name : {"Copyright", "Label8", "Label1", "Label2"}) {
        EXPECT_FALSE(Text(box, name).trimmed().isEmpty()) << name;
    }
    const auto* title = box.findChild<QLabel*>(QStringLiteral("Label1"));
    const auto* shadowed = box.findChild<QLabel*>(QStringLiteral("Label7"));
    ASSERT_TRUE(title && shadowed);
    EXPECT_EQ(shadowed->text(), title->text());
    EXPECT_EQ(shadowed->x(), title->x() - 3);
    EXPECT_EQ(shadowed->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    // The red copy is on top, the navy one shows only as its shadow.
    EXPECT_EQ(title->parentWidget()->childAt(shadowed->geometry().center()), shadowed);

    const auto* image = box.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    // The picture is drawn when the box is first shown, not while it is built.
    EXPECT_TRUE(image->pixmap().isNull());
    box.show();
    EXPECT_EQ(image->pixmap().deviceIndependentSize().toSize(), QSize(120, 160));
    box.hide();

    // Every text fits its label: nothing of the makers' lines is cut off.
    for (const char* name : {"Version", "Copyright", "Label8", "Label1", "Label2"}) {
        const auto* label = box.findChild<QLabel*>(QLatin1String(name));
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
    }
    for (const char* name : {"OKButton", "Button1"}) {
        const auto* button = box.findChild<QPushButton*>(QLatin1String(name));
        EXPECT_LE(button->sizeHint().width(), button->width() + 4) << name;
    }
}

TEST(AboutBox, OpensModelessOnlyHidesAndIgnoresEscape) {
    QWidget board;
    ui::ShowModeless(&board);
    QPointer<TAboutBox> box = new TAboutBox(&board);
    auto* ok = box->findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);

    ui::ShowModeless(box);
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), ok) << "OK has the focus when the box first shows";

    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(box->isVisible()) << "the box has no cancel button";

    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    ASSERT_FALSE(box.isNull());

    ui::ShowModeless(box);
    ui::ShowModeless(box);  // asking again only brings it to the front
    EXPECT_TRUE(box->isVisible());
    box->close();
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(box.isNull()) << "closing hides the box; it lives as long as the board";
}

TEST(AboutBox, SecondButtonOpensTheMakersTopicAndTheBoxStays) {
    RecordingViewer viewer;
    TAboutBox box;
    ui::ShowModeless(&box);
    auto* makers = box.findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_NE(makers, nullptr);
    QTest::mouseClick(makers, Qt::LeftButton);
    EXPECT_TRUE(box.isVisible());

    // Enter on the focused second button presses it, not OK.
    makers->setFocus();
    QTest::keyClick(makers, Qt::Key_Return);
    EXPECT_TRUE(box.isVisible());

    QTest::keyClick(makers, Qt::Key_F1);
    EXPECT_EQ(viewer.requests, (std::vector<int>{5, 5, 5}));
    box.hide();
}
