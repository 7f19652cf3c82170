// SPDX-License-Identifier: GPL-3.0-or-later
// LoadSettings and SaveSettings: the settings file "SpEcTrUmIx.ini", the player's settings and
// teaching progress, read once at start and written when the main window closes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace game {

class Game;

inline constexpr const char* kSettingsFileName = "SpEcTrUmIx.ini";
inline constexpr const char* kSettingsSection = "Level 1";

// SpEcTrUmIx.ini in the player's settings folder (platform::ConfigFolder): the one of
// XDG_CONFIG_HOME when that is an absolute path, else ~/.config; empty when no folder is found.
std::string SettingsFilePath();

// Fills every GameSettings field from one reading of the file; anything missing or unusable
// gives the default. Never fails. Remembers the values read, so that a save can tell what
// this run changed.
void LoadSettings(Game& game);

enum class SaveOutcome {
    Saved,        // the file holds this run's settings, or this run changed none of them
    CannotWrite,  // this run's changes could not be saved: the file (kSettingsFileName) stays
                  // as it was, errno says why; the board tells the player
};

// Writes the keys whose values this run changed (all of them when nothing was loaded), and
// those missing from the file (a key that joins only when set: once it is not at its default), in a single all-or-nothing update of the file as it is at this
// moment, keeping every other line: keys changed meanwhile by another game or by hand stay.
// Adding missing keys is done where the file allows it; it alone never makes a save fail.
SaveOutcome SaveSettings(Game& game);

// The file's integer syntax: leading spaces, then an optional sign and decimal digits, or
// "$" (or "0x") and hexadecimal digits; anything else, or a value beyond the signed 32-bit
// range in either notation ("$FFFFFFFF" included), gives defaultValue.
std::int32_t ReadIntegerText(std::string_view text, std::int32_t defaultValue);

}  // namespace game
