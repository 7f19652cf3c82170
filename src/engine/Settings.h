// SPDX-License-Identifier: GPL-3.0-or-later
// game::GameSettings and kSettings: the player's settings, each declared once in one table row.
//
// A row gives a setting's key in the settings file and its place in the order a closing game
// writes them, its default, its range and the settings-dialog control that edits it. The file
// layer, the settings dialog and the tests all walk this one table: a new setting is a field
// here and a row below. No Qt here: a control is named by its object name.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace game {

inline constexpr int kMaxVertices = 16;
inline constexpr int kMinVertices = 6;
inline constexpr int kMinColors = 2;
inline constexpr int kMaxColors = 4;

struct GameSettings {
    // Each field starts at its row's default (the constructor below walks the table).
    bool RandomNumberOfVertices{};
    std::int32_t NumberOfVertices{};
    bool ShowEdges{};
    bool RandomEdgeProbability{};
    std::int32_t EdgeProbability{};
    bool RandomNumberOfColors{};
    std::int32_t NumberOfColors{};
    bool ShowToolTips{};
    bool TeachingMode{};
    std::int32_t TeachingModePrimaryLevel{};
    std::int32_t TeachingModeSecondaryLevel{};
    bool TeachingModeLastGameGood{};
    std::int32_t TeachingModeConsecutiveGoodGames{};
    bool TimerActive{};
    bool PlayComputer{};
    // How the board shows the colours: each colour's number on its vertices and painters, and a
    // set of colours told apart by every eye. Only the display changes, never a rule.
    bool ColourMarks{};
    bool ColourSafeColours{};
    // Where the board's window was left, when the player moved, enlarged or maximised it: its
    // client area on the desktop (a width of 0: where and as large as the board opens by itself)
    // and whether it was normal (0), maximised (1) or full screen (2).
    std::int32_t WindowLeft{};
    std::int32_t WindowTop{};
    std::int32_t WindowWidth{};
    std::int32_t WindowHeight{};
    std::int32_t WindowState{};

    constexpr GameSettings();
    bool operator==(const GameSettings&) const = default;
};

using FlagField = bool GameSettings::*;
using NumberField = std::int32_t GameSettings::*;

// The field a row keeps: a flag (0 or 1, in the file as in the table) or a number.
struct SettingField {
    constexpr SettingField(FlagField field) : flag(field) {}
    constexpr SettingField(NumberField field) : number(field) {}
    FlagField flag = nullptr;
    NumberField number = nullptr;
};

struct SettingRange {
    std::int32_t min;
    std::int32_t max;
    // Generation sizes its arrays by this range: a value outside it (a hand-edited file) falls
    // back to the default. Other settings keep whatever the file says.
    bool enforced = false;
};

// When the settings dialog copies a setting into its control: at creation and on Cancel; on
// every showing as well; or on Cancel only (the creation leaves that box unchecked, so the
// first OK clears a PlayComputer left on in the file unless a Cancel came first).
enum class ControlLoad : std::uint8_t { CreateAndCancel, EveryShowingToo, CancelOnly };

struct SettingControl {
    const char* name = nullptr;  // the control's object name; nullptr: the dialog does not show it
    // A number's check box that draws it at random for each puzzle instead; the number's field
    // is enabled exactly while that box is unchecked.
    const char* randomBox = nullptr;
    ControlLoad load = ControlLoad::CreateAndCancel;
};

struct SettingRow {
    const char* key;    // in section "Level 1" of the settings file
    int writePosition;  // in the order a closing game writes the keys and missing ones join the file
    SettingField field;
    std::int32_t defaultValue;  // what a missing key or unusable text gives
    SettingRange range;
    SettingControl control;
    // A key that older files never had joins the file only once its value is not the default (or
    // when the file already holds it): a player who never changes it keeps the file byte for byte.
    bool joinsWhenSet = false;

    constexpr bool IsFlag() const { return field.flag != nullptr; }
    constexpr std::int32_t ValueIn(const GameSettings& settings) const {
        return IsFlag() ? (settings.*field.flag ? 1 : 0) : settings.*field.number;
    }
    // A flag is on for any value but 0.
    constexpr void Store(GameSettings& settings, std::int32_t value) const {
        if (IsFlag())
            settings.*field.flag = value != 0;
        else
            settings.*field.number = value;
    }
};

inline constexpr std::int32_t kNoLimit = std::numeric_limits<std::int32_t>::max();
inline constexpr std::int32_t kNoLowerLimit = std::numeric_limits<std::int32_t>::min();

namespace settings_table {
using GS = GameSettings;
using enum ControlLoad;

// In the order the settings dialog loads its controls: a box before the number it draws at
// random, teaching mode after them all, as its rule sets those boxes. A starting game reads
// every key in one reading, so the order matters to nothing else.
// clang-format off
inline constexpr std::array<SettingRow, 22> kSettings{{
//   key, write position, field, default, range,
//   settings-dialog control (its random box, when the dialog loads it), joins the file only when set
    {"ShowEdges", 1, &GS::ShowEdges, 1, {0, 1}, {"ShowEdges"}},
    {"RandomNumberOfColors", 3, &GS::RandomNumberOfColors, 1, {0, 1}, {"RandomNumberOfColors"}},
    {"NumOfColors", 6, &GS::NumberOfColors, 3, {kMinColors, kMaxColors, true},
     {"NumOfColorsSpinEdit", "RandomNumberOfColors", EveryShowingToo}},
    {"RandomNumberOfVertices", 2, &GS::RandomNumberOfVertices, 0, {0, 1}, {"RandomNumberOfVertices"}},
    {"NumOfVertices", 0, &GS::NumberOfVertices, 6, {kMinVertices, kMaxVertices, true},
     {"VertNumSpinEdit", "RandomNumberOfVertices", EveryShowingToo}},
    {"RandomEdgeProbability", 4, &GS::RandomEdgeProbability, 1, {0, 1}, {"RandomEdgeProbability"}},
    {"EdgeNumFactor", 5, &GS::EdgeProbability, 63, {1, 100},
     {"EdgeNumFactorSpinEdit", "RandomEdgeProbability", EveryShowingToo}},
    {"PlayComputer", 13, &GS::PlayComputer, 0, {0, 1}, {"PlayComputer", nullptr, CancelOnly}},
    {"ShowToolTips", 7, &GS::ShowToolTips, 1, {0, 1}, {"ShowToolTips", nullptr, EveryShowingToo}},
    {"TeachingModeOn", 8, &GS::TeachingMode, 1, {0, 1}, {"TeachingMode"}},
    // The teaching progress and the timer are kept in the file; no control edits them.
    {"TeachingModePrimaryLevel", 9, &GS::TeachingModePrimaryLevel, 0, {0, kNoLimit}, {}},
    {"TeachingModeSecondaryLevel", 10, &GS::TeachingModeSecondaryLevel, 0, {0, 1}, {}},
    {"TeachingModeLastGameGood", 11, &GS::TeachingModeLastGameGood, 0, {0, 1}, {}},
    {"TeachingModeConsecutiveGoodGames", 12, &GS::TeachingModeConsecutiveGoodGames, 0, {0, kNoLimit}, {}},
    {"TimerActive", 14, &GS::TimerActive, 0, {0, 1}, {}},
    // The Options menu turns these on and off; the settings dialog does not show them.
    {"ColourMarks", 15, &GS::ColourMarks, 0, {0, 1}, {}, true},
    {"ColourSafeColours", 16, &GS::ColourSafeColours, 0, {0, 1}, {}, true},
    // The board's window, as it was left.
    {"WindowLeft", 17, &GS::WindowLeft, 0, {kNoLowerLimit, kNoLimit}, {}, true},
    {"WindowTop", 18, &GS::WindowTop, 0, {kNoLowerLimit, kNoLimit}, {}, true},
    {"WindowWidth", 19, &GS::WindowWidth, 0, {0, kNoLimit}, {}, true},
    {"WindowHeight", 20, &GS::WindowHeight, 0, {0, kNoLimit}, {}, true},
    {"WindowState", 21, &GS::WindowState, 0, {0, 2}, {}, true},
}};
// clang-format on
}  // namespace settings_table
using settings_table::kSettings;

constexpr GameSettings::GameSettings() {
    for (const SettingRow& row : kSettings) row.Store(*this, row.defaultValue);
}

// The row of a field, found while compiling.
consteval const SettingRow& SettingOf(FlagField field) {
    for (const SettingRow& row : kSettings)
        if (row.field.flag == field)
            return row;
    throw "every field of GameSettings has its row";
}
consteval const SettingRow& SettingOf(NumberField field) {
    for (const SettingRow& row : kSettings)
        if (row.field.number == field)
            return row;
    throw "every field of GameSettings has its row";
}

// The row whose settings-dialog control has that name; nullptr when none has.
constexpr const SettingRow* SettingEditedBy(std::string_view control) {
    for (const SettingRow& row : kSettings)
        if (row.control.name && control == row.control.name)
            return &row;
    return nullptr;
}

// Brings every enforced setting (N and C) back to its default when it lies outside its range,
// so that no hand-edited settings file can push generation past its arrays.
constexpr void KeepSettingsInRange(GameSettings& settings) {
    for (const SettingRow& row : kSettings) {
        const std::int32_t value = row.ValueIn(settings);
        if (row.range.enforced && (value < row.range.min || value > row.range.max))
            row.Store(settings, row.defaultValue);
    }
}

namespace settings_checks {

// Every key has its own place in the write order, and every field its own row.
constexpr bool EachRowHasItsOwnPlaceAndField() {
    std::array<bool, kSettings.size()> taken{};
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        const int at = kSettings[i].writePosition;
        if (at < 0 || at >= static_cast<int>(kSettings.size()) || taken[static_cast<std::size_t>(at)])
            return false;
        taken[static_cast<std::size_t>(at)] = true;
        for (std::size_t j = 0; j < i; ++j) {
            if ((kSettings[i].field.flag && kSettings[i].field.flag == kSettings[j].field.flag) ||
                (kSettings[i].field.number && kSettings[i].field.number == kSettings[j].field.number))
                return false;
        }
    }
    return true;
}
static_assert(EachRowHasItsOwnPlaceAndField());

constexpr bool EveryDefaultLiesInItsRange() {
    for (const SettingRow& row : kSettings)
        if (row.defaultValue < row.range.min || row.defaultValue > row.range.max)
            return false;
    return true;
}
static_assert(EveryDefaultLiesInItsRange());

}  // namespace settings_checks

}  // namespace game
