// SPDX-License-Identifier: GPL-3.0-or-later
// TReviewBoard: the picture of the review window, a reviewed game at one of its steps.
#pragma once

#include <QWidget>

#include "engine/Review.h"

// The puzzle drawn as the board draws it (its vertex squares on their circle, its colours, the
// player's colour marks and colour-safe colours), at one step of a reviewed game: the vertex
// clicked ringed, the neighbours it cleared in a dashed square, the edges it revealed dashed and
// white apart from the aqua edges known before. The last step puts the game's own solution
// beside the last position. It only draws: the review's list says all it shows in words.
class TReviewBoard : public QWidget {
  public:
    explicit TReviewBoard(QWidget* parent = nullptr);

    // The game shown (kept by the caller while shown) and its step, as review::StepWords counts.
    void Show(const game::GameReview* game, int step);
    void SetColourLook(bool marks, bool safe);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const game::GameReview* m_game = nullptr;
    int m_step = 0;
    bool m_marks = false;
    bool m_safe = false;
};
