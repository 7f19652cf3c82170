// SPDX-License-Identifier: GPL-3.0-or-later
// The in-place save and its sidecar, and the small pieces the file layer's own parts share
// (AtomicFile, FileLock). Not for use outside platform/. Plain C++ and POSIX, no Qt.
//
// A file written in place (its own inode: a hard-linked file, another user's, one in a sticky
// folder) cannot be swapped whole for a new one, and no write order makes arbitrary new bytes
// replace old ones in a single step. So the whole new text first goes, flushed to disk, into a
// sidecar ".<name>.pending" beside the name the player gave, together with the identity of the
// file it is meant for and a checksum; only then is the file itself rewritten, and the sidecar
// goes once the file holds the new text. Whoever finds a whole sidecar takes the file to hold
// what it says: a reader reads the sidecar's text, the next save writes it through first. A
// sidecar cut short means the file was never touched, and it is dropped.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <sys/stat.h>

namespace platform::files {

// Follows a chain of symbolic links to the file that really holds what `path` names (which
// need not exist yet), so that a write replaces the target and leaves the link in place;
// nothing for a loop of links or a link too long to read.
std::optional<std::string> ResolveLinks(std::string path);
// The hidden ".<name>.<kind>" beside the name `path` (not beside what a link leads to).
std::string BesideName(const std::string& path, std::string_view kind);
// Flushes a folder's entries to disk (a new or renamed name in it); errors are ignored.
void SyncDirectory(const std::string& dir);
// What became of a temporary file committed over its target: written and renamed, or the error
// of the step that failed and whether that step was the rename itself.
struct Committed {
    bool ok = false;
    int error = 0;
    bool atRename = false;
};
// Gives the fresh temporary `fd` (named `temporary`) the permissions and owner of the file it
// replaces (`old`, when there is one), writes `bytes` to it, makes them durable, renames it over
// `target` and flushes the folder. `fd` is closed either way; on a failure the temporary is
// removed and errno is the step's error. The one way the save and an export replace a file.
Committed CommitTemporary(int fd, const std::string& temporary, const std::string& target, std::string_view bytes,
                          const struct stat* old);
// Takes flock `operation` (LOCK_SH or LOCK_EX) on `fd`, waiting until `deadline` at most.
bool WaitForLock(int fd, int operation, std::chrono::steady_clock::time_point deadline);

// What a reader finds beside the name: no sidecar (or one cut short, or one of another file),
// the whole text a save is writing or was killed writing, or a sidecar it cannot read, when
// it cannot tell whether the file is whole.
struct Pending {
    enum class State { None, Whole, Unreadable } state = State::None;
    std::string bytes;
};
// The sidecar beside `named` for the open file `file`, at most `largest` bytes of text.
Pending ReadPending(const std::string& named, const struct stat& file, std::size_t largest);

// Writes a save that a kill interrupted through to the file `named` leads to, and drops its
// sidecar; done by whoever takes the file's lock, before anything else. False when a sidecar
// is there that cannot be read, written through or removed: the file cannot be made whole.
bool FinishPendingWrite(const std::string& named);

// Rewrites `target` (the file `old` describes, holding `oldBytes`) in its own inode with
// `newBytes`, through the sidecar beside `named`, with the lock held. False, with the file as it
// was, when the sidecar cannot be made (a folder the game may not add to, a full disk) or the
// file cannot be written.
bool WriteInPlace(const std::string& named, const std::string& target, std::string_view oldBytes,
                  std::string_view newBytes, const struct stat& old);

}  // namespace platform::files
