// SPDX-License-Identifier: GPL-3.0-or-later
// A game on a pinned clock with a recording board, and the player's ways to finish it.
#pragma once

#include <gtest/gtest.h>

#include "FakeBoard.h"
#include "GameEnd.h"
#include "Moves.h"
#include "Puzzle.h"
#include "Random.h"
#include "State.h"

namespace gametest {

inline constexpr std::int32_t kNoon = 12 * 3600 * 1000;

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game::ResetAllState();
        game::AttachBoard(&board);
        game::PinClock(kNoon);
    }
    void TearDown() override { game::ResetAllState(); }

    // The six-vertex worked example: hidden colouring 2 2 3 1 2 3, edges 3-4 3-5 4-5 1-3 1-4 1-6 2-3 5-6.
    void StartExample(bool showEdges) {
        game::Settings.RandomNumberOfColors = game::Settings.RandomNumberOfVertices = false;
        game::Settings.RandomEdgeProbability = false;
        game::Settings.NumberOfVertices = 6;
        game::Settings.NumberOfColors = 3;
        game::Settings.EdgeProbability = 63;
        game::Settings.ShowEdges = showEdges;
        game::NewPuzzle();
    }
    static void Paint(int colorIndex, int vertex) {
        game::PainterClick(colorIndex);
        game::VertexClick(vertex);
    }
    // Colours every vertex with the game's own colouring, after `extra` wasted clicks.
    static void Solve(int extra = 0) {
        for (int i = 0; i < extra; ++i) Paint(game::Puzzle.HiddenColoring[1], 1);
        for (int k = 1; k <= game::Puzzle.VertexCount; ++k) Paint(game::Puzzle.HiddenColoring[k], k);
    }
    // The average label as the board words it in English.
    std::string AverageLabel() {
        if (board.averagesShown == 0)
            return {};
        char number[48];
        return "Average From Par: " +
               std::string(game::FormatAverage(board.totalFromPar, board.ratedGames, number));
    }

    FakeBoard board;
};

}  // namespace gametest
