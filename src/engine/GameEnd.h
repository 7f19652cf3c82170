// SPDX-License-Identifier: GPL-3.0-or-later
// What a finished or abandoned game is worth, and the teaching levels.
#pragma once

#include <cstdint>
#include <string_view>

#include "Board.h"

namespace game {

// Rates the game on display into the run's average distance from par.
void UpdateSessionAverage();
// Called by the click that solved the puzzle.
void EvaluateSolvedGame();
// Shows the game's own colouring beside the board and stops play.
void ShowSolution();

void NewGameClick();
void DrawGraphClick();

// The dialogs' buttons.
void PerfectOk();
void PerfectNo();
void ExcellentOk();
void ExcellentNo();
void NotBadOk();
void NewPuzzleDecisionYes();
void DrawGraphDecisionYes();
void DecisionNo();

// What a rating dialog says when it opens, with the streak it may quote, and whether it
// offers to go on (its "No" shown).
struct Rating {
    RatingMessage message = RatingMessage::PerfectWayToGo;
    std::int32_t streak = 0;
    bool offer = false;
};
Rating PerfectDialogText(bool teachingMode, std::int32_t streak);
Rating ExcellentDialogText(bool teachingMode, std::int32_t streak);

// The average from par as the label writes it, from the exact total of (result - par) over
// `games` rated games: three significant digits, at most three decimals, halves away from
// zero, always three decimals shown; from 1000 up every whole digit is kept. No minus sign
// on a value that rounds to zero. buffer must hold 48 characters.
std::string_view FormatAverage(std::int64_t totalFromPar, std::int32_t games, char* buffer);

}  // namespace game
