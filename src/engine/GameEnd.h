// What a finished or abandoned game is worth, and the teaching levels.
#pragma once

#include <string>
#include <string_view>

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

// What a rating dialog says when it opens, and whether it offers to go on (its "No" shown).
struct RatingText {
    std::string text;
    bool offer = false;
};
RatingText PerfectDialogText(bool teachingMode, int streak);
RatingText ExcellentDialogText(bool teachingMode, int streak);
// The fixed text of the "OK but..." message.
std::string_view NotBadText();

// The average as the label writes it: three significant digits, at most three decimals,
// halves away from zero, always three decimals shown. buffer must hold 48 characters.
std::string_view FormatAverage(double average, char* buffer);

}  // namespace game
