// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file "SpEcTrUmIx.ini": the player's settings and teaching progress,
// read once at start and written when the main window closes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace game {

inline constexpr const char* kSettingsFileName = "SpEcTrUmIx.ini";
inline constexpr const char* kSettingsSection = "Level 1";

// $XDG_CONFIG_HOME/SpEcTrUmIx.ini when XDG_CONFIG_HOME is an absolute path, else
// ~/.config/SpEcTrUmIx.ini.
std::string SettingsFilePath();

// Fills every GameSettings field from one reading of the file; anything missing or unusable
// gives the default. Never fails.
void LoadSettings();

// Writes all fifteen keys in a single all-or-nothing update that keeps every other line.
// Returns nothing on success, else the error "Unable to write to SpEcTrUmIx.ini" (without
// the full stop), with the file as it was.
std::optional<std::string> SaveSettings();

// The file's integer syntax: leading spaces, then an optional sign and decimal digits, or
// "$" (or "0x") and hexadecimal digits; anything else, or a value beyond the signed 32-bit
// range in either notation ("$FFFFFFFF" included), gives defaultValue.
std::int32_t ReadIntegerText(std::string_view text, std::int32_t defaultValue);

}  // namespace game
