// SPDX-License-Identifier: GPL-3.0-or-later
// The lock the writers of one file take turns under: the lock file beside the name the player
// gave, and the file itself, whatever name leads to it.
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/InPlaceWrite.h"

namespace platform {

namespace {

constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

// Opens the lock file, making it when there is none. -1 with `cannotBeMade` when the folder
// will not let the game add it; -1 alone when it is there but cannot be opened (another
// user's, a link, anything but a regular file), which nothing may stand in for.
int OpenLockFile(const std::string& lockPath, bool& cannotBeMade) {
    cannotBeMade = false;
    // Opened before it is created: a kernel guarding sticky folders refuses O_CREAT on a
    // lock file another user made, although it could be locked all the same.
    int fd = ::open(lockPath.c_str(), kOpenFlags);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(lockPath.c_str(), kOpenFlags | O_CREAT, 0666);
        if (fd < 0 && (errno == EACCES || errno == EPERM)) {
            // Another user's game may have made it meanwhile in a sticky folder.
            fd = ::open(lockPath.c_str(), kOpenFlags);
            cannotBeMade = fd < 0 && errno == ENOENT;
        }
    }
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    return fd;
}

}  // namespace

FileLock::FileLock(const std::string& path) {
    Take(path);
}

FileLock::~FileLock() {
    Release();
}

void FileLock::Release() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_fileFd >= 0)
        ::close(m_fileFd);
    m_fd = m_fileFd = -1;
    m_held = false;
}

// The lock file lies beside the name the player gave, in the folder the player chose for the
// game's files, never beside what a link leads to (a device, a system folder); it stays, as
// removing it would let a waiting writer lock a file nobody else sees. As a file may have more
// than one name (a link from another folder, a second configuration folder), its writers also
// lock the file itself, after the lock file: two names of one file exclude each other there.
// A file that another save replaced while this one waited is locked afresh under its name.
// Where the folder will not let the game add a lock file, the file itself carries the lock.
// A device, a pipe, a loop of links is no file of the game's: nothing is made beside it.
void FileLock::Take(const std::string& path) {
    if (path.empty())
        return;
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    struct stat named {};
    const bool exists = ::stat(path.c_str(), &named) == 0;
    if (exists ? !S_ISREG(named.st_mode) && !S_ISDIR(named.st_mode) : errno != ENOENT)
        return;
    bool cannotBeMade = false;
    m_fd = OpenLockFile(files::BesideName(path, "lock"), cannotBeMade);
    if (m_fd < 0 && !cannotBeMade)
        return;
    if (m_fd >= 0 && !files::WaitForLock(m_fd, LOCK_EX, deadline)) {
        Release();
        return;
    }
    for (;;) {
        const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        struct stat locked {};
        if (file < 0 || ::fstat(file, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            // No file yet (the lock file guards its making) or a directory in its place.
            const bool noFile = file < 0 ? errno == ENOENT : true;
            if (file >= 0)
                ::close(file);
            m_held = noFile && m_fd >= 0;
            break;
        }
        struct stat now {};
        if (!files::WaitForLock(file, LOCK_EX, deadline)) {
            ::close(file);
            Release();
            return;
        }
        if (::stat(path.c_str(), &now) == 0 && now.st_dev == locked.st_dev && now.st_ino == locked.st_ino) {
            m_fileFd = file;
            m_held = true;
            break;
        }
        ::close(file);
        if (std::chrono::steady_clock::now() > deadline)
            break;
    }
    // Whoever holds the lock finds the file whole: a save that a kill cut short while it wrote
    // the file in place is written through first, before anything is read or appended.
    if (!m_held || !files::FinishPendingWrite(path))
        Release();
}

}  // namespace platform
