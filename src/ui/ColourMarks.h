// SPDX-License-Identifier: GPL-3.0-or-later
// ui::DrawColourMark and friends: a colour's number 1..4 drawn on what wears that colour, for the
// player who turns colour marks on, so that no colour is told by its hue alone.
#pragma once

#include <QColor>
#include <QRect>

#include "engine/Palette.h"

class QPainter;

namespace ui {

// The colour a vertex filled with `paint` shows: the colour-safe set's when `safe`, else the
// paint itself.
QColor ShownColour(game::TColor paint, bool safe);

// The contrast ratio of two colours as accessibility guidelines measure it (1 to 21).
double ContrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever stands out more on `fill` (one of them always reaches 4.5:1).
QColor MarkColourOn(const QColor& fill);

// Colour number `number` in bold, centred in `box` and as large as the box allows, in the mark
// colour of `fill`.
void DrawColourMark(QPainter& painter, const QRect& box, int number, const QColor& fill);

// A board vertex as the game draws it, wherever it is drawn (the board, the review): a square
// filling `square`, its outer `penPixels` the outline in `pen`, the rest the vertex's fill shown
// as `ShownColour` gives it, with the fill's colour mark when `marks`.
void DrawVertexSquare(QPainter& painter, const QRect& square, game::TColor pen, int penPixels, game::TColor fill,
                      bool marks, bool safe);

// The width of the ring round the selected painter: it grows with the control, never under 2.
int SelectionRingWidth(const QSize& control);

}  // namespace ui
