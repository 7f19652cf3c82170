// SPDX-License-Identifier: GPL-3.0-or-later
// What the board says to a player who follows it by ear, beyond the names of its controls.
#pragma once

#include <QString>

namespace game {
class Game;
}

namespace board {

// The size of the puzzle on the board, said once as it appears: "8 vertices, 3 colours, 14 edges
// shown, par 8" ("14 edges hidden" when the edges are not shown).
QString PuzzleSizeWords(const game::Game& game);

// A puzzle kept when the game last closed, back on the board: "Puzzle resumed: 8 vertices,
// 3 colors, 14 edges shown, par 8, score 3".
QString ResumedWords(const game::Game& game);

// Where the game stands, for the status key: "score 4, par 8, 6 of 14 edges known, 3 vertices
// left"; before the first puzzle, and once a game is over, what there is to say then.
QString StatusWords(const game::Game& game);

}  // namespace board
