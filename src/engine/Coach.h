// SPDX-License-Identifier: GPL-3.0-or-later
// game::Coach: a game's end and the decisions around it. It rates a game as it ends and hands its
// record to the windows, shows the solution, opens the rating dialog a solved game earns, keeps
// the teaching mode's streak and levels, asks before a game in play is dropped for a new puzzle or
// the solution, and answers the rating and decision dialogs. The game owns one and forwards the
// windows' calls to it. No Qt here.
#pragma once

#include <cstdint>

#include "engine/History.h"
#include "engine/PuzzleCode.h"
#include "engine/Views.h"

namespace game {

class Game;

class Coach {
  public:
    explicit Coach(Game& game);
    Coach(const Coach&) = delete;
    Coach& operator=(const Coach&) = delete;

    // Whether the teaching mode counts the game in play: it is on, and the puzzle is not one
    // played again from its code or restarted (those are rated as outside it).
    bool Teaching() const;

    // Rates the game on display into the run's average distance from par, and hands its record,
    // ended so, to the windows.
    void UpdateSessionAverage(Ending ending);
    // Shows the game's own colouring beside the board and stops play.
    void ShowSolution();
    // Called by the click that solved the puzzle: rates it, shows the solution and opens the
    // rating dialog it earned.
    void EvaluateSolvedGame();
    void NewGameClick();
    void DrawGraphClick();
    // A code's Play and Restart Puzzle: the puzzle of `recipe` (or the one in play, afresh), asked
    // first like New Puzzle while a game is in play.
    void ReplayClick(const PuzzleRecipe& recipe);
    void RestartClick();
    // The rating dialogs' buttons, each answering the game its dialog rated (whatever is in play
    // by then): only an offer the teaching mode made moves it.
    void PerfectOk(const Rating& rated);
    void PerfectNo(const Rating& rated);
    void ExcellentOk(const Rating& rated);
    void ExcellentNo(const Rating& rated);
    void NotBadOk(const Rating& rated);
    // The decision dialogs' buttons.
    void NewPuzzleDecisionYes();
    void DrawGraphDecisionYes();
    void DecisionNo();
    // The game in play dropped without a rating (the settings' OK starts another puzzle): it has
    // still ended, so the windows get it to look back on.
    void DropGameInPlay();

  private:
    // The record of the game in play, ended so with that result, in the coach's own room.
    const GameRecord& RecordOfGameInPlay(Ending ending, std::int64_t result);
    std::int32_t& Streak();
    void SetStreak(std::int32_t value);

    Game& m_game;
    // The record of the last game rated, its room for clicks made once.
    GameRecord m_rated;
};

}  // namespace game
