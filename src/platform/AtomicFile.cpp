// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <random>
#include <string_view>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/BoundedRead.h"
#include "platform/InPlaceWrite.h"
#include "platform/PathNames.h"

namespace platform {

using files::ResolveLinks;

namespace {

enum class ReadStatus { Ok, Missing, Failed };

struct FileContent {
    ReadStatus status = ReadStatus::Failed;
    int error = EIO;  // why it failed, as the system says it
    std::string bytes;
    struct stat info {};
};

// Reads the file at `path`. A reader (`named`, the name it was asked for) first waits for a save
// of the file under way, which holds the file's lock while it writes it in place, and takes
// what a save killed part way meant the file to hold; a save reads with the lock in hand.
FileContent ReadFile(const std::string& path, std::size_t largest, const std::string* named = nullptr) {
    FileContent result;
    // O_NONBLOCK: a named pipe in the file's place must not hang the game.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.status = (errno == ENOENT) ? ReadStatus::Missing : ReadStatus::Failed;
        result.error = errno;
        return result;
    }
    // Anything but a regular file (a directory in the file's place, a device) is not a file
    // the game keeps: reading gives nothing and writing must not replace it.
    if (::fstat(fd, &result.info) != 0 || !S_ISREG(result.info.st_mode)) {
        result.error = S_ISDIR(result.info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return result;
    }
    if (named != nullptr) {
        // A save that holds the lock past the wait leaves the file unread; a file system
        // without locks has no save to wait for.
        const bool waited = files::WaitForLock(fd, LOCK_SH, std::chrono::steady_clock::now() + kLockWait) ||
                            (errno != EWOULDBLOCK && errno != EINTR);
        files::Pending pending;
        if (waited && ::fstat(fd, &result.info) == 0) {
            pending = files::ReadPending(*named, result.info, largest);
        } else {
            pending.state = files::Pending::State::Unreadable;
        }
        if (pending.state != files::Pending::State::None) {
            ::close(fd);
            if (pending.state == files::Pending::State::Whole) {
                result.bytes = std::move(pending.bytes);
                result.status = ReadStatus::Ok;
            }
            result.error = EWOULDBLOCK;
            return result;
        }
    }
    // Neither is a file too large to be one, nor one that grows too large while it is read.
    std::optional<std::string> bytes = files::ReadBounded(fd, largest, files::OverBound::Refuse);
    if (!bytes) {
        result.error = errno;
        ::close(fd);
        return result;
    }
    ::close(fd);
    result.bytes = std::move(*bytes);
    result.status = ReadStatus::Ok;
    return result;
}

}  // namespace

namespace files {

std::optional<std::string> ResolveLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    return std::nullopt;  // a loop of links
}

}  // namespace files

// mkdir -p. New directories are private to the player, as is usual for a configuration
// directory; a regular file standing where a directory should be makes this fail.
bool MakeDirectories(const std::string& dir) {
    std::size_t pos = 0;
    while (pos != std::string::npos) {
        pos = dir.find('/', pos + 1);
        const std::string prefix = dir.substr(0, pos);
        if (prefix.empty() || ::mkdir(prefix.c_str(), 0700) == 0)
            continue;
        // Already there (or not ours to create): fine as long as it is a directory.
        const int refused = errno;
        struct stat info {};
        const bool there = ::stat(prefix.c_str(), &info) == 0;
        if (!there || !S_ISDIR(info.st_mode)) {
            errno = there ? ENOTDIR : refused;
            return false;
        }
    }
    return true;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

namespace {

// Temporary files of this game: ".<name>.new-" and sixteen random hexadecimal digits, made
// only while the lock is held. An older game named its own ".<name>.tmp-<pid>-<n>".
std::string TemporaryPrefix(const std::string& base) {
    return "." + base + ".new-";
}

std::string OldTemporaryPrefix(const std::string& base) {
    return "." + base + ".tmp-";
}

constexpr std::size_t kRandomDigits = 16;

std::string RandomSuffix() {
    static std::random_device source;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string suffix;
    while (suffix.size() < kRandomDigits) {
        for (unsigned bits = source(), k = 0; k < 8; ++k, bits >>= 4) suffix.push_back(kHex[bits & 0xF]);
    }
    suffix.resize(kRandomDigits);
    return suffix;
}

// Removes what killed saves left beside the target. Called with the lock held: as no other
// save can be under way, every temporary file of this game's own kind is a leftover, whatever
// process or namespace made it; any other file of the temporary kind goes once it is stale.
void RemoveLeftoverTemporaries(const std::string& dir, const std::string& base) {
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr)
        return;
    const std::string prefix = TemporaryPrefix(base);
    const std::string oldPrefix = OldTemporaryPrefix(base);
    const auto now = std::chrono::system_clock::now();
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        const std::string_view rest =
            name.substr(std::min(name.size(), name.starts_with(prefix) ? prefix.size() : oldPrefix.size()));
        if (name.starts_with(prefix) && rest.size() == kRandomDigits &&
            rest.find_first_not_of("0123456789abcdef") == std::string_view::npos) {
            leftovers.emplace_back(name);
        } else if (name.starts_with(oldPrefix)) {
            struct stat info {};
            if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISREG(info.st_mode) &&
                now - std::chrono::system_clock::from_time_t(info.st_mtime) > kStaleTemporary) {
                leftovers.emplace_back(name);
            }
        }
    }
    ::closedir(listing);
    for (const std::string& name : leftovers) ::unlink((dir + "/" + name).c_str());
}

// Creates a fresh temporary file beside the target. Mode 0666 lets the umask decide the
// permissions of a brand-new settings file, as for any file the player's programs create.
int CreateTemporary(const std::string& dir, const std::string& base, std::string& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = dir + "/" + TemporaryPrefix(base) + RandomSuffix();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

enum class Replaced { Yes, Failed, Refused };

// The usual way: a temporary file renamed over the target. Refused (with nothing left
// behind) when the folder does not let the game create or rename the file.
Replaced ReplaceFile(const std::string& target, std::string_view newBytes, const FileContent& old) {
    const std::string dir = DirectoryOf(target);
    std::string tempPath;
    const int fd = CreateTemporary(dir, BaseNameOf(target), tempPath);
    if (fd < 0)
        return (errno == EACCES || errno == EPERM) ? Replaced::Refused : Replaced::Failed;
    const files::Committed done =
        files::CommitTemporary(fd, tempPath, target, newBytes, old.status == ReadStatus::Ok ? &old.info : nullptr);
    if (done.ok)
        return Replaced::Yes;
    return done.atRename && (done.error == EACCES || done.error == EPERM) ? Replaced::Refused : Replaced::Failed;
}

// A replace would make a different file of it: another owner that the game cannot restore,
// or a second name that would keep the old bytes.
bool MustWriteInPlace(const FileContent& old) {
    if (old.status != ReadStatus::Ok)
        return false;
    return old.info.st_nlink > 1 || (old.info.st_uid != ::geteuid() && ::geteuid() != 0);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t largest) {
    FileContent file = ReadFile(path, largest, &path);
    if (file.status != ReadStatus::Ok)
        return std::nullopt;
    return std::move(file.bytes);
}

namespace {

bool Refuse(int error) {
    errno = error;
    return false;
}

}  // namespace

bool RewriteFile(const std::string& path, std::size_t largest, const Rewrite& rewrite) {
    // An empty name has no directory: the temporary files would go to, and be swept from,
    // wherever the game happens to run.
    if (path.empty())
        return Refuse(ENOENT);
    const std::optional<std::string> target = ResolveLinks(path);
    if (!target)
        return Refuse(ELOOP);
    if (!MakeDirectories(DirectoryOf(*target)))
        return false;
    const FileLock lock(path);
    if (!lock.held())
        return Refuse(EWOULDBLOCK);
    RemoveLeftoverTemporaries(DirectoryOf(*target), BaseNameOf(*target));
    FileContent old = ReadFile(*target, largest);
    if (old.status == ReadStatus::Failed)
        return Refuse(old.error);
    // A file the player made read-only stays as it is, although the directory would allow
    // replacing it, and even when the game runs as root, which the bits do not stop.
    if (old.status == ReadStatus::Ok &&
        ((old.info.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0)) {
        return Refuse(EACCES);
    }
    const std::string oldBytes = old.bytes;
    const std::optional<std::string> newBytes = rewrite(std::move(old.bytes));
    // A file the game could not read back would cost the player every setting at the next start.
    if (!newBytes)
        return Refuse(EINVAL);
    if (newBytes->size() > largest)
        return Refuse(EFBIG);
    if (*newBytes == oldBytes && old.status == ReadStatus::Ok)
        return true;  // nothing changed: the file, its times and its links stay as they are
    if (MustWriteInPlace(old))
        return files::WriteInPlace(path, *target, oldBytes, *newBytes, old.info);
    const Replaced replaced = ReplaceFile(*target, *newBytes, old);
    if (replaced == Replaced::Refused && old.status == ReadStatus::Ok)
        return files::WriteInPlace(path, *target, oldBytes, *newBytes, old.info);
    return replaced == Replaced::Yes;
}

bool SettleFile(const std::string& path, std::size_t largest, const std::function<Fate(const FileFound&)>& decide,
                const std::string& aside) {
    if (path.empty())
        return Refuse(ENOENT);
    const std::optional<std::string> target = ResolveLinks(path);
    if (!target)
        return Refuse(ELOOP);
    const FileLock lock(path);
    if (!lock.held())
        return Refuse(EWOULDBLOCK);
    FileContent found = ReadFile(*target, largest);
    if (found.status == ReadStatus::Missing)
        return true;
    FileFound file;
    file.regular = found.status == ReadStatus::Ok || S_ISREG(found.info.st_mode);
    if (found.status == ReadStatus::Ok)
        file.bytes = std::move(found.bytes);
    switch (decide(file)) {
        case Fate::Keep:
            return true;
        case Fate::Remove:
            if (::unlink(target->c_str()) != 0)
                return false;
            break;
        case Fate::SetAside:
            if (::rename(target->c_str(), aside.c_str()) != 0)
                return false;
            break;
    }
    files::SyncDirectory(DirectoryOf(*target));
    return true;
}

}  // namespace platform
