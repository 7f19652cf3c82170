// SPDX-License-Identifier: GPL-3.0-or-later
// EvaluateSolvedGame and the dialogs' buttons: what a finished or abandoned game is worth,
// and the teaching levels.
#pragma once

#include <cstdint>

#include "engine/Views.h"

namespace game {

// Rates the game on display into the run's average distance from par, and hands its record,
// ended so, to the windows.
void UpdateSessionAverage(Ending ending);
// Called by the click that solved the puzzle.
void EvaluateSolvedGame();
// Shows the game's own colouring beside the board and stops play.
void ShowSolution();

void NewGameClick();
void DrawGraphClick();
// A code's Play and Restart Puzzle: the puzzle of `recipe` (or the one in play, afresh), asked
// first like New Puzzle while a game is in play. It is played without touching the settings.
void ReplayClick(const PuzzleRecipe& recipe);
void RestartClick();

// The rating dialogs' buttons, each answering the game its dialog rated (whatever is in play by
// then): only an offer the teaching mode made moves it, and going on starts from that game's level.
void PerfectOk(const Rating& rated);
void PerfectNo(const Rating& rated);
void ExcellentOk(const Rating& rated);
void ExcellentNo(const Rating& rated);
void NotBadOk(const Rating& rated);
// The decision dialogs' buttons.
void NewPuzzleDecisionYes();
void DrawGraphDecisionYes();
void DecisionNo();

// The settings dialog's OK: the game takes these settings whole, the board's tool tips follow
// them and a new puzzle starts at once (the game in play is dropped unrated).
void ApplySettings(const GameSettings& settings);

// What each rating dialog says for a teaching mode and a streak.
Rating PerfectDialogText(bool teachingMode, std::int32_t streak);
Rating ExcellentDialogText(bool teachingMode, std::int32_t streak);

// The average from par as the label writes it, from the exact total of (result - par) over
// `games` rated games (no games: 0.000).
AverageFromPar ReduceAverage(std::int64_t totalFromPar, std::int32_t games);

}  // namespace game
