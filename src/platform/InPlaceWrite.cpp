// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InPlaceWrite.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/BoundedRead.h"
#include "platform/PathNames.h"

namespace platform::files {

std::string BesideName(const std::string& path, std::string_view kind) {
    return DirectoryOf(path) + "/." + BaseNameOf(path) + "." + std::string(kind);
}

void SyncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

Committed CommitTemporary(int fd, const std::string& temporary, const std::string& target, std::string_view bytes,
                          const struct stat* old) {
    bool ok = true;
    if (old) {
        ok = ::fchmod(fd, old->st_mode & 07777) == 0;
        // Only root can give a file away; when it writes someone's file, the file stays theirs.
        if (ok && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()))
            (void)!::fchown(fd, old->st_uid, old->st_gid);
    }
    ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    bool atRename = false;
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
        atRename = true;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        errno = error;
        return {false, error, atRename};
    }
    SyncDirectory(DirectoryOf(target));
    return {true, 0, false};
}

bool WaitForLock(int fd, int operation, std::chrono::steady_clock::time_point deadline) {
    while (::flock(fd, operation | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

namespace {

// The sidecar: this header, then the whole new text. The identity of the file it is meant for
// keeps a sidecar from being applied to a file that was replaced since; the length and the
// checksum tell a sidecar cut short by a kill from a whole one.
struct Header {
    char magic[8];
    std::uint64_t device;
    std::uint64_t inode;
    std::uint64_t size;
    std::uint64_t checksum;
};
constexpr char kMagic[8] = {'S', 'p', 'x', 'S', 'a', 'v', 'e', '1'};
// A sidecar is written through whatever its size: it holds no more than its writer could read.
constexpr std::size_t kWholeSidecar = std::size_t{1} << 40;

std::uint64_t Checksum(const Header& header, std::string_view text) {
    std::uint64_t sum = 14695981039346656037ULL;  // 64-bit FNV-1a
    const auto mix = [&sum](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) sum = (sum ^ bytes[i]) * 1099511628211ULL;
    };
    mix(&header.device, sizeof header.device);
    mix(&header.inode, sizeof header.inode);
    mix(&header.size, sizeof header.size);
    mix(text.data(), text.size());
    return sum;
}

std::string PendingPath(const std::string& named) {
    return BesideName(named, "pending");
}

// Makes `fd` hold exactly `bytes`. The room is reserved before the first byte changes, so a
// full disk or a size limit mostly stops the write before it starts.
bool Overwrite(int fd, std::string_view bytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return false;
    const off_t oldSize = info.st_size;
    const auto newSize = static_cast<off_t>(bytes.size());
    if (newSize > oldSize && ::posix_fallocate(fd, 0, newSize) != 0) {
        (void)!::ftruncate(fd, oldSize);  // whatever the reservation added
        return false;
    }
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return ::ftruncate(fd, newSize) == 0 && ::fsync(fd) == 0;
}

// Writes the sidecar for the file `file`, flushed to disk with its name. It may be read by
// whoever may read the file, since it stands for the file until the file is written.
bool WriteSidecar(const std::string& path, const struct stat& file, std::string_view text) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return false;
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.device = static_cast<std::uint64_t>(file.st_dev);
    header.inode = static_cast<std::uint64_t>(file.st_ino);
    header.size = text.size();
    header.checksum = Checksum(header, text);
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok && info.st_uid == ::geteuid())
        ok = ::fchmod(fd, file.st_mode & 0666) == 0;
    ok = ok && WriteAll(fd, std::string_view(reinterpret_cast<const char*>(&header), sizeof header)) &&
         WriteAll(fd, text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        SyncDirectory(DirectoryOf(path));
    return ok;
}

// Removes the sidecar; one that the folder will not let the game remove (another user's, in a
// sticky folder) is emptied instead, which makes it one cut short.
bool DropSidecar(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return true;
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    return fd >= 0 && ::close(fd) == 0;
}

}  // namespace

Pending ReadPending(const std::string& named, const struct stat& file, std::size_t largest) {
    Pending result;
    const int fd = ::open(PendingPath(named).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        if (errno != ENOENT)
            result.state = Pending::State::Unreadable;
        return result;
    }
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.state = Pending::State::Unreadable;
    } else if (static_cast<std::uint64_t>(info.st_size) >= sizeof(Header)) {
        bytes = ReadBounded(fd, largest + sizeof(Header), OverBound::Refuse);
        // A text too large for the reader stands for a file it could not read either.
        if (!bytes)
            result.state = Pending::State::Unreadable;
    }
    ::close(fd);
    if (!bytes || bytes->size() < sizeof(Header))
        return result;
    Header header{};
    std::memcpy(&header, bytes->data(), sizeof header);
    const std::string_view text = std::string_view(*bytes).substr(sizeof header);
    if (std::memcmp(header.magic, kMagic, sizeof kMagic) == 0 &&
        header.device == static_cast<std::uint64_t>(file.st_dev) &&
        header.inode == static_cast<std::uint64_t>(file.st_ino) && header.size == text.size() &&
        header.checksum == Checksum(header, text)) {
        result.state = Pending::State::Whole;
        result.bytes.assign(text);
    }
    return result;
}

bool FinishPendingWrite(const std::string& named) {
    struct stat file {};
    // Without a file, no sidecar can be meant for it.
    const bool isFile = ::stat(named.c_str(), &file) == 0 && S_ISREG(file.st_mode);
    const Pending pending = isFile ? ReadPending(named, file, kWholeSidecar) : Pending{};
    if (pending.state == Pending::State::Unreadable)
        return false;
    if (pending.state == Pending::State::Whole) {
        const int fd = ::open(named.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        struct stat now {};
        bool ok = fd >= 0 && ::fstat(fd, &now) == 0 && now.st_dev == file.st_dev &&
                  now.st_ino == file.st_ino && Overwrite(fd, pending.bytes);
        ok = (fd >= 0 && ::close(fd) == 0) && ok;
        if (!ok)
            return false;
    }
    return DropSidecar(PendingPath(named));
}

bool WriteInPlace(const std::string& named, const std::string& target, std::string_view oldBytes,
                  std::string_view newBytes, const struct stat& old) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return false;
    struct stat now {};
    const std::string sidecar = PendingPath(named);
    bool ok = ::fstat(fd, &now) == 0 && S_ISREG(now.st_mode) && now.st_ino == old.st_ino &&
              now.st_dev == old.st_dev;
    if (ok && !WriteSidecar(sidecar, now, newBytes)) {
        (void)DropSidecar(sidecar);  // cut short: nothing of the file has changed
        ok = false;
    } else if (ok && !Overwrite(fd, newBytes)) {
        // The old text is put back; where even that fails, the sidecar stays, and the file
        // reads as the new text until the next save writes it through.
        if (Overwrite(fd, oldBytes))
            (void)DropSidecar(sidecar);
        ok = false;
    } else if (ok) {
        ok = DropSidecar(sidecar);
    }
    ok = (::close(fd) == 0) && ok;
    return ok;
}

}  // namespace platform::files
