// SPDX-License-Identifier: GPL-3.0-or-later
// services::GameLog: the learner's record, this run's rated games and the history file's.
// Every rated game is kept for the session and appended to the history at once; the history
// itself is read only when the statistics are first needed, never at start-up. All the file's
// work (appends, the one reading, the rewrite that forgets a level) is done in turn by one
// worker thread, so a history of a million games, or another game holding the file, never
// stops the board; what it finds is handed back to the board's thread and told by `changed`.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/Figures.h"
#include "engine/History.h"
#include "platform/HistoryFile.h"
#include "services/FileWorker.h"


namespace services {

class GameLog {
  public:
    // The history at `path` (by default the player's data folder).
    explicit GameLog(std::string path);
    GameLog();
    // Finishes the file's work, then writes the games still waiting for the file, waiting a
    // while for another game that holds it: the board is closed by then.
    ~GameLog();
    GameLog(const GameLog&) = delete;
    GameLog& operator=(const GameLog&) = delete;

    // A game just rated: kept for this session and appended to the history. When another game
    // holds the history longer than the lock's wait (a long rewrite), the game waits here and
    // is written at the next chance: the next rated game, the statistics window's next opening,
    // the close of the game. It counts in the history's figures meanwhile.
    void Record(const game::GameRecord& game);
    // Writes the games still waiting for the file, if any, without waiting for it.
    void WriteWaitingGames();
    std::size_t WaitingGames() const { return m_waiting.size(); }

    const std::vector<game::GameRecord>& Session() const { return m_session; }
    // The history's games. The first call starts the one reading of the file and finds them
    // empty; `changed` tells when they have arrived (HistoryRead()).
    const std::vector<game::GameRecord>& History();
    // The figures of Session() and of History(), kept up to date game by game: a rated game is
    // added to them, never counted again with all the others. The history's are worked out
    // whole only on the worker, from what it read. Asking for the history's starts its reading.
    const game::Figures& SessionFigures() const { return m_sessionFigures; }
    const game::Figures& HistoryFigures() {
        History();
        return m_historyFigures;
    }
    bool HistoryRead() const { return m_read == Read::Done; }
    // The file is being read or rewritten.
    bool Busy() const { return m_read == Read::Reading || m_rewrites > 0; }

    // What went wrong with the file, if anything, for the window's one line about it.
    enum class Trouble { None, CannotRead, CannotWrite };
    Trouble trouble() const { return m_trouble; }
    // The system's reason (an errno) why the file could not be written last: games appended
    // (CannotWrite) or a level forgotten.
    int writeError() const { return m_writeError; }
    const std::string& path() const { return m_path; }

    // Forget the games of a level 1..66 in this session's figures, or in the history: the file
    // rewritten whole, all or nothing, by the worker; `done` is told whether it was (after
    // `changed`). Games rated meanwhile are kept.
    void ForgetSessionLevel(int level);
    void ForgetHistoryLevel(int level, std::function<void(bool rewritten)> done = {});

    // Waits until the file's work asked for so far is done and its results are in (for
    // benchmarks, tests and the close).
    void Settle();

    // Called after every change of the figures.
    std::function<void()> changed;

  private:
    struct Waiting {
        std::uint64_t id;
        game::GameRecord game;
    };
    // A level being forgotten: its games rated before the request (ids below `before`) stay
    // out of the file until the rewrite is done, and are dropped when it succeeds.
    struct Hold {
        int level;
        std::uint64_t before;
    };
    enum class Read { No, Reading, Done };

    void Changed() const;
    // Runs `work` on the worker; what it gives back runs on the board's thread.
    void Post(std::function<std::function<void()>()> work);
    void Appended(const std::vector<Waiting>& sent, platform::Appended result, int error);
    // The history as the file held it (with its figures), and this run's games not in it yet.
    void TakeHistory(std::vector<game::GameRecord> fromFile, game::Figures figures);
    // The history's games from the first still waiting for the file on, and their figures
    // anew on top of those of the games before them.
    void AddToHistory(const Waiting& waiting);
    void RefigureHistory();
    // Games in the file (no longer waiting) at the head of that tail pass into the settled figures.
    void SettleHistory();
    bool Held(const Waiting& waiting) const;

    std::string m_path;
    std::vector<game::GameRecord> m_session;
    std::vector<game::GameRecord> m_history;
    game::Figures m_sessionFigures;
    // The history's figures, and those of its first m_settledGames games, all in the file; the
    // games after them are the tail, each with the id it waited under (m_tailIds).
    game::Figures m_historyFigures;
    game::Figures m_settledFigures;
    std::size_t m_settledGames = 0;
    std::vector<std::uint64_t> m_tailIds;
    std::vector<Waiting> m_waiting;  // rated games not in the file yet, oldest first
    std::vector<Hold> m_holds;
    std::uint64_t m_nextId = 0;
    bool m_appending = false;
    bool m_chanceMissed = false;
    bool m_closing = false;
    int m_rewrites = 0;
    Read m_read = Read::No;
    Trouble m_trouble = Trouble::None;
    int m_writeError = 0;

    // Last: its thread ends (in the destructor) before the rest of the log goes.
    FileWorker m_worker;
};

}  // namespace services
