// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SettingsFile.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <vector>

#include "engine/Game.h"
#include "platform/IniFile.h"
#include "platform/PlayerFolders.h"

namespace game {

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string SettingsFilePath() {
    // Without a folder the path is empty: nothing is read, and a save that changed something
    // says it could not write, as it does for any folder the game cannot use.
    const std::string folder = platform::ConfigFolder();
    return folder.empty() ? folder : folder + "/" + kSettingsFileName;
}

// Hexadecimal text names a number just as decimal text does: "$7FFFFFFF" is the largest
// value that fits, and "$FFFFFFFF" (4294967295) does not fit, so it gives the default as
// "4294967295" does, instead of wrapping round to -1. Negative values are written with "-"
// and decimal digits, which is all the game itself ever writes.
std::int32_t ReadIntegerText(std::string_view text, std::int32_t defaultValue) {
    std::string spelled;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        spelled = "$";
        spelled.append(text.substr(2));
        text = spelled;
    }
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);

    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    if (!text.empty() && text.front() == '$') {
        text.remove_prefix(1);
        if (text.empty())
            return defaultValue;
        for (const char c : text) {
            if (!IsHexDigit(c))
                return defaultValue;
            magnitude = magnitude * 16 + HexValue(c);
            if (magnitude > kLargest)
                return defaultValue;
        }
        return static_cast<std::int32_t>(magnitude);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return defaultValue;
    const std::int64_t limit = negative ? kLargest + 1 : kLargest;
    for (const char c : text) {
        if (!IsDecimalDigit(c))
            return defaultValue;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return defaultValue;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

void LoadSettings(Game& game) {
    std::array<std::string_view, kSettings.size()> names;
    for (std::size_t i = 0; i < kSettings.size(); ++i) names[i] = kSettings[i].key;
    // One reading for all keys, so that every value comes from the same version of the file.
    // Values are read whole, however long: cutting one short could turn nonsense such as
    // "12345678901" into a number.
    const std::vector<std::optional<std::string>> texts =
        ini::ReadValues(SettingsFilePath(), kSettingsSection, names);
    GameSettings& settings = game.Settings;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        // A flag reads as a number whose default is 0 or 1, and is on for anything but 0.
        const SettingRow& row = kSettings[i];
        row.Store(settings, ReadIntegerText(texts[i].value_or(""), row.defaultValue));
    }
    // A hand-edited N or C outside what generation can build falls back to its default.
    KeepSettingsInRange(settings);
    game.SettingsInFile = settings;
}

SaveOutcome SaveSettings(Game& game) {
    const GameSettings& settings = game.Settings;
    const std::optional<GameSettings>& inFile = game.SettingsInFile;
    std::array<std::string, kSettings.size()> texts;
    std::array<ini::Update, kSettings.size()> updates;
    bool runChangedAny = false;
    std::size_t count = 0;
    for (const SettingRow& row : kSettings) {
        const auto at = static_cast<std::size_t>(row.writePosition);
        const std::int32_t value = row.ValueIn(settings);
        texts[at] = std::to_string(value);  // a flag as "0" or "1"
        const bool changed = !inFile || row.ValueIn(*inFile) != value;
        // A key this run left alone keeps what the file holds now: another game closed
        // meanwhile, or the player's own edit. It is only added when missing.
        updates[at] = {row.key, texts[at], !changed};
        // A newer key at its default stays out of a file that lacks it: the file of a player who
        // never set it stays as it was. Set back to its default, it is updated where it stands.
        if (row.joinsWhenSet && value == row.defaultValue)
            updates[at] = changed ? ini::Update{row.key, texts[at], false, true} : ini::Update{};
        count += updates[at].key.empty() ? 0 : 1;
        runChangedAny = runChangedAny || changed;
    }
    // The keys left out move behind the rest, which keep their order of writing.
    std::stable_partition(updates.begin(), updates.end(), [](const ini::Update& u) { return !u.key.empty(); });
    // All the keys in one replace of the file: the file holds either the whole set of this
    // run or the whole set it held before, never a mix of two runs. A run that changed
    // nothing loses nothing when the file cannot be written (one the game does not read, in
    // an encoding it cannot tell or too large, or a read-only one): the keys it would only
    // have added where missing read as the defaults they hold.
    if (!ini::WriteValues(SettingsFilePath(), kSettingsSection, std::span(updates.data(), count)))
        return runChangedAny ? SaveOutcome::CannotWrite : SaveOutcome::Saved;
    game.SettingsInFile = settings;
    return SaveOutcome::Saved;
}

}  // namespace game
