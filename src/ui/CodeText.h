// SPDX-License-Identifier: GPL-3.0-or-later
// A puzzle's code as the windows, the worksheet and the clipboard carry it: the engine's code
// written as text, text read back as a code, and a code copied for the player.
#pragma once

#include <QString>

#include <string_view>

#include "engine/PuzzleCode.h"

namespace ui {

// "18C66-QR9HV", as the game shows, prints and copies it; empty for a recipe that has no code.
QString CodeText(const game::PuzzleRecipe& recipe);
// A code as a game's record keeps it.
QString CodeText(std::string_view code);

// Reads a code as a player types or pastes it (any case, dashes and spaces anywhere).
game::CodeReading ReadCode(const QString& text);

// Puts a code on the clipboard and gives the words that say so ("Code 18C66-QR9HV copied."),
// for the window to say. Copies nothing and gives nothing for an empty code.
QString CopyCode(const QString& code);

}  // namespace ui
