// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GameLog.h"

#include <algorithm>
#include <utility>

#include "platform/AtomicFile.h"
#include "platform/HistoryFile.h"

namespace app {

namespace {

// Far more than a lifetime of games (a game's line is some 50 bytes); a larger file is read as
// far as this and the rest left alone.
constexpr std::size_t kLargestHistory = std::size_t{256} << 20;

}  // namespace

GameLog::GameLog(std::string path) : m_path(std::move(path)) {}
GameLog::GameLog() : GameLog(platform::HistoryPath()) {}

void GameLog::Record(const game::GameRecord& game) {
    m_session.push_back(game);
    if (platform::AppendToHistory(m_path, game::HistoryHeader(), game::HistoryLine(game))) {
        if (m_read)
            m_history.push_back(game);
        if (m_trouble == Trouble::CannotWrite)
            m_trouble = Trouble::None;
    } else {
        m_trouble = Trouble::CannotWrite;
    }
    Changed();
}

const std::vector<game::GameRecord>& GameLog::History() {
    if (!m_read) {
        m_read = true;
        if (const std::optional<std::string> bytes = platform::ReadHistory(m_path, kLargestHistory))
            m_history = game::ParseHistory(*bytes).games;
        else if (m_trouble == Trouble::None)
            m_trouble = Trouble::CannotRead;
    }
    return m_history;
}

void GameLog::ForgetSessionLevel(int level) {
    std::erase_if(m_session, [level](const game::GameRecord& game) { return game.Level() == level; });
    Changed();
}

bool GameLog::ForgetHistoryLevel(int level) {
    // The file as it stands now is rewritten, so a game another copy of the game appended in the
    // meantime, and any line this version cannot read, stays.
    const bool done = platform::RewriteFile(m_path, kLargestHistory, [level](std::string old) {
        return std::optional<std::string>(game::WithoutLevel(old, level));
    });
    if (done) {
        m_read = false;
        m_history.clear();
        History();
    }
    Changed();
    return done;
}

void GameLog::Changed() const {
    if (changed)
        changed();
}

}  // namespace app
