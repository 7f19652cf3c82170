// SPDX-License-Identifier: GPL-3.0-or-later
#include "State.h"

#include "Board.h"
#include "Random.h"

namespace game {

namespace {
NullBoard g_nullBoard;
Board* g_board = &g_nullBoard;
}  // namespace

void AttachBoard(Board* board) { g_board = board ? board : &g_nullBoard; }
Board& CurrentBoard() { return *g_board; }

void KeepSettingsInRange() {
    const GameSettings defaults;
    if (Settings.NumberOfVertices < kMinVertices || Settings.NumberOfVertices > kMaxVertices) {
        Settings.NumberOfVertices = defaults.NumberOfVertices;
    }
    if (Settings.NumberOfColors < kMinColors || Settings.NumberOfColors > kMaxColors) {
        Settings.NumberOfColors = defaults.NumberOfColors;
    }
}

void SetStartValues() {
    KeepSettingsInRange();
    Layout.BoardRadius = NearestEven(3.75L * Settings.NumberOfVertices) + 83;
    Layout.BoardCenterX = 160;
    Layout.BoardCenterY = 200;
    Puzzle = PuzzleState{};
    Puzzle.GameOver = true;
    Session = SessionState{};
}

void ResetAllState() {
    Settings = GameSettings{};
    for (int k = 0; k <= kMaxVertices; ++k) {
        BoardVertex[k].Reset();
        SolutionVertex[k].Reset();
    }
    RandSeed = 0;
    SetClock(nullptr);
    AttachBoard(nullptr);
    SetStartValues();
}

}  // namespace game
