#include "SettingsFile.h"

#include <array>
#include <cstdlib>
#include <limits>
#include <variant>

#include <pwd.h>
#include <unistd.h>

#include "IniFile.h"
#include "State.h"

namespace game {

namespace {

using IntegerField = std::int32_t GameSettings::*;
using FlagField = bool GameSettings::*;

struct SettingKey {
    const char* key;
    std::variant<IntegerField, FlagField> field;
};

// The order in which a starting game reads its settings.
constexpr std::array<SettingKey, 15> kReadOrder{{
    {"RandomNumberOfVertices", &GameSettings::RandomNumberOfVertices},
    {"NumOfVertices", &GameSettings::NumberOfVertices},
    {"ShowEdges", &GameSettings::ShowEdges},
    {"RandomEdgeProbability", &GameSettings::RandomEdgeProbability},
    {"EdgeNumFactor", &GameSettings::EdgeProbability},
    {"RandomNumberOfColors", &GameSettings::RandomNumberOfColors},
    {"NumOfColors", &GameSettings::NumberOfColors},
    {"ShowToolTips", &GameSettings::ShowToolTips},
    {"TeachingModeOn", &GameSettings::TeachingMode},
    {"TeachingModePrimaryLevel", &GameSettings::TeachingModePrimaryLevel},
    {"TeachingModeSecondaryLevel", &GameSettings::TeachingModeSecondaryLevel},
    {"TeachingModeLastGameGood", &GameSettings::TeachingModeLastGameGood},
    {"TeachingModeConsecutiveGoodGames", &GameSettings::TeachingModeConsecutiveGoodGames},
    {"PlayComputer", &GameSettings::PlayComputer},
    {"TimerActive", &GameSettings::TimerActive},
}};

// The order in which a closing game writes them; an interrupted save leaves the new values
// of a prefix of this list in the file.
constexpr std::array<SettingKey, 15> kWriteOrder{{
    {"NumOfVertices", &GameSettings::NumberOfVertices},
    {"ShowEdges", &GameSettings::ShowEdges},
    {"RandomNumberOfVertices", &GameSettings::RandomNumberOfVertices},
    {"RandomNumberOfColors", &GameSettings::RandomNumberOfColors},
    {"RandomEdgeProbability", &GameSettings::RandomEdgeProbability},
    {"EdgeNumFactor", &GameSettings::EdgeProbability},
    {"NumOfColors", &GameSettings::NumberOfColors},
    {"ShowToolTips", &GameSettings::ShowToolTips},
    {"TeachingModeOn", &GameSettings::TeachingMode},
    {"TeachingModePrimaryLevel", &GameSettings::TeachingModePrimaryLevel},
    {"TeachingModeSecondaryLevel", &GameSettings::TeachingModeSecondaryLevel},
    {"TeachingModeLastGameGood", &GameSettings::TeachingModeLastGameGood},
    {"TeachingModeConsecutiveGoodGames", &GameSettings::TeachingModeConsecutiveGoodGames},
    {"PlayComputer", &GameSettings::PlayComputer},
    {"TimerActive", &GameSettings::TimerActive},
}};

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

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return ".";
}

}  // namespace

std::string SettingsFilePath() {
    // A relative XDG_CONFIG_HOME is invalid by the freedesktop rules and is ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
        return std::string(config) + "/" + kSettingsFileName;
    }
    return HomeDirectory() + "/.config/" + kSettingsFileName;
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

void LoadSettings() {
    const std::string path = SettingsFilePath();
    const GameSettings defaults;
    for (const SettingKey& entry : kReadOrder) {
        // Values are read whole, however long: cutting one short could turn nonsense such
        // as "12345678901" into a number.
        const std::string text = ini::ReadValue(path, kSettingsSection, entry.key).value_or("");
        if (const auto* integer = std::get_if<IntegerField>(&entry.field)) {
            Settings.*(*integer) = ReadIntegerText(text, defaults.*(*integer));
        } else {
            const FlagField flag = std::get<FlagField>(entry.field);
            Settings.*flag = ReadIntegerText(text, defaults.*flag ? 1 : 0) != 0;
        }
    }
    // A hand-edited N or C outside what generation can build falls back to its default.
    KeepSettingsInRange();
}

std::optional<std::string> SaveSettings() {
    const std::string path = SettingsFilePath();
    for (const SettingKey& entry : kWriteOrder) {
        std::string text;
        if (const auto* integer = std::get_if<IntegerField>(&entry.field)) {
            text = std::to_string(Settings.*(*integer));
        } else {
            text = (Settings.*std::get<FlagField>(entry.field)) ? "1" : "0";
        }
        if (!ini::WriteValue(path, kSettingsSection, entry.key, text)) {
            return std::string("Unable to write to ") + kSettingsFileName;
        }
    }
    return std::nullopt;
}

}  // namespace game
