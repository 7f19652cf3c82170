// SPDX-License-Identifier: GPL-3.0-or-later
// Help requests reach the right topic from every trigger, the help file's pages and links are
// all there, and the game's own help window opens without blocking, is reused and reads by keys.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>

#include "services/HelpViewer.h"
#include "support/RecordingViewer.h"
#include "ui/Modeless.h"

using ::testing::ElementsAre;

namespace {

QString ResourcePath(const QUrl& url) {
    return QLatin1Char(':') + url.path();
}

QString ReadPage(const QUrl& url) {
    QFile file(ResourcePath(url));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QWidget* HelpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("HelpWindow"))
            return w;
    }
    return nullptr;
}

}  // namespace

TEST(HelpRequests, KnownTopicsOpenThemselvesAndEverythingElseTheContents) {
    RecordingViewer viewer;
    help::ShowTopic(1);
    help::ShowTopic(2);
    help::ShowTopic(5);
    help::ShowTopic(29);
    help::ShowTopic(30);
    help::ShowContents();
    help::ShowTopic(0);
    help::ShowTopic(3);
    help::ShowTopic(-1);
    EXPECT_EQ(viewer.requests, (std::vector<int>{1, 2, 5, 29, 30, 0, 0, 0, 0}));
}

TEST(HelpFile, EveryTopicHasItsOwnPageAndEveryLinkLandsOnAPageAndAnchorThatExist) {
    const QList<QUrl> pages = help::AllPages();
    ASSERT_EQ(pages.first(), help::TopicUrl(help::kContents));
    QSet<QUrl> distinct;
    for (const int context : {1, 2, 5, 29, 30}) distinct.insert(help::TopicUrl(context));
    distinct.insert(help::TopicUrl(help::kContents));
    EXPECT_EQ(distinct.size(), 6) << "each help context needs a page of its own";
    EXPECT_EQ(help::TopicUrl(42), help::TopicUrl(help::kContents));
    // The review's help is a section of the playing page, opened at it.
    EXPECT_EQ(help::TopicUrl(help::kReviewTopic), QUrl(help::TopicUrl(help::kPlayingTopic).toString() + "#review"));

    const QRegularExpression linkPattern(QStringLiteral("href=\"([^\"]+)\""));
    QSet<QUrl> linkedFromContents;
    for (const QUrl& page : pages) {
        const QString html = ReadPage(page);
        ASSERT_FALSE(html.isEmpty()) << "missing page " << page.toString().toStdString();
        EXPECT_TRUE(html.contains(QLatin1String("<title>"))) << page.toString().toStdString();
        for (const auto& match : linkPattern.globalMatch(html)) {
            const QUrl target = page.resolved(QUrl(match.captured(1)));
            const std::string where =
                page.fileName().toStdString() + " -> " + match.captured(1).toStdString();
            ASSERT_EQ(target.scheme(), QLatin1String("qrc")) << where << ": the help never leaves the game";
            QUrl targetPage = target;
            targetPage.setFragment(QString());
            const QString targetHtml = ReadPage(targetPage);
            ASSERT_FALSE(targetHtml.isEmpty()) << where << ": no such page";
            if (target.hasFragment()) {
                EXPECT_TRUE(targetHtml.contains(QStringLiteral("name=\"%1\"").arg(target.fragment())))
                    << where;
            }
            if (page == help::TopicUrl(help::kContents))
                linkedFromContents.insert(targetPage);
        }
    }
    for (const int context : {1, 2, 5, 29, 30}) {
        EXPECT_TRUE(linkedFromContents.contains(help::TopicUrl(context)))
            << "contents misses topic " << context;
    }
}

TEST(HelpFile, TheGameTopicTeachesColouringParLevelsAndStrategies) {
    const QString playing = ReadPage(help::TopicUrl(help::kPlayingTopic));
    for (const char* idea : {"proper", "triangle", "clique", "reveals an edge", "par", "teaching mode",
                             "most constrained", "must share a color"}) {
        EXPECT_TRUE(playing.contains(QLatin1String(idea), Qt::CaseInsensitive)) << idea;
    }
    const QString settings = ReadPage(help::TopicUrl(help::kSettingsTopic));
    for (const char* caption :
         {"Progess Through Levels (Teaching Mode)", "Show Edges", "Random Number of Colors",
          "Random Number of Vertices", "Random Edge Probability", "Show Tool Tips", "OK", "Cancel", "Help"}) {
        EXPECT_TRUE(settings.contains(QLatin1String(caption))) << caption;
    }
}

TEST(HelpContexts, ComeFromTheNearestOwnerWithinTheSameWindow) {
    EXPECT_EQ(help::HelpContextOf(nullptr), 0);
    QAction contents(QStringLiteral("Contents"));
    contents.setProperty("helpContext", 1);
    EXPECT_EQ(help::HelpContextOf(&contents), 1);

    QWidget board;
    board.setProperty("helpContext", 1);
    auto* panel = new QWidget(&board);
    auto* newPuzzle = new QPushButton(QStringLiteral("New Puzzle"), panel);
    EXPECT_EQ(help::HelpContextOf(newPuzzle), 0);
    EXPECT_EQ(help::NearestHelpContext(newPuzzle), 1);
    panel->setProperty("helpContext", 29);
    EXPECT_EQ(help::NearestHelpContext(newPuzzle), 29);

    // A dialog owned by the board is a window of its own: it does not borrow the board's topic.
    QDialog message(&board);
    auto* ok = new QPushButton(QStringLiteral("OK"), &message);
    EXPECT_EQ(help::NearestHelpContext(ok), 0);
    EXPECT_EQ(help::NearestHelpContext(nullptr), 0);
}

TEST(HelpF1, AsksForTheFocusedControlsTopicOrNothing) {
    RecordingViewer viewer;
    QWidget board;
    board.setProperty("helpContext", 1);
    auto* newPuzzle = new QPushButton(QStringLiteral("New Puzzle"), &board);
    ui::ShowModeless(&board);
    newPuzzle->setFocus();
    QTest::keyClick(newPuzzle, Qt::Key_F1);

    QDialog settings;
    settings.setProperty("helpContext", 2);
    auto* okButton = new QPushButton(QStringLiteral("OK"), &settings);
    ui::ShowModeless(&settings);
    okButton->setFocus();
    QTest::keyClick(okButton, Qt::Key_F1);

    QDialog rating;  // the rating and decision dialogs carry no topic: F1 there asks for nothing
    auto* yes = new QPushButton(QStringLiteral("Yes"), &rating);
    ui::ShowModeless(&rating);
    yes->setFocus();
    QTest::keyClick(yes, Qt::Key_F1);

    // Shift+F1 is not a help request, and an F1 held down asks only once.
    settings.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&settings));
    okButton->setFocus();
    QTest::keyClick(okButton, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyEvent(QTest::Press, okButton, Qt::Key_F1, Qt::NoModifier, -1);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(okButton, &held);

    EXPECT_THAT(viewer.requests, ElementsAre(1, 2, 2));
}

TEST(HelpF1, WithAMenuOpenAsksForTheHighlightedItemsTopic) {
    RecordingViewer viewer;
    QWidget board;
    board.setProperty("helpContext", 1);
    ui::ShowModeless(&board);
    QMenu menu(&board);
    QAction* contents = menu.addAction(QStringLiteral("Contents"));
    contents->setProperty("helpContext", 1);
    QAction* about = menu.addAction(QStringLiteral("&About..."));
    menu.popup(board.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    ASSERT_EQ(QApplication::activePopupWidget(), &menu);

    menu.setActiveAction(about);
    QTest::keyClick(&menu, Qt::Key_F1);
    menu.setActiveAction(contents);
    QTest::keyClick(&menu, Qt::Key_F1);
    menu.close();

    EXPECT_THAT(viewer.requests, ElementsAre(1));  // "&About..." has no topic
}

TEST(HelpWindow, OpensWithoutBlockingAndIsReusedForTheNextTopic) {
    help::SetViewer(nullptr);
    QWidget board;
    ui::ShowModeless(&board);

    help::ShowTopic(help::kPlayingTopic);
    QWidget* window = HelpWindow();
    ASSERT_NE(window, nullptr);
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose)) << "closing the board must still end the game";
    EXPECT_EQ(browser->source(), help::TopicUrl(help::kPlayingTopic));
    EXPECT_TRUE(browser->toPlainText().contains(QLatin1String("Playing SpEcTrUmIx")));
    EXPECT_TRUE(browser->toPlainText().contains(QLatin1String("Playing with the keyboard")));
    // A screen reader finds a window named by its title, not a nameless filler.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(face->role(), QAccessible::Window);
    EXPECT_TRUE(face->text(QAccessible::Name).startsWith("SpEcTrUmIx Help"));

    window->hide();
    help::ShowTopic(help::kSettingsTopic);
    EXPECT_EQ(HelpWindow(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(browser->source(), help::TopicUrl(help::kSettingsTopic));

    // Links between topics are followed; anything outside the help file is not.
    emit browser->anchorClicked(QUrl(QStringLiteral("playing.html#levels")));
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/help/playing.html#levels")));
    emit browser->anchorClicked(QUrl(QStringLiteral("https://example.invalid/")));
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/help/playing.html#levels")));

    auto* back = window->findChild<QPushButton*>(QStringLiteral("BackButton"));
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(browser->source(), help::TopicUrl(help::kSettingsTopic));
    window->findChild<QPushButton*>(QStringLiteral("ContentsButton"))->click();
    EXPECT_EQ(browser->source(), help::TopicUrl(help::kContents));
    window->hide();
}

TEST(HelpWindow, ArrowsAndTabMoveACaretThatAScreenReaderFollows) {
    help::SetViewer(nullptr);
    help::ShowTopic(help::kPlayingTopic);
    QWidget* window = HelpWindow();
    ASSERT_NE(window, nullptr);
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    QApplication::setActiveWindow(window);
    browser->setFocus(Qt::TabFocusReason);
    browser->moveCursor(QTextCursor::Start);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(browser);
    QAccessibleTextInterface* text = face->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), browser->documentTitle()) << "the page is met by its title";

    // Down moves the caret to the next line, where the screen reader finds it (Qt tells the
    // reader of each move; the offscreen platform has no reader to tell).
    int start = 0;
    int end = 0;
    const QString firstLine = text->textAtOffset(0, QAccessible::LineBoundary, &start, &end);
    EXPECT_TRUE(firstLine.startsWith(QLatin1String("Contents"))) << firstLine.toStdString();
    QTest::keyClick(browser, Qt::Key_Down);
    const int below = text->cursorPosition();
    EXPECT_GE(below, end) << "the caret stays on the first line";
    EXPECT_NE(text->textAtOffset(below, QAccessible::LineBoundary, &start, &end), firstLine);
    EXPECT_GE(browser->cursorWidth(), 2) << "the keys show the caret";

    // Tab selects the next link below the caret: its words are the selection, and the caret
    // moved with it.
    QTest::keyClick(browser, Qt::Key_Tab);
    EXPECT_TRUE(browser->hasFocus()) << "Tab stays among the page's links";
    ASSERT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_LT(start, end);
    EXPECT_TRUE(browser->textCursor().charFormat().isAnchor());
    EXPECT_GT(text->cursorPosition(), below);
    EXPECT_EQ(text->text(start, end), browser->textCursor().selectedText());

    // A click hides the caret: the mouse sees the page as it always has.
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(browser->cursorWidth(), 0);
    window->hide();
}
