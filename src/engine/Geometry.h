// SPDX-License-Identifier: GPL-3.0-or-later
// game::VertexRect, PlaceControls, PlacePainters: where the board's controls stand.
// Where the board's controls stand for a puzzle of n vertices and c colours. Plain
// arithmetic in 80-bit precision, shared by the engine and the board window.
#pragma once

namespace game {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

int BoardRadiusFor(int n);
int VertexSizeFor(int n);
int VertexPenWidthFor(int n);
// The turn round the circle, in radians from three o'clock clockwise, at which vertex k (1..n)
// of n stands: on the board and on a printed sheet alike.
long double VertexAngle(int n, int k);
// Left/top/size of vertex k (1..n) on the circle round (centerX, centerY).
Rect VertexRect(int n, int k, int centerX = 160, int centerY = 200);

struct ControlPlaces {
    Rect NewGame, DrawGraph, ParLabel, Par, PlayerScoreLabel, PlayerScore, EdgesLabel, SessionAveFromParLabel;
};
// Places of the two buttons and the score labels, given each control's own size.
ControlPlaces PlaceControls(int n, const ControlPlaces& sizes, int centerX = 160, int centerY = 200);
// The sizes the window gives them.
ControlPlaces DefaultControlSizes();

struct PainterPlaces {
    // Indexed by colour index 1..4 (navy, maroon, green, purple); 0 unused.
    Rect place[5];
    bool used[5] = {};
};
PainterPlaces PlacePainters(int c, int painterWidth = 30, int painterHeight = 30, int centerX = 160,
                            int centerY = 200);

}  // namespace game
