// SPDX-License-Identifier: GPL-3.0-or-later
// The game in every language it carries a translation for: with the translation loaded no text
// a player can see is left in English, and every text fits the control the game made for it, in
// the game's own fonts. A failure names the language, so its translator knows what to shorten.
#include "engine/Game.h"
#include "engine/GameEnd.h"
#include "engine/Puzzle.h"
#include "engine/Random.h"
#include "engine/State.h"
#include "engine/Views.h"
#include "support/GameTest.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QXmlStreamReader>
#include <map>
#include <set>
#include <vector>

#include "app/Windows.h"
#include "board/Main.h"
#include "board/SpokenWords.h"
#include "controls/Vertex1.h"
#include "dialogs/MasteryMap.h"
#include "dialogs/PrintPuzzles.h"
#include "dialogs/PuzzleCodeBox.h"
#include "dialogs/TabbedScores.h"
#include "services/HelpViewer.h"
#include "services/Language.h"

namespace {

// The windows walked, and the game they serve (which outlives them).
std::unique_ptr<game::Game> g_game;
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
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            texts.push_back({w, "prompt", combo->currentText()});
            texts.push_back({w, "greyed prompt", combo->placeholderText()});
        }
        // The greyed words a field shows while it is empty, whether or not it is empty now.
        if (auto* field = qobject_cast<QLineEdit*>(w))
            texts.push_back({w, "greyed text", field->placeholderText()});
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) texts.push_back({w, "tab", tabs->tabText(i)});
        }
        // The menu bar's untitled overflow menu holds whichever menus do not fit: it changes with
        // the words, and its items are the menus' own titles.
        if (auto* menu = qobject_cast<QMenu*>(w); menu && !menu->title().isEmpty()) {
            texts.push_back({w, "menu", menu->title()});
            for (QAction* action : menu->actions()) texts.push_back({w, "menu item", action->text()});
        }
    }
    return texts;
}

// Builds every window, starts a puzzle so that the board shows its labels, and opens each
// rating dialog once so that its message is written.
void BuildWindows() {
    g_game = std::make_unique<game::Game>();
    game::Game& game = *g_game;
    game.PinClock(gametest::kNoon);
    g_windows = std::make_unique<app::TWindows>(game);
    g_windows->PrepareHiddenWindows();
    // The windows made only when first opened are made here, so that their words are walked too.
    // Laid out as they would open, so that each control has the size its words give it.
    QWidget* const madeWhenOpened[] = {g_windows->PrintPuzzlesDlg(), g_windows->PuzzleCodeBox()};
    for (QWidget* window : madeWhenOpened) {
        if (window->layout())
            window->layout()->activate();
    }
    game.Settings.TeachingMode = false;
    // On screen, so that the board's area has its designed size.
    g_windows->Level1->ShowCentered();
    QCoreApplication::processEvents();
    game.NewPuzzle();
    game.Board().ShowAverageFromPar(game::ReduceAverage(41, 40));
    g_windows->OpenDialog(game::Dialog::Perfect, game::PerfectDialogText(false, 0));
    g_windows->OpenDialog(game::Dialog::Excellent, game::ExcellentDialogText(false, 0));
    g_windows->OpenDialog(game::Dialog::NotBad, {game::RatingMessage::NotBad, 0, false});
}

// How far the words the Progress page draws itself run past their boxes, with a level's trend
// shown (its heading is the longest).
TMasteryMap::Overrun DrawnWordsOverrun() {
    auto* map = g_windows->PerformancePages->findChild<TMasteryMap*>();
    if (!map)
        return {};
    map->ShowTrend(66, {3, -1, 12});
    return map->WordsOverrun();
}

void TearDownWindows() {
    g_windows.reset();
    g_game.reset();
}

QString Plain(QString text) {
    return text.remove(QLatin1Char('&'));
}

// The room a field gives its text: inside its frame and margins, as the field lays it out.
int FieldRoom(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    const QRect contents = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;  // the field's own 2 px a side
}

// How far a text runs past its control, in pixels (0: it fits), by the rule of the control.
int Overrun(QWidget* w) {
    const QFontMetrics metrics(w->font());
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        const int longest =
            std::max(metrics.horizontalAdvance(field->text()), metrics.horizontalAdvance(field->placeholderText()));
        return std::max(0, longest - FieldRoom(*field));
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty())
            return 0;
        if (label->wordWrap())
            return std::max(0, label->heightForWidth(label->width()) - label->height());
        // A label that names a field's key shows its text without the '&'.
        const int needed = metrics.horizontalAdvance(label->buddy() ? Plain(label->text()) : label->text());
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
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int longest = std::max(metrics.horizontalAdvance(combo->currentText()),
                                     metrics.horizontalAdvance(combo->placeholderText()));
        return std::max(0, longest + 20 - combo->width());
    }
    return 0;
}

// Names and marks that are the same in every language, and puzzle codes (capitals and digits).
bool SameInEveryLanguage(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]"));
    static const QRegularExpression code(QStringLiteral("^[0-9A-Z]{5}-[0-9A-Z]{5}$"));
    static const QStringList kept{"OK", "Par: ", "SpEcTrUmIx", "Version 1.0", "Sp", "Ec", "Tr", "Um", "Ix"};
    return !text.contains(letters) || kept.contains(text) || code.match(text).hasMatch();
}

// Every language the game carries, as its translation file names it ("de", "pt_BR").
std::vector<std::string> TranslatedLanguages() {
    std::vector<std::string> codes;
    const QStringList files =
        QDir(":/i18n").entryList({"spectrumix_*.qm"}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes.push_back(file.mid(int(sizeof("spectrumix_") - 1)).chopped(3).toStdString());
    return codes;
}

// The texts a translator kept as they are in English on purpose ("Options" in French), read from
// the language's Linguist source: a pattern each, the numbers filled in left open.
std::vector<QRegularExpression> KeptAsInEnglish(const std::string& code) {
    QFile file(QStringLiteral(SPECTRUMIX_I18N_DIR "/spectrumix_%1.ts").arg(QString::fromStdString(code)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<QRegularExpression> kept;
    QXmlStreamReader ts(&file);
    QString source;
    while (!ts.atEnd()) {
        if (!ts.readNextStartElement())
            continue;
        if (ts.name() == QLatin1String("source")) {
            source = Plain(ts.readElementText());
        } else if (ts.name() == QLatin1String("translation") &&
                   Plain(ts.readElementText(QXmlStreamReader::SkipChildElements)) == source) {
            QString pattern = QRegularExpression::escape(source);
            pattern.replace(QRegularExpression(QStringLiteral("%(?:L?\\d+|n)")), QStringLiteral(".*"));
            kept.emplace_back(QRegularExpression::anchoredPattern(pattern));
        }
    }
    return kept;
}

class GameInEveryLanguage : public ::testing::TestWithParam<std::string> {
  protected:
    void TearDown() override {
        language::Uninstall(*qApp);
        TearDownWindows();
    }
};

INSTANTIATE_TEST_SUITE_P(Translations, GameInEveryLanguage, ::testing::ValuesIn(TranslatedLanguages()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST_P(GameInEveryLanguage, NoTextIsLeftInEnglishAndEveryTextFitsItsControl) {
    const std::string code = GetParam();
    language::Uninstall(*qApp);
    BuildWindows();
    std::vector<Text> english = VisibleTexts();
    const int englishDrawn = DrawnWordsOverrun().pixels;
    std::vector<int> englishOverrun;
    for (const Text& t : english) englishOverrun.push_back(Overrun(t.widget));
    std::vector<QString> englishTexts;
    for (const Text& t : english) englishTexts.push_back(t.text);
    EXPECT_EQ(g_windows->Level1->NewGame->text(), "New Puzzle");
    TearDownWindows();

    ASSERT_EQ(language::Install(*qApp, {QString::fromStdString(code)}).toStdString(), code);
    BuildWindows();
    const std::vector<Text> translated = VisibleTexts();
    ASSERT_EQ(translated.size(), englishTexts.size()) << code;
    const std::vector<QRegularExpression> kept = KeptAsInEnglish(code);
    const auto keptOnPurpose = [&kept](const QString& text) {
        return std::any_of(kept.begin(), kept.end(),
                           [&text](const QRegularExpression& k) { return k.match(Plain(text)).hasMatch(); });
    };
    int compared = 0;
    for (std::size_t i = 0; i < translated.size(); ++i) {
        const Text& t = translated[i];
        if (t.text.isEmpty() || SameInEveryLanguage(t.text))
            continue;
        ++compared;
        if (t.text == englishTexts[i] && !keptOnPurpose(t.text))
            ADD_FAILURE() << code << ": " << t.kind.toStdString() << " of " << t.widget->metaObject()->className()
                          << " " << t.widget->objectName().toStdString() << " '" << t.text.toStdString()
                          << "' still English";
    }
    EXPECT_GT(compared, 100) << code;
    const TMasteryMap::Overrun drawn = DrawnWordsOverrun();
    EXPECT_LE(drawn.pixels, englishDrawn) << code << ": the Progress page draws '" << drawn.text.toStdString()
                                          << "' " << drawn.pixels << " px past its box";

    std::map<QWidget*, std::pair<int, int>> overruns;
    for (std::size_t i = 0; i < translated.size(); ++i) {
        const Text& t = translated[i];
        // The two boxes that the game never shows are left out.
        if (t.widget->isHidden() && qobject_cast<QCheckBox*>(t.widget))
            continue;
        // A few title letters overlap by design; a translation must not run further than English.
        const int over = Overrun(t.widget);
        if (over > englishOverrun[i])
            overruns[t.widget] = {over, englishOverrun[i]};
    }
    for (const auto& [widget, over] : overruns) {
        const auto [inLanguage, inEnglish] = over;
        ADD_FAILURE() << code << ": " << widget->metaObject()->className() << " "
                      << widget->objectName().toStdString() << " '"
                      << (qobject_cast<QAbstractButton*>(widget)
                              ? qobject_cast<QAbstractButton*>(widget)->text()
                          : qobject_cast<QLabel*>(widget)    ? qobject_cast<QLabel*>(widget)->text()
                          : qobject_cast<QLineEdit*>(widget) ? qobject_cast<QLineEdit*>(widget)->text() + " / greyed: " +
                                                                   qobject_cast<QLineEdit*>(widget)->placeholderText()
                                                             : QString())
                             .toStdString()
                      << "' runs " << inLanguage << " px past its control (English: " << inEnglish << ")";
    }
}

class GermanGame : public ::testing::Test {
  protected:
    void TearDown() override {
        language::Uninstall(*qApp);
        TearDownWindows();
    }
};

TEST_F(GermanGame, NumbersQtsOwnButtonsAndHelpFollowTheLanguage) {
    ASSERT_EQ(language::Install(*qApp, {"sv_SE", "de_DE.UTF-8", "en"}), "de")
        << "the first language the game speaks";
    BuildWindows();
    EXPECT_EQ(g_windows->Level1->SessionAveFromParLabel->text(), "Schnitt zu Par: 1,030");
    EXPECT_EQ(g_windows->Level1->EdgesLabel->text(), QString("Kanten: %1").arg(g_game->Puzzle.EdgeCount));
    // The graph as a screen reader tells it, in German too.
    TOrbVertex1* vertex = g_windows->Level1->OrbVertex[1];
    EXPECT_TRUE(vertex->NeighbourWords().startsWith("Nachbarn: ")) << vertex->NeighbourWords().toStdString();
    vertex->setKnownNeighbours({});
    EXPECT_EQ(vertex->NeighbourWords(), "noch keine Kante bekannt");
    vertex->setKnownNeighbours({2, 5, 7});
    EXPECT_EQ(vertex->NeighbourWords(), "Nachbarn: 2, 5 und 7 ungefärbt");
    EXPECT_EQ(vertex->AccessibleName(), "1, ungefärbt, Nachbarn: 2, 5 und 7 ungefärbt");
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

// A count is said in the form its language gives that number: Polish has three forms (1, 3, 5
// vertices left), French says 0 as it says 1.
TEST_F(GermanGame, SpokenCountsTakeTheFormsOfTheLanguage) {
    game::Game game;
    game::PuzzleState& puzzle = game.Puzzle;
    puzzle.Serial = 1;
    puzzle.GameOver = false;
    puzzle.VertexCount = 8;
    puzzle.EdgesShown = false;
    static const QRegularExpression number(QStringLiteral("\\d+"));
    const auto form = [](QString words) { return words.replace(number, QStringLiteral("#")); };

    ASSERT_EQ(language::Install(*qApp, {"pl"}).toStdString(), "pl");
    std::set<QString> left;
    for (const int colored : {7, 5, 3}) {
        puzzle.ColoredCount = colored;
        left.insert(form(board::StatusWords(game)));
    }
    EXPECT_EQ(left.size(), 3U) << "1, 3 and 5 vertices left, each in its own form: "
                               << QStringList(left.begin(), left.end()).join(" | ").toStdString();

    ASSERT_EQ(language::Install(*qApp, {"fr"}).toStdString(), "fr");
    std::vector<QString> edges;
    for (const int count : {0, 1, 2}) {
        puzzle.EdgeCount = count;
        edges.push_back(form(board::PuzzleSizeWords(game)));
    }
    EXPECT_EQ(edges[0], edges[1]) << "0 edges in the singular: " << edges[0].toStdString();
    EXPECT_NE(edges[1], edges[2]) << edges[2].toStdString();
    EXPECT_TRUE(edges[0].contains(QString::fromUtf8("# arête cachée"))) << edges[0].toStdString();
}

// LANGUAGE='*' or a mistyped name is no language: the next choice is taken, else English.
TEST_F(GermanGame, ANameThatIsNoLanguageIsPassedOver) {
    EXPECT_EQ(language::Install(*qApp, {"*", "p?", "de"}), "de");
    EXPECT_EQ(language::Install(*qApp, {"*"}), "en");
    EXPECT_EQ(language::Install(*qApp, {"*_BR", "[a-z]"}), "en");
}

// A name with a region finds its language's translation and writes numbers as that region does;
// a Portuguese reader of any region gets the Brazilian translation, its help and Qt's own words.
TEST_F(GermanGame, ARegionalNameFindsItsLanguage) {
    EXPECT_EQ(language::Install(*qApp, {"de-AT"}), "de");
    EXPECT_EQ(QLocale().name(), "de_AT");
    EXPECT_EQ(language::Install(*qApp, {"ja_JP.UTF-8", "sv", "en_US"}), "en") << "no translation: English";
    if (!QFile::exists(":/i18n/spectrumix_pt_BR.qm"))
        GTEST_SKIP() << "the game carries no Portuguese yet";
    for (const QString name : {"pt_BR.UTF-8", "pt-BR", "pt", "pt_PT"}) {
        EXPECT_EQ(language::Install(*qApp, {name, "de"}), "pt_BR") << name.toStdString();
        EXPECT_EQ(help::TopicUrl(help::kContents), QUrl("qrc:/help/pt_BR/contents.html")) << name.toStdString();
    }
    EXPECT_EQ(QLocale().name(), "pt_PT") << "numbers as the player's region writes them";
    QMessageBox box(QMessageBox::Critical, "", "", QMessageBox::Cancel);
    EXPECT_NE(Plain(box.button(QMessageBox::Cancel)->text()), "Cancel");
}

}  // namespace
