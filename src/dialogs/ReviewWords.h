// SPDX-License-Identifier: GPL-3.0-or-later
// review::SummaryWords and friends: a reviewed game in words, for the eye and the ear alike.
#pragma once

#include <QString>

#include "engine/Review.h"

namespace review {

// "12 clicks, par 8: 8 painted, 2 clashes on edges you could see, 1 hidden edge found, 1 repaint";
// a kind no click went to is left out.
QString SummaryWords(const game::GameReview& game);
// The one lesson of the counts, as a sentence.
QString HintWords(const game::GameReview& game);
// One step of the review, whole: 0 is the puzzle before the first click, 1..clicks each click
// ("Click 5: vertex 3 red, clash with 6 across an edge you could see; 6 cleared"), and the step
// after the last click the game's own solution.
QString StepWords(const game::GameReview& game, int step);
// How many steps a game has: the start, each click and the solution.
inline int StepCount(const game::GameReview& game) {
    return static_cast<int>(game.clicks.size()) + 2;
}

}  // namespace review
