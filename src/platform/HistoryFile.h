// SPDX-License-Identifier: GPL-3.0-or-later
// The game history's file: where it lives, appending a game to it, reading it whole.
// Plain C++ and POSIX, no Qt; what the lines mean is the engine's affair.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// "SpEcTrUmIx/history.tsv" in the player's data folder (DataFolder: the one of XDG_DATA_HOME when
// that is an absolute path, else ~/.local/share); empty, and the history off, when no folder is found.
std::string HistoryPath();

// How an append ended: written; not written since another game held the file beyond the lock's
// wait (it may be replacing the file, so nothing may go into it: try again later); or failed.
enum class Appended { Done, Busy, Failed };

// The lines to add (each ending in a line break), made for the file's first line as it stands
// when the game has its turn (`header` for a new or empty file): a file begun by another version
// names its columns there, in its own order.
using HistoryLines = std::function<std::string(std::string_view fileHeader)>;

// Adds the lines at the end of the file in one write and flushes them to disk; a new or empty
// file gets `header` first, and a last line cut short by a kill is closed off first, so the new
// games always stand on lines of their own. Two games running side by side can append at the
// same time without losing a line, and no line goes into a file that another game is rewriting.
// Missing folders are made, private to the player. Failed when the file cannot be written (no
// folder, a directory in its place, a full disk), errno then saying why.
Appended AppendToHistory(const std::string& path, std::string_view header, const HistoryLines& lines);
Appended AppendToHistory(const std::string& path, std::string_view header, std::string_view lines);

// The file's bytes, at most `largest` of them (the rest is left unread): empty when there is no
// file yet; nothing when it cannot be read or is no regular file. Never blocks on a pipe.
std::optional<std::string> ReadHistory(const std::string& path, std::size_t largest);

}  // namespace platform
