#include "IniFile.h"

#include <cerrno>
#include <climits>
#include <cstddef>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ini {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

enum class LineKind { Blank, Comment, Header, Key, Other };

// One physical line of the file. A CR before the LF belongs to the line break, so CRLF
// files read exactly like LF files.
struct Line {
    std::size_t begin = 0;       // first byte of the line (after a BOM on the first line)
    std::size_t contentEnd = 0;  // end of the text, before "\r\n" or "\n"
    std::size_t end = 0;         // one past the line break (== contentEnd on an unterminated last line)
    LineKind kind = LineKind::Other;
    std::string_view name;       // section name of a header, key name of a key line
    std::size_t valueBegin = 0;  // key lines: where the value text starts (after "=" and blanks)
    bool inSection = false;      // whether the line lies in a section of the wanted name
};

// Splits the text into classified lines, marking those that belong to `section`. Lines
// before the first header belong to no section at all.
std::vector<Line> ParseLines(std::string_view text, std::string_view section) {
    std::vector<Line> lines;
    std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    bool inWanted = false;
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        const std::size_t lf = text.find('\n', pos);
        if (lf == std::string_view::npos) {
            line.contentEnd = line.end = text.size();
        } else {
            line.end = lf + 1;
            line.contentEnd = (lf > pos && text[lf - 1] == '\r') ? lf - 1 : lf;
        }
        const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
        const std::string_view trimmed = Trim(content);
        if (trimmed.empty()) {
            line.kind = LineKind::Blank;
        } else if (trimmed.front() == ';' || trimmed.front() == '#') {
            line.kind = LineKind::Comment;
        } else if (trimmed.front() == '[') {
            line.kind = LineKind::Header;
            std::string_view inner = trimmed.substr(1);
            inner = inner.substr(0, inner.find(']'));
            line.name = Trim(inner);
            inWanted = SameName(line.name, section);
        } else if (const std::size_t eq = content.find('='); eq != std::string_view::npos) {
            line.kind = LineKind::Key;
            line.name = Trim(content.substr(0, eq));
            std::size_t v = line.begin + eq + 1;
            while (v < line.contentEnd && IsBlank(text[v])) ++v;
            line.valueBegin = v;
        }
        line.inSection = inWanted;
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

const Line* FindKeyLine(const std::vector<Line>& lines, std::string_view key) {
    for (const Line& line : lines) {
        if (line.inSection && line.kind == LineKind::Key && SameName(line.name, key))
            return &line;
    }
    return nullptr;
}

// New lines follow the file's own convention, judged by its first line break.
std::string_view LineBreakOf(std::string_view text) {
    const std::size_t lf = text.find('\n');
    if (lf != std::string_view::npos && lf > 0 && text[lf - 1] == '\r')
        return "\r\n";
    return "\n";
}

// ---- files ----------------------------------------------------------------------------

enum class ReadStatus { Ok, Missing, Failed };

struct FileContent {
    ReadStatus status = ReadStatus::Failed;
    std::string text;
    struct stat info {};
};

FileContent ReadWholeFile(const std::string& path) {
    FileContent result;
    // O_NONBLOCK: a named pipe in the file's place must not hang the game.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.status = (errno == ENOENT) ? ReadStatus::Missing : ReadStatus::Failed;
        return result;
    }
    // Anything but a regular file (a directory in the file's place, a device) is not a
    // settings file: reading gives nothing and writing must not replace it.
    if (::fstat(fd, &result.info) != 0 || !S_ISREG(result.info.st_mode)) {
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
        result.text.append(buffer, static_cast<std::size_t>(n));
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

// Creates a fresh temporary file beside the target. Mode 0666 lets the umask decide the
// permissions of a brand-new settings file, as for any file the player's programs create.
int CreateTemporary(const std::string& dir, const std::string& base, std::string& tempPath) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = dir + "/." + base + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
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

bool ReplaceFile(const std::string& target, std::string_view newText, const FileContent& old) {
    const std::string dir = DirectoryOf(target);
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
    ok = ok && WriteAll(fd, newText) && ::fsync(fd) == 0;
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

namespace text {

std::optional<std::string> FindValue(std::string_view fileText, std::string_view section,
                                     std::string_view key) {
    const std::vector<Line> lines = ParseLines(fileText, section);
    const Line* line = FindKeyLine(lines, key);
    if (line == nullptr)
        return std::nullopt;
    return std::string(Trim(fileText.substr(line->valueBegin, line->contentEnd - line->valueBegin)));
}

std::string SetValue(std::string_view fileText, std::string_view section, std::string_view key,
                     std::string_view value) {
    const std::vector<Line> lines = ParseLines(fileText, section);
    const std::string_view lineBreak = LineBreakOf(fileText);
    std::string result;
    result.reserve(fileText.size() + section.size() + key.size() + value.size() + 8);

    // The key exists: only its value changes; the key's spelling, the spaces around "=" and
    // the line break stay as the player wrote them.
    if (const Line* line = FindKeyLine(lines, key)) {
        result.append(fileText.substr(0, line->valueBegin));
        result.append(value);
        result.append(fileText.substr(line->contentEnd));
        return result;
    }

    // The section exists: the key joins it after its last entry, so that blank lines and
    // comments which introduce the next section stay in front of that section. Only the
    // first header of that name takes new keys.
    const Line* last = nullptr;
    for (const Line& line : lines) {
        if (last != nullptr && (!line.inSection || line.kind == LineKind::Header))
            break;
        if (!line.inSection)
            continue;
        if (line.kind != LineKind::Blank && line.kind != LineKind::Comment)
            last = &line;
    }
    if (last != nullptr) {
        result.append(fileText.substr(0, last->end));
        if (last->end == last->contentEnd)
            result.append(lineBreak);  // unterminated last line
        result.append(key).append("=").append(value).append(lineBreak);
        result.append(fileText.substr(last->end));
        return result;
    }

    // Neither: a new section at the end of the file.
    result.append(fileText);
    if (!result.empty() && result.back() != '\n' && result != kByteOrderMark)
        result.append(lineBreak);
    result.append("[").append(section).append("]").append(lineBreak);
    result.append(key).append("=").append(value).append(lineBreak);
    return result;
}

bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasBreak = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos;
    };
    if (section.empty() || hasBreak(section) || section.find(']') != std::string_view::npos ||
        Trim(section) != section) {
        return false;
    }
    if (key.empty() || hasBreak(key) || key.find('=') != std::string_view::npos || Trim(key) != key ||
        key.front() == '[' || key.front() == ';' || key.front() == '#') {
        return false;
    }
    // A value with blanks at either end would not read back as written.
    return !hasBreak(value) && Trim(value) == value;
}

}  // namespace text

std::optional<std::string> ReadValue(const std::string& path, std::string_view section,
                                     std::string_view key) {
    const FileContent file = ReadWholeFile(path);
    if (file.status != ReadStatus::Ok)
        return std::nullopt;
    return text::FindValue(file.text, section, key);
}

bool WriteValue(const std::string& path, std::string_view section, std::string_view key,
                std::string_view value) {
    if (path.empty() || !text::IsWritable(section, key, value))
        return false;
    const std::optional<std::string> target = ResolveLinks(path);
    if (!target || !MakeDirectories(DirectoryOf(*target)))
        return false;
    const FileContent old = ReadWholeFile(*target);
    if (old.status == ReadStatus::Failed)
        return false;
    // A file the player made read-only stays as it is, although the directory would allow
    // replacing it.
    if (old.status == ReadStatus::Ok && ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) {
        return false;
    }
    return ReplaceFile(*target, text::SetValue(old.text, section, key, value), old);
}

}  // namespace ini
