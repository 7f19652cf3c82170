// SPDX-License-Identifier: GPL-3.0-or-later
// ColorVertex and the painter clicks: the player's moves.
#pragma once

#include "engine/Views.h"

namespace game {

void NavyPainterClick();
void MaroonPainterClick();
void GreenPainterClick();
void PurplePainterClick();
// Selects the paint colour of colour index 1..4 (the four handlers above).
void PainterClick(int colorIndex);

// A click on board vertex k (1..16): colours it unless no game is in play.
void VertexClick(int k);

// The one move of the game: paints v, clears clashing neighbours and reveals their edges,
// counts the click, tells the board what it did (one ShowMove) and ends the game when every
// vertex is coloured. Returns what it told (vertex 0: no vertex of the board, nothing done).
MoveReport ColorVertex(int v);

// Marks the board edge a-b as drawn and has the board draw it now.
void RevealEdge(int a, int b);

void EnablePainters(bool on);

}  // namespace game
