// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

enum class ReadStatus { Ok, Missing, Failed };

struct FileContent {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes;
    struct stat info {};
};

FileContent ReadFile(const std::string& path, std::size_t largest) {
    FileContent result;
    // O_NONBLOCK: a named pipe in the file's place must not hang the game.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.status = (errno == ENOENT) ? ReadStatus::Missing : ReadStatus::Failed;
        return result;
    }
    // Anything but a regular file (a directory in the file's place, a device) is not a file
    // the game keeps: reading gives nothing and writing must not replace it. Neither does a
    // file too large to be one.
    if (::fstat(fd, &result.info) != 0 || !S_ISREG(result.info.st_mode) ||
        static_cast<std::uint64_t>(result.info.st_size) > largest) {
        ::close(fd);
        return result;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return result;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read is held to the same bound.
        if (result.bytes.size() > largest) {
            ::close(fd);
            return result;
        }
    }
    ::close(fd);
    result.status = ReadStatus::Ok;
    return result;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows a chain of symbolic links to the file that really holds the settings (which need
// not exist yet), so that a write replaces the target and leaves the link in place.
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
        struct stat info {};
        if (::stat(prefix.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            return false;
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

std::string TemporaryPrefix(const std::string& base) {
    return "." + base + ".tmp-";
}

// Removes the temporary files that earlier runs left beside the target when they were killed
// in the middle of a save: those whose process no longer runs, and those bearing this
// process's own number (a save always removes its own, so such a file belongs to an earlier
// process that had the same number). A file of a game that is saving right now stays.
void RemoveLeftoverTemporaries(const std::string& dir, const std::string& base) {
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr)
        return;
    const std::string prefix = TemporaryPrefix(base);
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix))
            continue;
        // The rest is "<pid>-<n>", both decimal.
        const std::string_view rest = name.substr(prefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size() ||
            rest.find_first_not_of("0123456789-") != std::string_view::npos ||
            rest.find('-', dash + 1) != std::string_view::npos || dash > 9) {
            continue;
        }
        const long pid = std::stol(std::string(rest.substr(0, dash)));
        const bool running = pid != ::getpid() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
        if (!running)
            leftovers.emplace_back(name);
    }
    ::closedir(listing);
    for (const std::string& name : leftovers) ::unlink((dir + "/" + name).c_str());
}

// Creates a fresh temporary file beside the target. Mode 0666 lets the umask decide the
// permissions of a brand-new settings file, as for any file the player's programs create.
int CreateTemporary(const std::string& dir, const std::string& base, std::string& tempPath) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath =
            dir + "/" + TemporaryPrefix(base) + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool ReplaceFile(const std::string& target, std::string_view newBytes, const FileContent& old) {
    const std::string dir = DirectoryOf(target);
    RemoveLeftoverTemporaries(dir, BaseNameOf(target));
    std::string tempPath;
    const int fd = CreateTemporary(dir, BaseNameOf(target), tempPath);
    if (fd < 0)
        return false;
    bool ok = true;
    if (old.status == ReadStatus::Ok) {
        ok = ::fchmod(fd, old.info.st_mode & 07777) == 0;
        // Only root can give a file away; when it edits someone's file, the file stays theirs.
        if (ok && (old.info.st_uid != ::geteuid() || old.info.st_gid != ::getegid())) {
            (void)!::fchown(fd, old.info.st_uid, old.info.st_gid);
        }
    }
    ok = ok && WriteAll(fd, newBytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncDirectory(dir);
    return true;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t largest) {
    FileContent file = ReadFile(path, largest);
    if (file.status != ReadStatus::Ok)
        return std::nullopt;
    return std::move(file.bytes);
}

bool RewriteFile(const std::string& path, std::size_t largest, const Rewrite& rewrite) {
    // An empty name has no directory: the temporary files would go to, and be swept from,
    // wherever the game happens to run.
    if (path.empty())
        return false;
    const std::optional<std::string> target = ResolveLinks(path);
    if (!target || !MakeDirectories(DirectoryOf(*target)))
        return false;
    FileContent old = ReadFile(*target, largest);
    if (old.status == ReadStatus::Failed)
        return false;
    // A file the player made read-only stays as it is, although the directory would allow
    // replacing it, and even when the game runs as root, which the bits do not stop.
    if (old.status == ReadStatus::Ok &&
        ((old.info.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0)) {
        return false;
    }
    const std::optional<std::string> newBytes = rewrite(std::move(old.bytes));
    if (!newBytes)
        return false;
    return ReplaceFile(*target, *newBytes, old);
}

}  // namespace platform
