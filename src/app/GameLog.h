// SPDX-License-Identifier: GPL-3.0-or-later
// app::GameLog: the learner's record, this run's rated games and the history file's.
// Every rated game is kept for the session and appended to the history at once; the history
// itself is read only when the statistics are first needed, never at start-up.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/History.h"

namespace app {

class GameLog {
  public:
    // The history at `path` (by default the player's data folder).
    explicit GameLog(std::string path);
    GameLog();

    // A game just rated: kept for this session and appended to the history.
    void Record(const game::GameRecord& game);

    const std::vector<game::GameRecord>& Session() const { return m_session; }
    // The history's games, read from the file the first time they are asked for.
    const std::vector<game::GameRecord>& History();
    bool HistoryRead() const { return m_read; }

    // What went wrong with the file, if anything, for the window's one line about it.
    enum class Trouble { None, CannotRead, CannotWrite };
    Trouble trouble() const { return m_trouble; }
    const std::string& path() const { return m_path; }

    // Forget the games of a level 1..66 in this session's figures, or in the history (the file
    // rewritten whole, all or nothing). False when the history could not be rewritten.
    void ForgetSessionLevel(int level);
    bool ForgetHistoryLevel(int level);

    // Called after every change of the figures.
    std::function<void()> changed;

  private:
    void Changed() const;

    std::string m_path;
    std::vector<game::GameRecord> m_session;
    std::vector<game::GameRecord> m_history;
    bool m_read = false;
    Trouble m_trouble = Trouble::None;
};

}  // namespace app
