// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ExportFile.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <optional>
#include <random>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/InPlaceWrite.h"
#include "platform/PathNames.h"

namespace platform {

namespace {

Exported Failed(int error) {
    return {Exported::Outcome::Failed, error};
}

// The temporary files of an export: ".<name>.part-" and sixteen random hexadecimal digits.
constexpr std::string_view kPart = ".part-";
constexpr std::size_t kRandomDigits = 16;
constexpr std::string_view kHex = "0123456789abcdef";

std::string TemporaryPrefix(const std::string& base) {
    return "." + base + std::string(kPart);
}

std::string RandomDigits() {
    static std::random_device source;
    std::string digits;
    while (digits.size() < kRandomDigits) {
        for (unsigned bits = source(), k = 0; k < 8 && digits.size() < kRandomDigits; ++k, bits >>= 4)
            digits.push_back(kHex[bits & 0xF]);
    }
    return digits;
}

// A reader that closes the pipe early ends the write with EPIPE, not the game with SIGPIPE: the
// signal is held back on this thread while it writes, and one it raised is taken off again.
Exported IntoPipe(const std::string& path, std::string_view bytes) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return Failed(errno);
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISFIFO(opened.st_mode)) {
        ::close(fd);  // something else took the pipe's place meanwhile
        return {Exported::Outcome::NotAFile, 0};
    }
    sigset_t pipeSignal, before;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &before);
    sigset_t pending;
    const bool pendingBefore = sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE);
    bool ok = WriteAll(fd, bytes);
    int error = ok ? 0 : errno;
    if (!ok && error == EPIPE && !pendingBefore) {
        const timespec none{};
        sigtimedwait(&pipeSignal, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok ? Exported{Exported::Outcome::Written, 0} : Failed(error != 0 ? error : EIO);
}

// Removes the temporary files of `base` that killed writes left in the folder open as
// `folder`, whose lock is held: only names of the export's own pattern, only regular files.
void RemoveLeftovers(int folder, const std::string& base) {
    const int listed = ::dup(folder);
    DIR* listing = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (listing == nullptr) {
        if (listed >= 0)
            ::close(listed);
        return;
    }
    ::rewinddir(listing);
    const std::string prefix = TemporaryPrefix(base);
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix) || name.size() != prefix.size() + kRandomDigits ||
            name.substr(prefix.size()).find_first_not_of(kHex) != std::string_view::npos)
            continue;
        struct stat info {};
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            leftovers.emplace_back(name);
    }
    ::closedir(listing);
    for (const std::string& name : leftovers) ::unlinkat(folder, name.c_str(), 0);
}

// The folder's lock, held while the object lives. Where the folder cannot be read or its file
// system has no locks, the write goes on without it and sweeps nothing; `busy` when another
// writer keeps it beyond the wait, as a write that went on then could have its temporary file
// swept by the next one to take the lock.
class FolderTurn {
  public:
    explicit FolderTurn(const std::string& dir)
        : m_fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        m_held = m_fd >= 0 && files::WaitForLock(m_fd, LOCK_EX, std::chrono::steady_clock::now() + kLockWait);
        m_busy = m_fd >= 0 && !m_held && (errno == EWOULDBLOCK || errno == EINTR);
    }
    ~FolderTurn() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderTurn(const FolderTurn&) = delete;
    FolderTurn& operator=(const FolderTurn&) = delete;
    int fd() const { return m_fd; }
    bool held() const { return m_held; }
    bool busy() const { return m_busy; }

  private:
    int m_fd;
    bool m_held = false;
    bool m_busy = false;
};

Exported Replace(const std::string& target, std::string_view bytes) {
    const std::string dir = DirectoryOf(target);
    const std::string base = BaseNameOf(target);
    struct stat folder {};
    if (::stat(dir.c_str(), &folder) != 0)
        return Failed(errno);  // a missing folder says so, rather than what the lock met
    if (!S_ISDIR(folder.st_mode))
        return Failed(ENOTDIR);
    const FolderTurn turn(dir);
    if (turn.busy())
        return Failed(EWOULDBLOCK);
    if (turn.held())
        RemoveLeftovers(turn.fd(), base);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return Failed(EISDIR);
    if (exists && !S_ISREG(old.st_mode))
        return {Exported::Outcome::NotAFile, 0};
    // A file the player made read-only stays as it is, even for root, whom the bits do not stop.
    if (exists && ((old.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return Failed(EACCES);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = dir + "/" + TemporaryPrefix(base) + RandomDigits();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return Failed(errno);
    }
    if (fd < 0)
        return Failed(EEXIST);
    const files::Committed done = files::CommitTemporary(fd, temporary, target, bytes, exists ? &old : nullptr);
    if (!done.ok)
        return Failed(done.error != 0 ? done.error : EIO);
    return {Exported::Outcome::Written, 0};
}

}  // namespace

Exported WriteExport(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return Failed(ENOENT);
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISFIFO(info.st_mode))
            return IntoPipe(path, bytes);
        if (S_ISDIR(info.st_mode))
            return Failed(EISDIR);
        if (!S_ISREG(info.st_mode))
            return {Exported::Outcome::NotAFile, 0};
    } else if (errno != ENOENT) {
        return Failed(errno);  // a file in a folder's place, a folder the game may not enter, a loop
    }
    const std::optional<std::string> target = files::ResolveLinks(path);
    if (!target)
        return Failed(ELOOP);
    return Replace(*target, bytes);
}

}  // namespace platform
