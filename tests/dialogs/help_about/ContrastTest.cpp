// SPDX-License-Identifier: GPL-3.0-or-later
// Words stay readable on a light and on a dark desktop: every text of the help pages, the
// settings dialog and the statistics window stands at least 4.5 : 1 against what is behind it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>

#include "dialogs/Optionl1.h"
#include "dialogs/TabbedScores.h"
#include "services/HelpViewer.h"

namespace {

double Luminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette DarkDesktop() {
    QPalette dark(QColor(49, 54, 59), QColor(35, 38, 41));
    dark.setColor(QPalette::WindowText, QColor(252, 252, 252));
    dark.setColor(QPalette::Text, QColor(252, 252, 252));
    dark.setColor(QPalette::ButtonText, QColor(252, 252, 252));
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    return dark;
}

// The colour behind a widget: the nearest one that fills its own background, else its window.
QColor Behind(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return Qt::white;
}

void ExpectReadableWords(const QWidget& window, const char* name) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool words = (label && !label->text().isEmpty()) || qobject_cast<const QCheckBox*>(widget) ||
                           qobject_cast<const QGroupBox*>(widget);
        if (!words || widget->isHidden())
            continue;
        const QColor text = widget->palette().color(widget->foregroundRole());
        EXPECT_GE(Contrast(text, Behind(widget)), 4.5)
            << name << " " << widget->objectName().toStdString() << " " << text.name().toStdString() << " on "
            << Behind(widget).name().toStdString();
    }
}

void ExpectReadablePages(QTextBrowser& browser) {
    for (const QUrl& page : help::AllPages()) {
        browser.setSource(page);
        const QTextDocument* document = browser.document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.text().trimmed().isEmpty())
                    continue;
                const QTextCharFormat format = fragment.charFormat();
                const QColor text = format.foreground().style() == Qt::NoBrush
                                        ? browser.palette().color(QPalette::Text)
                                        : format.foreground().color();
                QColor back = browser.palette().color(QPalette::Base);
                if (document->rootFrame()->frameFormat().background().style() != Qt::NoBrush)
                    back = document->rootFrame()->frameFormat().background().color();
                QTextCursor cursor(block);
                if (QTextTable* table = cursor.currentTable()) {
                    const QBrush cell = table->cellAt(fragment.position()).format().background();
                    if (cell.style() != Qt::NoBrush)
                        back = cell.color();
                }
                if (block.blockFormat().background().style() != Qt::NoBrush)
                    back = block.blockFormat().background().color();
                if (format.background().style() != Qt::NoBrush)
                    back = format.background().color();
                EXPECT_GE(Contrast(text, back), 4.5)
                    << page.toString().toStdString() << ": \"" << fragment.text().left(30).toStdString()
                    << "\" " << text.name().toStdString() << " on " << back.name().toStdString();
            }
        }
    }
}

TEST(Readability, HelpSettingsAndStatisticsReadUnderALightAndADarkPalette) {
    const QPalette desktop = QApplication::palette();
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark palette" : "light palette");
        QApplication::setPalette(dark ? DarkDesktop() : desktop);
        TOptionsL1 options({});
        ExpectReadableWords(options, "settings");
        TPerformancePages statistics;
        ExpectReadableWords(statistics, "statistics");

        help::ShowContents();
        QTextBrowser* browser = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("HelpWindow"))
                browser = w->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
        }
        ASSERT_NE(browser, nullptr);
        ExpectReadablePages(*browser);
        browser->window()->hide();
    }
    QApplication::setPalette(desktop);
}

// The tab the keyboard is on wears a ring at least two pixels deep whose pixels stand 3 : 1 or
// more against what they show without it; without the keyboard the tabs look as Qt's own.
TEST(Readability, TheTabTheKeyboardIsOnIsRingedAndTheMouseSeesPlainTabs) {
    TPerformancePages statistics;
    statistics.show();
    auto* tabs = statistics.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(tabs, nullptr);
    QTabBar* bar = tabs->tabBar();
    const QImage plain = bar->grab().toImage();

    QTabWidget qts;
    qts.setFont(tabs->font());
    for (int i = 0; i < tabs->count(); ++i) qts.addTab(new QWidget, tabs->tabText(i));
    qts.setCurrentIndex(tabs->currentIndex());
    qts.resize(tabs->size());
    qts.show();
    EXPECT_EQ(qts.tabBar()->grab().toImage(), plain) << "the mouse sees the tabs as always";

    QApplication::setActiveWindow(&statistics);
    bar->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(bar->hasFocus());
    const QImage ringed = bar->grab().toImage();
    const QRect tab = bar->tabRect(bar->currentIndex());
    // Down the middle of the tab's caption and across it: the changed pixels run two or more deep
    // on each side, each at 3 : 1 or more against the pixel it replaced.
    const auto deepest = [&](QPoint from, QPoint step, int length) {
        int run = 0;
        int best = 0;
        for (int i = 0; i < length; ++i) {
            const QPoint p = from + step * i;
            run = Contrast(ringed.pixelColor(p), plain.pixelColor(p)) >= 3.0 ? run + 1 : 0;
            best = std::max(best, run);
        }
        return best;
    };
    const int middle = tab.center().x();
    EXPECT_GE(deepest({middle, tab.top()}, {0, 1}, tab.height() / 2), 2) << "top";
    EXPECT_GE(deepest({middle, tab.center().y()}, {0, 1}, tab.height() / 2), 2) << "bottom";
    EXPECT_GE(deepest({tab.left(), tab.center().y()}, {1, 0}, 8), 2) << "left";
    EXPECT_GE(deepest({tab.right() - 8, tab.center().y()}, {1, 0}, 8), 2) << "right";
}

}  // namespace
