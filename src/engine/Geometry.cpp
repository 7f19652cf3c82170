// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Geometry.h"

#include <cmath>

#include "engine/Palette.h"
#include "engine/Random.h"

namespace game {

int BoardRadiusFor(int n) {
    return NearestEven(static_cast<long double>(n) * 3.75L) + 83;
}

int VertexSizeFor(int n) {
    return NearestEven((20.8L - n) * 3.125L);
}

int VertexPenWidthFor(int n) {
    return n > 13 ? 2 : 3;
}

long double VertexAngle(int n, int k) {
    // 6.283 rather than two pi: the gap between the last vertex and the first is a
    // little wider than the others, as players of the game know it.
    return (k - 1) * 6.283L / n;
}

Rect VertexRect(int n, int k, int centerX, int centerY) {
    const int radius = BoardRadiusFor(n);
    const int size = VertexSizeFor(n);
    const long double angle = VertexAngle(n, k);
    const int x = NearestEven(std::cos(angle) * radius) + centerX;
    const int y = NearestEven(std::sin(angle) * radius) + centerY;
    return {x - NearestEven(size * 0.5L), y - NearestEven(size * 0.5L), size, size};
}

ControlPlaces DefaultControlSizes() {
    ControlPlaces sizes;
    sizes.NewGame = {0, 0, 85, 25};
    sizes.DrawGraph = {0, 0, 85, 25};
    sizes.ParLabel = {0, 0, 30, 16};
    sizes.Par = {0, 0, 67, 16};
    sizes.PlayerScoreLabel = {0, 0, 76, 16};
    sizes.PlayerScore = {0, 0, 67, 16};
    sizes.EdgesLabel = {0, 0, 49, 16};
    sizes.SessionAveFromParLabel = {0, 0, 132, 16};
    return sizes;
}

ControlPlaces PlaceControls(int n, const ControlPlaces& sizes, int centerX, int centerY) {
    ControlPlaces c = sizes;
    const int vertexHeight = VertexSizeFor(n);
    c.NewGame.left = centerX - c.NewGame.width;
    c.NewGame.top = centerY + BoardRadiusFor(n) + vertexHeight / 2 + 5;
    c.DrawGraph.left = centerX;
    c.DrawGraph.top = c.NewGame.top;
    c.ParLabel.left = c.NewGame.left;
    c.ParLabel.top = c.NewGame.top + c.NewGame.height + 5;
    c.Par.left = c.ParLabel.left + c.ParLabel.width + 5;
    c.Par.top = c.ParLabel.top;
    c.PlayerScoreLabel.left = c.ParLabel.left;
    c.PlayerScoreLabel.top = c.ParLabel.top + 20;
    c.PlayerScore.left = c.PlayerScoreLabel.left + c.PlayerScoreLabel.width + 5;
    c.PlayerScore.top = c.PlayerScoreLabel.top;
    c.EdgesLabel.left = c.PlayerScoreLabel.left + c.PlayerScoreLabel.width + 30;
    c.EdgesLabel.top = c.ParLabel.top;
    c.SessionAveFromParLabel.left = c.EdgesLabel.left;
    c.SessionAveFromParLabel.top = c.PlayerScore.top;
    return c;
}

PainterPlaces PlacePainters(int c, int w, int h, int cx, int cy) {
    PainterPlaces p;
    auto put = [&](int index, int left, int top) {
        p.place[index] = {left, top, w, h};
        p.used[index] = true;
    };
    if (c == 4) {
        put(kNavy, cx, cy - h);
        put(kMaroon, cx - w, cy);
        put(kGreen, cx, cy);
        put(kPurple, cx - w, cy - h);
    } else if (c == 3) {
        put(kNavy, cx - w, cy);
        put(kMaroon, cx - w / 2, cy - h);
        put(kGreen, cx, cy);
    } else {
        put(kNavy, cx, cy - h / 2);
        put(kMaroon, cx - w, cy - h / 2);
    }
    return p;
}

}  // namespace game
