// SPDX-License-Identifier: GPL-3.0-or-later
// How a colour button's face is drawn, in the classic pixel model its bevels need: the black
// frame, the face, the lamp, the light and shadow bevel (swapped when pressed) and the caption
// lines, sunk by the bevel's width when pressed.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QStringList>

#include "controls/TColButt.h"
#include "engine/Palette.h"

class QPainter;

namespace controls {

struct ButtonFace {
    QSize size;
    int bevel = 1;  // the bevel's width in pixels, zoom included
    game::TColor colour = 0;
    game::TColor light = 0;
    game::TColor shadow = 0;
    bool down = false;
    bool lightOn = false;   // the green lamp while pressed
    bool lightOff = false;  // the red lamp while released
    QStringList lines;
    TAlignStyle align = TAlignStyle::Center;
    QFont font;
    QColor text;
};

// Draws `face` with `painter`, which draws without antialiasing.
void DrawButtonFace(QPainter& painter, const ButtonFace& face);

}  // namespace controls
