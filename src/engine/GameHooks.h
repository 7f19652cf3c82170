// SPDX-License-Identifier: GPL-3.0-or-later
// What a game is attached to (the board, the dialogs, its clocks and an edge listener) and the two
// pieces of the board window it keeps in its settings: where the vertices stand and where the
// window was left. No Qt here.
#pragma once

#include <cstdint>

#include "engine/Views.h"

namespace game {

// The centre of the circle the vertices stand on, in the board's client pixels.
struct BoardLayout {
    std::int32_t BoardCenterX = 160;
    std::int32_t BoardCenterY = 200;
};

// Milliseconds since midnight UTC.
using ClockFn = std::int32_t (*)();
// Milliseconds on a clock that only goes forward, and since 1970-01-01 UTC.
using MillisecondsFn = std::int64_t (*)();
// Hears every edge a new puzzle adds, in the order made (developer tools and tests).
using EdgeListener = void (*)(int u, int v, void* context);

// Where the game's messages and readings go: the board window, the dialogs, the clock and a
// listener. Unset ones are silent (and the clock is the system's).
struct Hooks {
    BoardView* board = nullptr;
    GameWindows* windows = nullptr;
    ClockFn clock = nullptr;
    std::int32_t pinnedMs = -1;  // 0 and up: every reading of the clock gives this
    EdgeListener edgeListener = nullptr;
    void* edgeListenerContext = nullptr;
    MillisecondsFn steadyClock = nullptr;  // unset: the system's monotonic clock
    MillisecondsFn utcClock = nullptr;     // unset: the system's calendar clock
};

// Where the board window was left: its place and size in a window of its own, and how it was
// shown (kept in the settings as the numbers below).
struct WindowPlace {
    enum Shown : std::int32_t { kInWindow = 0, kMaximised = 1, kFullScreen = 2 };
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t shown = kInWindow;
};

}  // namespace game
