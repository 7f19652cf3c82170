// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/GameLog.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <optional>
#include <utility>

#include "platform/AtomicFile.h"

namespace services {

namespace {

// Far more than a lifetime of games (a game's line is some 50 bytes); a larger file is read as
// far as this and the rest left alone.
constexpr std::size_t kLargestHistory = std::size_t{256} << 20;

// At the close, how many times a game still waiting for the file waits for the lock (each time
// as long as a save does): a rewrite of the largest history another game is doing ends well
// within them.
constexpr int kTurnsAtClose = 6;

// The games' lines in the order of the file's columns, whichever version began it.
platform::HistoryLines Lines(std::vector<game::GameRecord> games) {
    return [games = std::move(games)](std::string_view fileHeader) {
        std::string lines;
        for (const game::GameRecord& game : games) lines += game::HistoryLine(game, fileHeader);
        return lines;
    };
}

}  // namespace

GameLog::GameLog(std::string path)
    : m_path(std::move(path)) {}
GameLog::GameLog() : GameLog(platform::HistoryPath()) {}

GameLog::~GameLog() {
    // The windows that listen may be gone already: nothing is told any more.
    m_closing = true;
    changed = nullptr;
    m_worker.Settle();
    m_worker.Stop();
    std::vector<game::GameRecord> games;
    for (const Waiting& waiting : m_waiting) games.push_back(waiting.game);
    for (int turn = 0; turn < kTurnsAtClose && !games.empty(); ++turn) {
        if (platform::AppendToHistory(m_path, game::HistoryHeader(), Lines(games)) !=
            platform::Appended::Busy)
            break;
    }
}

void GameLog::Record(const game::GameRecord& game) {
    m_session.push_back(game);
    m_sessionFigures.Add(game);
    m_waiting.push_back({m_nextId++, game});
    if (m_read == Read::Done)
        AddToHistory(m_waiting.back());
    WriteWaitingGames();
    Changed();
}

void GameLog::AddToHistory(const Waiting& waiting) {
    m_history.push_back(waiting.game);
    m_tailIds.push_back(waiting.id);
    m_historyFigures.Add(waiting.game);
}

void GameLog::RefigureHistory() {
    m_historyFigures = m_settledFigures;
    for (std::size_t i = m_settledGames; i < m_history.size(); ++i) m_historyFigures.Add(m_history[i]);
}

void GameLog::SettleHistory() {
    std::size_t settled = 0;
    while (settled < m_tailIds.size() &&
           std::none_of(m_waiting.begin(), m_waiting.end(),
                        [&](const Waiting& waiting) { return waiting.id == m_tailIds[settled]; })) {
        m_settledFigures.Add(m_history[m_settledGames++]);
        ++settled;
    }
    m_tailIds.erase(m_tailIds.begin(), m_tailIds.begin() + static_cast<std::ptrdiff_t>(settled));
}

bool GameLog::Held(const Waiting& waiting) const {
    return std::any_of(m_holds.begin(), m_holds.end(), [&](const Hold& hold) {
        return waiting.game.Level() == hold.level && waiting.id < hold.before;
    });
}

void GameLog::WriteWaitingGames() {
    if (m_appending) {
        m_chanceMissed = true;  // tried again once the append under way is done
        return;
    }
    std::vector<Waiting> sent;
    std::vector<game::GameRecord> games;
    for (const Waiting& waiting : m_waiting) {
        if (!Held(waiting)) {
            sent.push_back(waiting);
            games.push_back(waiting.game);
        }
    }
    if (sent.empty())
        return;
    m_appending = true;
    Post([this, sent = std::move(sent), path = m_path, lines = Lines(std::move(games))] {
        const platform::Appended result = platform::AppendToHistory(path, game::HistoryHeader(), lines);
        const int error = errno;
        return [this, sent, result, error] { Appended(sent, result, error); };
    });
}

void GameLog::Appended(const std::vector<Waiting>& sent, platform::Appended result, int error) {
    m_appending = false;
    const auto wasSent = [&](const Waiting& waiting) {
        return std::any_of(sent.begin(), sent.end(), [&](const Waiting& s) { return s.id == waiting.id; });
    };
    if (result == platform::Appended::Done) {
        std::erase_if(m_waiting, wasSent);
        SettleHistory();
        if (m_trouble == Trouble::CannotWrite)
            m_trouble = Trouble::None;
    } else if (result == platform::Appended::Failed) {
        // The file cannot take games: this run's games stay in the session's figures only. They
        // are all in the history's tail, which is counted again on its own.
        if (m_read == Read::Done) {
            for (std::size_t i = m_tailIds.size(); i-- > 0;) {
                const std::uint64_t id = m_tailIds[i];
                if (std::none_of(sent.begin(), sent.end(), [&](const Waiting& s) { return s.id == id; }))
                    continue;
                m_history.erase(m_history.begin() + static_cast<std::ptrdiff_t>(m_settledGames + i));
                m_tailIds.erase(m_tailIds.begin() + static_cast<std::ptrdiff_t>(i));
            }
            RefigureHistory();
        }
        std::erase_if(m_waiting, wasSent);
        SettleHistory();
        m_trouble = Trouble::CannotWrite;
        m_writeError = error;
    }
    // Busy: the games wait for the next chance.
    if (m_chanceMissed || (result == platform::Appended::Done && !m_waiting.empty())) {
        m_chanceMissed = false;
        WriteWaitingGames();
    }
    if (result != platform::Appended::Busy)
        Changed();
}

const std::vector<game::GameRecord>& GameLog::History() {
    if (m_read == Read::No) {
        m_read = Read::Reading;
        Post([path = m_path, this] {
            std::optional<std::vector<game::GameRecord>> games;
            game::Figures figures;
            if (const std::optional<std::string> bytes = platform::ReadHistory(path, kLargestHistory)) {
                games = game::ParseHistory(*bytes).games;
                figures = game::FiguresOf(*games);
            }
            return [this, games = std::move(games), figures = std::move(figures)]() mutable {
                if (!games && m_trouble == Trouble::None)
                    m_trouble = Trouble::CannotRead;
                TakeHistory(games ? std::move(*games) : std::vector<game::GameRecord>(), std::move(figures));
                Changed();
            };
        });
    }
    return m_history;
}

void GameLog::TakeHistory(std::vector<game::GameRecord> fromFile, game::Figures figures) {
    // The worker writes in turn: what the file held when it was read has every game whose
    // append was done before, and none of those still waiting here.
    m_history = std::move(fromFile);
    m_settledGames = m_history.size();
    m_settledFigures = std::move(figures);
    m_historyFigures = m_settledFigures;
    m_tailIds.clear();
    for (const Waiting& waiting : m_waiting) AddToHistory(waiting);
    m_read = Read::Done;
}

void GameLog::ForgetSessionLevel(int level) {
    std::erase_if(m_session, [level](const game::GameRecord& game) { return game.Level() == level; });
    m_sessionFigures.Forget(level);
    Changed();
}

void GameLog::ForgetHistoryLevel(int level, std::function<void(bool)> done) {
    const Hold hold{level, m_nextId};
    m_holds.push_back(hold);
    ++m_rewrites;
    Changed();
    // The file as it stands when its turn comes is rewritten, so a game another copy of the
    // game appended in the meantime, and any line this version cannot read, stays.
    Post([this, path = m_path, hold, done = std::move(done)] {
        std::vector<game::GameRecord> kept;
        const bool rewritten = platform::RewriteFile(path, kLargestHistory, [&](std::string old) {
            std::string text = game::WithoutLevel(old, hold.level);
            kept = game::ParseHistory(text).games;
            return std::optional<std::string>(std::move(text));
        });
        const int error = rewritten ? 0 : errno;
        game::Figures figures = rewritten ? game::FiguresOf(kept) : game::Figures();
        return [this, hold, rewritten, error, kept = std::move(kept), figures = std::move(figures),
                done]() mutable {
            --m_rewrites;
            std::erase_if(m_holds,
                          [&](const Hold& h) { return h.level == hold.level && h.before == hold.before; });
            if (!rewritten)
                m_writeError = error;
            if (rewritten) {
                std::erase_if(m_waiting, [&](const Waiting& waiting) {
                    return waiting.game.Level() == hold.level && waiting.id < hold.before;
                });
                TakeHistory(std::move(kept), std::move(figures));
            }
            WriteWaitingGames();
            Changed();
            if (done && !m_closing)
                done(rewritten);
        };
    });
}

void GameLog::Settle() {
    m_worker.Settle();
}

void GameLog::Post(std::function<std::function<void()>()> work) {
    m_worker.Post(std::move(work));
}

void GameLog::Changed() const {
    if (changed && !m_closing)
        changed();
}

}  // namespace services
