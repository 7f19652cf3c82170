// SPDX-License-Identifier: GPL-3.0-or-later
// game::PuzzleSetter: sets each puzzle of a game. It draws a new puzzle from the settings and the
// clock, builds the puzzle of a recipe onto the game's vertices, and lays it out on the board:
// the vertices, the edges shown with it and the solution view's copy. The game owns one and
// forwards the windows' calls to it. No Qt here.
#pragma once

#include <span>

#include "engine/History.h"
#include "engine/PuzzleCode.h"
#include "engine/Views.h"

namespace game {

class Game;

class PuzzleSetter {
  public:
    explicit PuzzleSetter(Game& game) : m_game(game) {}
    PuzzleSetter(const PuzzleSetter&) = delete;
    PuzzleSetter& operator=(const PuzzleSetter&) = delete;

    // Reads the clock once, draws the random settings from that reading, and plays the puzzle of
    // the settings so drawn. Never fails and never allocates.
    void NewPuzzle();
    // Builds the hidden colouring, the forced clique and the random edges of `recipe` and hands
    // the puzzle to the board. The settings are left as they are: a puzzle from a code or a
    // restart is `replay`, and a puzzle that is not playable is refused (nothing changes).
    void PlayPuzzle(const PuzzleRecipe& recipe, bool replay);
    // The puzzle of `recipe` put on the board at once at the position its `clicks` make (the
    // game's PlayPuzzleAt says how); false, and nothing changed, for a position not in play.
    bool PlayPuzzleAt(const PuzzleRecipe& recipe, bool replay, std::span<const Click> clicks, int painter);
    // Joins u and v; the caller makes sure the pair is new.
    void AddEdge(int u, int v);
    // Draws every board edge not yet drawn, each once from its lower-numbered end.
    void ShowAllEdges();
    // Walks the first n vertices of a view through their neighbours in order, marks every edge
    // not yet marked in that view (once, from the end met first), draws it as it is marked and
    // refreshes each vertex after its edges.
    void DrawEveryEdge(EdgeView view, int n);
    // Copies the board's vertex records onto the solution view and lets the board follow.
    void MirrorToSolutionView();

  private:
    Game& m_game;
};

}  // namespace game
