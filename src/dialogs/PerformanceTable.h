// SPDX-License-Identifier: GPL-3.0-or-later
// The control tables of "Personal and Group Performance" (TPerformancePages): its frame and pages.
#pragma once

#include <QRect>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <vector>

#include "ui/Form.h"

class QComboBox;
class QString;
class QWidget;
namespace game {
struct Tally;
}

namespace performance {

// What a row of the window's tables is, beyond its kind.
enum Tag : int {
    kTabs = 1 << 0,      // the tabbed pages
    kPage = 1 << 1,      // one page, with its tab's caption
    kHelp = 1 << 2,      // carries the window's help topic
    kGroup = 1 << 3,     // a box with a bold black caption
    kSilver = 1 << 4,    // a box on a silver ground
    kLevelBox = 1 << 5,  // a level combo box, "1" to "66"
    kRankBox = 1 << 6,   // a rank combo box, "1" to "20"
    kMap = 1 << 7,       // the map of mastery
};

using ui::Kind;

// Where a page stands inside the tabbed pages (they place it themselves once they are shown).
inline constexpr QRect kPagePlace(2, 23, 625, 292);

// The frame, made with the window: the pages stand in Panel1, the buttons in Panel2.
// clang-format off
inline constexpr ui::ControlRow kFrameTable[] = {
    {"Panel1", Kind::Panel, {0, 0, 639, 327}},
    {"PageControl1", Kind::Custom, {5, 5, 629, 317}, nullptr, nullptr, true, "Panel1", kTabs | kHelp},
    {"Overall", Kind::Panel, kPagePlace, QT_TRANSLATE_NOOP("TPerformancePages", "Overall"), nullptr, true, "PageControl1", kPage},
    {"ByLevel", Kind::Panel, kPagePlace, QT_TRANSLATE_NOOP("TPerformancePages", "By Level"), nullptr, true, "PageControl1", kPage | kHelp},
    {"TimedGames", Kind::Panel, kPagePlace, QT_TRANSLATE_NOOP("TPerformancePages", "Timed Games"), nullptr, true, "PageControl1", kPage},
    {"Progress", Kind::Panel, kPagePlace, QT_TRANSLATE_NOOP("TPerformancePages", "Progress"), nullptr, true, "PageControl1", kPage | kHelp},
    {"Panel2", Kind::Panel, {0, 327, 639, 34}, nullptr, nullptr, true, nullptr, kHelp},
    {"PersonalAndGroupPerformanceOKButton", Kind::PushButton, {267, 2, 75, 25}, QT_TRANSLATE_NOOP("TPerformancePages", "OK"), nullptr, true, "Panel2"},
    {"HelpBtn", Kind::PushButton, {347, 2, 75, 25}, QT_TRANSLATE_NOOP("TPerformancePages", "&Help"), nullptr, true, "Panel2"},
    // One line about a history that cannot be read or written; the game goes on all the same.
    {"HistoryNote", Kind::Label, {8, 8, 255, 18}, nullptr, nullptr, false, "Panel2"},
};

// The "Overall" page: this session's figures, the player's history and others', side by side,
// each box a column of label rows over a button.
struct OverallBoxRow {
    const char* name;
    const char* caption;
    QRect place;
    int tag;
    std::array<const char*, 5> labels;  // a missing name ends the rows
    const char* rank;
    const char* button;
    const char* buttonCaption;
    QRect buttonPlace;
};
inline constexpr const char* kOverallCaptions[] = {
    QT_TRANSLATE_NOOP("TPerformancePages", "Total Number of Games: "), QT_TRANSLATE_NOOP("TPerformancePages", "Par or Better Scores: "),
    QT_TRANSLATE_NOOP("TPerformancePages", "Highest Level Played: "), QT_TRANSLATE_NOOP("TPerformancePages", "Average From Par: "),
    QT_TRANSLATE_NOOP("TPerformancePages", "Overall Ranking:")};

// clang-format off
inline constexpr OverallBoxRow kOverallBoxes[] = {
    {"GroupBox9", QT_TRANSLATE_NOOP("TPerformancePages", "Your Performance This Session"), {8, 0, 185, 153}, kGroup | kSilver, {"Label15", "Label16", "Label17", "Label18"}, nullptr, "Button5", QT_TRANSLATE_NOOP("TPerformancePages", "Write to History"), {10, 120, 124, 22}},
    {"GroupBox3", QT_TRANSLATE_NOOP("TPerformancePages", "Your Overall Performance"), {208, 0, 185, 153}, kGroup | kSilver, {"OverallPlayerNumberOfGames", "OverallPlayerParOrBetterScores", "OverallPlayerHighestLevelPlayed", "OverallPlayerAverageFromPar", "OverallPlayerOverallRaning"}, nullptr, "OverallPlayerGetRankButton", QT_TRANSLATE_NOOP("TPerformancePages", "Get Rank From Internet"), {10, 120, 124, 22}},
    {"GroupBox1", QT_TRANSLATE_NOOP("TPerformancePages", "Others' Performance"), {408, 0, 201, 153}, kGroup, {"OverallOthersTotalNumberOfGames", "OverallOthersParOrBetterScores", "OverallOthersHighestLevelPlayed", "OverallOthersAverageFromPar"}, "OverallOthersChooseRank", "OverallOthersGetDataButton", QT_TRANSLATE_NOOP("TPerformancePages", "Get Data From Internet"), {7, 119, 138, 22}},
};
// clang-format on

// The "By Level" and "Timed Games" pages each hold three boxes side by side: this session's,
// the player's history and others'. Every box has a level box at its top, label rows below it
// and its buttons at the foot; the rows' captions follow from the page, the buttons' from the
// column.
enum Column { kSession, kPlayer, kOthers };
inline constexpr QRect kColumnPlace[] = {{9, 3, 194, 238}, {209, 3, 194, 238}, {409, 2, 206, 239}};
inline constexpr int kRowTop[] = {56, 72, 88, 104, 120, 136, 152};

using Captions = const char* const[7];
inline constexpr Captions kByLevelCaptions = {
    QT_TRANSLATE_NOOP("TPerformancePages", "Number of Vertices: "),
    QT_TRANSLATE_NOOP("TPerformancePages", "Number of Colors: "),
    QT_TRANSLATE_NOOP("TPerformancePages", "Mode:"),
    QT_TRANSLATE_NOOP("TPerformancePages", "Number of Games Played: "),
    QT_TRANSLATE_NOOP("TPerformancePages", "Par or Better Scores: "),
    QT_TRANSLATE_NOOP("TPerformancePages", "Average From Par: "),
    QT_TRANSLATE_NOOP("TPerformancePages", "Ranking:")};
// Others' best time has no space before its colon, the player's two have one.
inline constexpr Captions kTimedCaptions = {kByLevelCaptions[0],
                                            kByLevelCaptions[1],
                                            kByLevelCaptions[2],
                                            kByLevelCaptions[3],
                                            QT_TRANSLATE_NOOP("TPerformancePages", "Best Time : "),
                                            QT_TRANSLATE_NOOP("TPerformancePages", "Average Time: "),
                                            kByLevelCaptions[6]};
inline constexpr Captions kTimedOthersCaptions = {kByLevelCaptions[0],
                                                  kByLevelCaptions[1],
                                                  kByLevelCaptions[2],
                                                  kByLevelCaptions[3],
                                                  QT_TRANSLATE_NOOP("TPerformancePages", "Best Time: "),
                                                  kTimedCaptions[5],
                                                  nullptr};

struct ButtonRow {
    const char* caption;
    QRect place;
};
// The buttons at each column's foot: two stacked ones, or one below the rank box.
inline constexpr ButtonRow kColumnButtons[][2] = {
    {{QT_TRANSLATE_NOOP("TPerformancePages", "Write to History"), {8, 179, 137, 23}},
     {QT_TRANSLATE_NOOP("TPerformancePages", "Delete Data For This Level"), {8, 203, 137, 23}}},
    {{QT_TRANSLATE_NOOP("TPerformancePages", "Get Rank From Internet"), {8, 179, 137, 23}},
     {QT_TRANSLATE_NOOP("TPerformancePages", "Delete Data For This Level"), {8, 203, 137, 23}}},
    {{QT_TRANSLATE_NOOP("TPerformancePages", "Get Data From Internet"), {7, 182, 126, 22}}, {}},
};

struct LevelBoxRow {
    const char* page;
    Column column;
    const char* name;
    const char* caption;
    const Captions* captions;
    const char* level;
    std::array<const char*, 7> labels;  // a missing name ends the rows
    std::array<const char*, 3> more;    // the buttons' names, then others' rank box
};

// One line a box, page by page, left to right.
// clang-format off
inline constexpr LevelBoxRow kLevelBoxes[] = {
    {"ByLevel", kSession, "GroupBox8", QT_TRANSLATE_NOOP("TPerformancePages", "Your Current Session"), &kByLevelCaptions, "ComboBox2", {"Label8", "Label9", "Label10", "Label11", "Label12", "Label13"}, {"Button3", "Button4"}},
    {"ByLevel", kPlayer, "GroupBox2", QT_TRANSLATE_NOOP("TPerformancePages", "Your Performance by Level"), &kByLevelCaptions, "ByLevelPlayerchooseLevel", {"ByLevelPlayerNumberOfVertices", "ByLevelPlayerNumberofColors", "ByLevelPlayerMode", "ByLevelPlayerNumOfGamesPlayed", "ByLevelPlayerParOrBetterScores", "ByLevelPlayerAverageFromPar", "ByLevelPlayerRanking"}, {"ByLevelPlayerRankButton", "ByLevelPlayerDeleteDataButton"}},
    {"ByLevel", kOthers, "GroupBox4", QT_TRANSLATE_NOOP("TPerformancePages", "Others' Performance By Level"), &kByLevelCaptions, "ByLevelOthersChooseLevel", {"ByLevelOthersNumberOfVertices", "ByLevelOthersNumberOfColors", "ByLevelOthersMode", "ByLevelOthersNumberOfGamesPlayed", "ByLevelOthersParOrBetterScores", "ByLevelOthersAverageFromPar"}, {"ByLevelOthersGetDataButton", nullptr, "ByLevelOthersChooseRank"}},
    {"TimedGames", kSession, "GroupBox7", QT_TRANSLATE_NOOP("TPerformancePages", "Your Current Session"), &kTimedCaptions, "ComboBox1", {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}, {"Button1", "Button2"}},
    {"TimedGames", kPlayer, "GroupBox5", QT_TRANSLATE_NOOP("TPerformancePages", "Your History By Level"), &kTimedCaptions, "TimedPlayerChooseLevel", {"TimedPlayerNumberOfVertices", "TimedPlayerNumberOfColors", "TimedPlayerMode", "TimedPlayerNumberOfGamesPlayed", "TimedPlayerBestTime", "TimedPlayerAverageTime", "TimedPlayerRanking"}, {"TimedPlayerGetRankButton", "TimedPlayerDeleteDataButton"}},
    {"TimedGames", kOthers, "GroupBox6", QT_TRANSLATE_NOOP("TPerformancePages", "Others' Performance By Level"), &kTimedOthersCaptions, "TimedOthersChooseLevel", {"TimedOthersNumberOfVertices", "TimedOthersNumberOfColors", "TimedOthersMode", "TimedOthersNumberOfGamesPlayed", "TimedOthersBestTime", "TimedOthersAverageTime"}, {"TimedOthersGetDataButton", nullptr, "TimedOthersChooseRank"}},
};

// The picture of the player's progress over every level.
inline constexpr ui::ControlRow kProgressRow = {"MasteryMap", Kind::Custom, {0, 0, 625, 292}, nullptr, nullptr, true, "Progress", kMap};
// clang-format on

// Controls that need other players or a network stay inert, as the game never goes online, and
// so do the buttons for what the game already does by itself.
inline constexpr const char* kOffline[] = {"GroupBox1",
                                           "GroupBox4",
                                           "GroupBox6",
                                           "OverallPlayerGetRankButton",
                                           "ByLevelPlayerRankButton",
                                           "TimedPlayerGetRankButton"};
inline constexpr const char* kWrittenAlready[] = {"Button5", "Button3", "Button1"};
inline constexpr const char* kOfflineHint = QT_TRANSLATE_NOOP(
    "TPerformancePages", "The game plays offline: there are no other players' figures or rankings to fetch.");
inline constexpr const char* kWrittenHint =
    QT_TRANSLATE_NOOP("TPerformancePages", "Every game is written to the history as it ends.");

// --- The pages made from the table (PerformanceTable.cpp) ---
// Group captions are bold and black; what the group holds keeps the window's regular font.
void StyleGroup(QWidget* box, bool silver);
// A control that does nothing in an offline game, with a tip saying why.
void Inert(QWidget* control, const QString& why);
// The average from par and a time ("1:07.4"; nothing for no time) as the labels write them.
QString AverageText(const game::Tally& tally);
QString TimeText(std::int64_t ms);
// The rows of one box of the "Overall" page: the box, its label rows, others' rank box, its button.
void AddOverallBox(std::vector<ui::ControlRow>& rows, const OverallBoxRow& box);
// The rows of one box of a level page, in the order they were always made: the box, its level
// box, its label rows, others' rank box, its buttons.
void AddLevelBox(std::vector<ui::ControlRow>& rows, const LevelBoxRow& box);
// A level or rank choice box showing its prompt until a choice is made.
QComboBox* MakeChoiceBox(QWidget* box, int count, const QString& name, const QString& prompt, QRect place);

}  // namespace performance
