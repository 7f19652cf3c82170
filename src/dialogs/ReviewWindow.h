// SPDX-License-Identifier: GPL-3.0-or-later
// TReviewWindow: the window "Game Review", a finished game looked back on click by click.
// At the top where the clicks went and the one lesson of the counts, said to a screen reader as
// the window opens; below, the game drawn at a step beside the list of its steps, which is the
// window's one place of the focus (Left/Right and Up/Down step, Home and End go to the start and
// the solution). Made when first opened, then only shown and hidden; it shows the record it is
// handed and reads no game of its own.
#pragma once

#include <QString>

#include <functional>

#include "engine/History.h"
#include "engine/Review.h"
#include "ui/FixedDialog.h"

class QLabel;
class QListWidget;
class TReviewBoard;

namespace ui {
class TSpokenLine;
}

class TReviewWindow : public ui::FixedDialog {
    Q_OBJECT

  public:
    // `colourLook` says whether the player has colour marks and colour-safe colours on now.
    explicit TReviewWindow(std::function<std::pair<bool, bool>()> colourLook, QWidget* parent = nullptr);

    // Shows the game of `record` from its start; false (and the window unchanged) when the record
    // holds no game that can be replayed: no code, or clicks that are not of its puzzle.
    bool ShowGame(const game::GameRecord& record);
    // The step shown, as review::StepWords counts them.
    int Step() const;
    void GoToStep(int step);
    const game::GameReview& Review() const { return m_review; }
    QString SummaryText() const;
    // The player switched colour marks or colour-safe colours: the drawing follows at once.
    void FollowColourLook();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StepShown(int step);

    std::function<std::pair<bool, bool>()> m_colourLook;
    game::GameReview m_review;
    QLabel* m_summary = nullptr;
    QLabel* m_hint = nullptr;
    TReviewBoard* m_board = nullptr;
    QListWidget* m_steps = nullptr;
    ui::TSpokenLine* m_spoken = nullptr;
    bool m_sayOnShow = false;
};
