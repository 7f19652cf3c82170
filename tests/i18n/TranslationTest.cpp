// SPDX-License-Identifier: GPL-3.0-or-later
// The game in German: with the translation loaded no text a player can see is left in English,
// and every German text fits the control the game made for it, in the game's own fonts.
#include "engine/GameEnd.h"
#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "engine/State.h"
#include "engine/Views.h"
#include "support/GameTest.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <map>
#include <vector>

#include "app/Windows.h"
#include "board/Main.h"
#include "controls/Vertex1.h"
#include "services/HelpViewer.h"
#include "services/Language.h"

namespace {

std::unique_ptr<app::TWindows> g_windows;

struct Text {
    QWidget* widget;
    QString kind;
    QString text;
};

// Every text of the game's windows, in the order the widgets were made, so two runs of the
// same windows line up entry by entry.
std::vector<Text> VisibleTexts() {
    std::vector<Text> texts;
    QList<QWidget*> widgets{g_windows->Level1};
    widgets += g_windows->Level1->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (w->isWindow())
            texts.push_back({w, "title", w->windowTitle()});
        texts.push_back({w, "tool tip", w->toolTip()});
        if (auto* label = qobject_cast<QLabel*>(w))
            texts.push_back({w, "label", label->text()});
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts.push_back({w, "button", button->text()});
        if (auto* group = qobject_cast<QGroupBox*>(w))
            texts.push_back({w, "group", group->title()});
        if (auto* combo = qobject_cast<QComboBox*>(w))
            texts.push_back({w, "prompt", combo->currentText()});
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) texts.push_back({w, "tab", tabs->tabText(i)});
        }
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            texts.push_back({w, "menu", menu->title()});
            for (QAction* action : menu->actions()) texts.push_back({w, "menu item", action->text()});
        }
    }
    return texts;
}

// Builds every window, starts a puzzle so that the board shows its labels, and opens each
// rating dialog once so that its message is written.
void BuildWindows() {
    game::world.Reset();
    game::PinClock(gametest::kNoon);
    g_windows = std::make_unique<app::TWindows>(game::world);
    g_windows->PrepareHiddenWindows();
    game::world.Settings.TeachingMode = false;
    // On screen, so that the board's area has its designed size.
    g_windows->Level1->ShowCentered();
    QCoreApplication::processEvents();
    game::NewPuzzle();
    game::world.Board().ShowAverageFromPar(game::ReduceAverage(41, 40));
    g_windows->OpenDialog(game::Dialog::Perfect, game::PerfectDialogText(false, 0));
    g_windows->OpenDialog(game::Dialog::Excellent, game::ExcellentDialogText(false, 0));
    g_windows->OpenDialog(game::Dialog::NotBad, {game::RatingMessage::NotBad, 0, false});
}

void TearDownWindows() {
    g_windows.reset();
    game::world.Reset();
}

QString Plain(QString text) {
    return text.remove(QLatin1Char('&'));
}

// How far a text runs past its control, in pixels (0: it fits), by the rule of the control.
int Overrun(QWidget* w) {
    const QFontMetrics metrics(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty())
            return 0;
        if (label->wordWrap())
            return std::max(0, label->heightForWidth(label->width()) - label->height());
        const int needed = metrics.horizontalAdvance(label->text());
        return std::max(
            {0, needed - label->width(), label->geometry().right() - label->parentWidget()->width()});
    }
    if (auto* box = qobject_cast<QCheckBox*>(w))
        return std::max(0, box->sizeHint().width() - box->width());
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->text().isEmpty())
            return 0;
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return std::max(0, metrics.horizontalAdvance(Plain(button->text())) + icon + 8 - button->width());
    }
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return std::max(0, metrics.horizontalAdvance(group->title()) + 16 - group->width());
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return std::max(0, metrics.horizontalAdvance(combo->currentText()) + 20 - combo->width());
    return 0;
}

// Names and marks that are the same in every language.
bool SameInEveryLanguage(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]"));
    static const QStringList kept{"OK", "Par: ", "SpEcTrUmIx", "Version 1.0", "Sp", "Ec", "Tr", "Um", "Ix"};
    return !text.contains(letters) || kept.contains(text);
}

class GermanGame : public ::testing::Test {
  protected:
    void TearDown() override {
        language::Uninstall(*qApp);
        TearDownWindows();
    }
};

TEST_F(GermanGame, NoTextIsLeftInEnglishAndEveryTextFitsItsControl) {
    language::Uninstall(*qApp);
    BuildWindows();
    std::vector<Text> english = VisibleTexts();
    std::vector<int> englishOverrun;
    for (const Text& t : english) englishOverrun.push_back(Overrun(t.widget));
    std::vector<QString> englishTexts;
    for (const Text& t : english) englishTexts.push_back(t.text);
    EXPECT_EQ(g_windows->Level1->NewGame->text(), "New Puzzle");
    TearDownWindows();

    ASSERT_EQ(language::Install(*qApp, {"de_DE"}), "de");
    BuildWindows();
    const std::vector<Text> german = VisibleTexts();
    ASSERT_EQ(german.size(), englishTexts.size());
    int compared = 0;
    for (std::size_t i = 0; i < german.size(); ++i) {
        const Text& t = german[i];
        if (t.text.isEmpty() || SameInEveryLanguage(t.text))
            continue;
        ++compared;
        EXPECT_NE(t.text, englishTexts[i])
            << t.kind.toStdString() << " of " << t.widget->metaObject()->className() << " "
            << t.widget->objectName().toStdString() << " still English";
    }
    EXPECT_GT(compared, 100);

    std::map<QWidget*, std::pair<int, int>> overruns;
    for (std::size_t i = 0; i < german.size(); ++i) {
        const Text& t = german[i];
        // The two boxes that the game never shows are left out.
        if (t.widget->isHidden() && qobject_cast<QCheckBox*>(t.widget))
            continue;
        // A few title letters overlap by design; German must not run further than English.
        const int over = Overrun(t.widget);
        if (over > englishOverrun[i])
            overruns[t.widget] = {over, englishOverrun[i]};
    }
    for (const auto& [widget, over] : overruns) {
        const auto [german, english] = over;
        ADD_FAILURE() << widget->metaObject()->className() << " " << widget->objectName().toStdString()
                      << " '"
                      << (qobject_cast<QAbstractButton*>(widget)
                              ? qobject_cast<QAbstractButton*>(widget)->text()
                          : qobject_cast<QLabel*>(widget) ? qobject_cast<QLabel*>(widget)->text()
                                                          : QString())
                             .toStdString()
                      << "' runs " << german << " px past its control (English: " << english << ")";
    }
}

TEST_F(GermanGame, NumbersQtsOwnButtonsAndHelpFollowTheLanguage) {
    ASSERT_EQ(language::Install(*qApp, {"fr_FR", "de_DE.UTF-8", "en"}), "de")
        << "the first language the game speaks";
    BuildWindows();
    EXPECT_EQ(g_windows->Level1->SessionAveFromParLabel->text(), "Schnitt zu Par: 1,030");
    EXPECT_EQ(g_windows->Level1->EdgesLabel->text(), QString("Kanten: %1").arg(game::world.Puzzle.EdgeCount));
    // The graph as a screen reader tells it, in German too.
    TOrbVertex1* vertex = g_windows->Level1->OrbVertex[1];
    EXPECT_EQ(vertex->AccessibleName(), "Knoten 1, ungefärbt");
    EXPECT_TRUE(vertex->AccessibleDescription().startsWith("verbunden mit "))
        << vertex->AccessibleDescription().toStdString();
    vertex->setKnownNeighbours({});
    EXPECT_EQ(vertex->AccessibleDescription(), "noch keine Kante bekannt");
    vertex->setKnownNeighbours({2, 5, 7});
    EXPECT_EQ(vertex->AccessibleDescription(), "verbunden mit 2, 5 und 7 ungefärbt");
    g_windows->Level1->CompVert[2]->setBrushColor(game::clLime);
    EXPECT_EQ(g_windows->Level1->CompVert[2]->AccessibleName(), "Lösungsknoten 2, grün");
    // Qt's own German for the standard buttons of a message box.
    QMessageBox box(QMessageBox::Critical, "", "", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(Plain(box.button(QMessageBox::Cancel)->text()), "Abbrechen");
    // A help page without a German version opens in English.
    const QUrl page = help::TopicUrl(help::kSettingsTopic);
    EXPECT_TRUE(page == QUrl("qrc:/help/de/settings.html") || page == QUrl("qrc:/help/settings.html"));
    EXPECT_EQ(QFile::exists(":/help/de/settings.html"), page == QUrl("qrc:/help/de/settings.html"));

    language::Uninstall(*qApp);
    EXPECT_EQ(language::Install(*qApp, {"en_GB", "de"}), "en") << "English first: the game stays English";
    EXPECT_EQ(language::Install(*qApp, {"C"}), "en");
    EXPECT_EQ(help::TopicUrl(help::kSettingsTopic), QUrl("qrc:/help/settings.html"));
}

}  // namespace
