// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HistoryFile.h"

#include "platform/AtomicFile.h"
#include "platform/BoundedRead.h"
#include "platform/PathNames.h"
#include "platform/PlayerFolders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <string>

namespace platform {

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

}  // namespace

std::string HistoryPath() {
    const std::string folder = DataFolder();
    return folder.empty() ? folder : folder + "/SpEcTrUmIx/history.tsv";
}

namespace {

// As much of the file's first line as a header of many columns takes.
constexpr std::size_t kLongestHeader = 16384;

std::string FirstLine(int fd) {
    std::string line(kLongestHeader, '\0');
    ssize_t n = -1;
    do {
        n = ::pread(fd, line.data(), line.size(), 0);
    } while (n < 0 && errno == EINTR);
    line.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    line.resize(std::min(line.size(), line.find('\n')));
    return line;
}

}  // namespace

Appended AppendToHistory(const std::string& path, std::string_view header, std::string_view lines) {
    return AppendToHistory(path, header, [lines](std::string_view) { return std::string(lines); });
}

Appended AppendToHistory(const std::string& path, std::string_view header, const HistoryLines& lines) {
    if (path.empty()) {
        errno = ENOENT;
        return Appended::Failed;
    }
    if (!MakeDirectories(DirectoryOf(path)))
        return Appended::Failed;
    // Another game may be appending, or forgetting a level of the history, at the same moment:
    // they take turns, since a line being written can be seen half done, and a rewrite would
    // drop a line added to the file it has read, replacing it with its own. So a game that
    // cannot have its turn within the wait writes nothing and keeps its lines for later.
    const FileLock turn(path);
    if (!turn.held())
        return Appended::Busy;
    const Descriptor file(::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0)
        return Appended::Failed;
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return Appended::Failed;
    }
    std::string bytes;
    if (info.st_size == 0) {
        bytes = header;
        bytes += lines(header);
    } else {
        char last = '\n';
        if (::pread(file.get(), &last, 1, info.st_size - 1) == 1 && last != '\n')
            bytes = "\n";
        bytes += lines(FirstLine(file.get()));
    }
    // One write: with O_APPEND the whole lines land at the end, after any other game's line.
    // (The file is opened for reading too, to look at its last byte.)
    // errno stays the failed write's: closing the file afterwards sets it only when closing fails.
    return WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0 ? Appended::Done : Appended::Failed;
}

std::optional<std::string> ReadHistory(const std::string& path, std::size_t largest) {
    if (path.empty())
        return std::nullopt;
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return errno == ENOENT ? std::optional<std::string>(std::string()) : std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    // A history longer than the bound is read as far as it goes: the games in it still count.
    // What another game appends after the size was taken waits for the next reading.
    return files::ReadBounded(file.get(), std::min<std::size_t>(static_cast<std::size_t>(info.st_size), largest),
                                files::OverBound::Cut);
}

}  // namespace platform
