// SPDX-License-Identifier: GPL-3.0-or-later
// ui::PainterWord and ui::FillWord: the words a screen reader says for the game's colours, in one
// table: "Blue" for the painter, "blue" for a vertex it painted, "uncolored" for a black one.
#pragma once

#include <QString>

#include "engine/Palette.h"

namespace ui {

// The painter of colour index 1..4 ("Blue", "Red", "Green", "Purple"); empty for anything else.
QString PainterWord(int colorIndex);

// A vertex's fill as said after its number ("blue", ..., "uncolored" for black); a colour the
// game never paints is said as its #rrggbb name.
QString FillWord(game::TColor fill);

}  // namespace ui
