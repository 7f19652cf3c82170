// SPDX-License-Identifier: GPL-3.0-or-later
// TPerformancePages: the statistics window "Personal and Group Performance".
// This session's figures and the player's history, overall, by level and for timed games, and a
// map of mastery over the 66 levels; what would need other players or a network stays inert.
#pragma once

#include <QString>

#include <cstddef>
#include <utility>

#include "engine/PuzzleCode.h"
#include "services/GameLog.h"

#include "ui/FixedDialog.h"
#include "ui/Form.h"

class TPerformancePages : public ui::FixedDialog {
    Q_OBJECT

  public:
    // When the pages' contents are made: at once, or only when the window is first shown (or
    // BuildPages is called in idle time), so that the game's start-up does not wait for a window
    // nothing opens at once.
    enum class Pages { BuiltNow, BuiltWhenShown };
    explicit TPerformancePages(QWidget* parent = nullptr, Pages pages = Pages::BuiltNow);

    // Makes the pages' boxes, labels and level boxes, once.
    void BuildPages();

    // The games the pages show figures of; they follow every change of it. The history is read
    // the first time the window is shown.
    void ShowLog(services::GameLog* log);
    // The puzzle shape the game is teaching now, marked on the "Progress" page.
    void MarkCurrentLevel(int vertices, bool edgesShown);
    // Chooses a level on the "By Level" and "Timed Games" pages and in the trend of "Progress".
    void ChooseLevel(int level);

    // Change reactions of the four named level boxes (connected to them): each shows the figures
    // of the level its box now names.
    void ByLevelPlayerchooseLevelChange();
    void ByLevelOthersChooseLevelChange();
    void TimedPlayerChooseLevelChange();
    void TimedOthersChooseLevelChange();

    // Puts the window away (OK, Enter).
    void PersonalAndGroupPerformanceOKButtonClick();
    // Asks for the help topic about this window; the window stays open.
    void HelpBtnClick();

  signals:
    // A game of the "Progress" page's list is to be played again: its puzzle.
    void playAsked(const game::PuzzleRecipe& recipe);
    // A game of that list is to be reviewed, click by click: its record.
    void reviewAsked(const game::GameRecord& record);

  public:
    ~TPerformancePages() override {
        if (m_log)
            m_log->changed = nullptr;
    }

  protected:
    void FirstShown() override;
    void showEvent(QShowEvent* event) override;

  private:
    // A level box's level decoded in its first three labels and, in the player's own boxes, that
    // level's figures below them.
    void ShowLevelBox(std::size_t index);
    void Refresh();
    void ShowProgress();
    // Asks first, then forgets the chosen level's games in the session or the history.
    void AskToForget(std::size_t index);
    // The figures of this session's games or of the history's (none until it is wanted).
    const game::Figures& Figures(bool history) const;
    // Whether the history's figures are in (always, with no log to show).
    bool HistoryKnown() const { return !m_log || m_log->HistoryRead(); }

    ui::Form m_form;
    bool m_pagesBuilt = false;
    bool m_historyWanted = false;
    services::GameLog* m_log = nullptr;
    class TMasteryMap* m_map = nullptr;
    std::pair<int, bool> m_marked{0, true};
    int m_mapLevel = 0;
    // The games the "Progress" page lists, in the list's order, for the one chosen to be reviewed.
    std::vector<game::GameRecord> m_listed;
};
