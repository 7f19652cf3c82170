// SPDX-License-Identifier: GPL-3.0-or-later
// AtomicFile: reading a small file whole, and rewriting it under a lock so that it is never
// seen torn and two programs saving together do not lose each other's changes.
//
// Both work on regular files only: a directory, a device or a named pipe in the file's place
// is neither read (and never blocks the caller) nor replaced. Plain C++ and POSIX, no Qt.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// How long a save waits for another program's save of the same file to finish.
inline constexpr std::chrono::milliseconds kLockWait{5000};
// A temporary file of an unknown kind beside the target (one of an older game, which named
// its files by process number) is a leftover once it is this old: no save takes so long.
inline constexpr std::chrono::seconds kStaleTemporary{30};

// The bytes of the file at `path`; nothing when it is missing, is not a regular file, cannot
// be read, or holds more than `largest` bytes (also when it grows past them while it is read).
// Never a file half written: a save writing it in place is waited for (up to kLockWait, then
// nothing), and what a save killed part way was writing counts as the file's bytes.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t largest);

// What a rewrite makes of a file's present bytes (empty when there is no file yet); nothing
// stops the rewrite and keeps the file as it is.
using Rewrite = std::function<std::optional<std::string>(std::string oldBytes)>;

// Rewrites the file at `path` with what `rewrite` makes of the bytes it holds at this moment,
// all or nothing, while holding its lock (FileLock), so that the file cannot change between
// the reading and the writing. The kernel drops the lock when its holder dies, in whatever
// process namespace it ran, so a killed game never leaves a stale lock. The new bytes go to a
// temporary file of a random name beside the target, are flushed to disk and renamed over it,
// so a crash, a kill or a full disk leaves either the whole old file or the whole new one;
// temporary files that earlier saves left behind are removed. Missing directories are
// created, private to the player. The file keeps its permission bits and its owner, and a
// symbolic link is written through to its target (which need not exist yet) rather than
// replaced.
//
// The file is written in place instead (its own inode: owner, hard links and all) when a
// replace would change what the file is: it belongs to another user and the game cannot give
// it back (not root), it has further hard links, or the directory refuses the rename although
// the file itself is writable (a sticky folder). The whole new text then first goes, flushed to
// disk, into the hidden ".<name>.pending" beside the name `path`, which stands for the file
// until the file holds it: a kill at any moment leaves the whole old or the whole new text to
// every reader, and the next rewrite writes a killed one through before anything else. Where
// that sidecar cannot be made (a folder the game may not add to), the rewrite is refused.
//
// Returns false, with the old file untouched, when the path is empty, the links loop, a
// directory cannot be made, the lock cannot be had within kLockWait, the file cannot be read
// as ReadWholeFile would, it has no write permission bit (even for root) or the caller may
// not write it, `rewrite` gives nothing or more than `largest` bytes (which could never be read
// back), or writing fails; errno then says why, as the system words it (EISDIR for a directory
// in the file's place, EACCES for a read-only file, EWOULDBLOCK for a lock not had in time,
// ENOSPC or EFBIG for a full disk or a file-size limit, EINVAL when `rewrite` refused).
bool RewriteFile(const std::string& path, std::size_t largest, const Rewrite& rewrite);

// What a file the game has finished with becomes (SettleFile).
enum class Fate { Keep, Remove, SetAside };
// The file as SettleFile finds it: a regular file (through links), and its bytes when it holds
// at most the bound (nothing for a larger one, or one that cannot be read).
struct FileFound {
    bool regular = false;
    std::optional<std::string> bytes;
};
// Decides on the file at `path` as it stands while its lock (FileLock) is held, so that no other
// game's save comes between the look and the deed: `decide` says whether it stays, is removed
// or is set aside, renamed to `aside` (in the same folder) over whatever was there. A missing
// file is not decided on. False, with the file as it was, when the lock cannot be had or the
// deed fails (errno says why).
bool SettleFile(const std::string& path, std::size_t largest, const std::function<Fate(const FileFound&)>& decide,
                const std::string& aside);

// The exclusive lock a rewrite of `path` holds, for the other writers of the same file to take
// their turn under: an flock on the hidden ".<name>.lock" beside the name `path` (never beside
// what a link leads to), and one on the file itself, so that two names of one file exclude
// each other too. Waited for up to kLockWait, and released when the object goes. Whoever
// holds it finds the file whole: an in-place rewrite that a kill cut short is written through
// first. Not held when the lock file is there but cannot be opened (another user's), since
// nothing else may stand in for it, nor when a cut-short rewrite cannot be written through.
class FileLock {
  public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return m_held; }

  private:
    void Take(const std::string& path);
    void Release();
    int m_fd = -1;      // the lock file
    int m_fileFd = -1;  // the file itself, when there is one
    bool m_held = false;
};

// The pieces the game's other files (the history) share with the save:
// mkdir -p of `dir`, new directories private to the player; false when one cannot be made or
// something other than a directory stands in the way.
bool MakeDirectories(const std::string& dir);
// Writes all of `data` to `fd`, through interrupted and partial writes; false on an error.
bool WriteAll(int fd, std::string_view data);

}  // namespace platform
