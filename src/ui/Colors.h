// SPDX-License-Identifier: GPL-3.0-or-later
// toQColor and fromQColor: the game's colours where Qt paints them.
// The game keeps colours as 0x00BBGGRR numbers; Qt wants QColor. The two meet only
// where something is painted (or where a platform colour becomes a game default).
#pragma once

#include <QColor>

#include "engine/Palette.h"

inline QColor toQColor(game::TColor color) {
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

inline game::TColor fromQColor(const QColor& color) {
    return static_cast<game::TColor>(color.red()) | (static_cast<game::TColor>(color.green()) << 8) |
           (static_cast<game::TColor>(color.blue()) << 16);
}
