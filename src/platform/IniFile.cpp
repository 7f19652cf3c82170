// SPDX-License-Identifier: GPL-3.0-or-later
#include "IniFile.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <vector>

#include <dirent.h>
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

// ---- UTF-16 files ----------------------------------------------------------------------

// Some editors save a file as UTF-16 with its byte-order mark. Such a file is parsed as the
// UTF-8 text it stands for (its mark becoming the UTF-8 mark the parser already skips) and
// written back in UTF-16 with the same byte order, so that it never mixes two encodings.
enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

Encoding EncodingOf(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return Encoding::Utf16LittleEndian;
    if (bytes.starts_with("\xFE\xFF"))
        return Encoding::Utf16BigEndian;
    return Encoding::Utf8;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Nothing when the bytes are not whole, well-paired UTF-16 code units: such a file could
// not be written back exactly, so it is treated as unreadable.
std::optional<std::string> DecodeUtf16(std::string_view bytes, Encoding encoding) {
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    const bool little = encoding == Encoding::Utf16LittleEndian;
    const auto unit = [&](std::size_t i) {
        const auto lo = static_cast<unsigned char>(bytes[i + (little ? 0 : 1)]);
        const auto hi = static_cast<unsigned char>(bytes[i + (little ? 1 : 0)]);
        return static_cast<std::uint32_t>(hi << 8 | lo);
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        std::uint32_t c = unit(i);
        if (c >= 0xDC00 && c <= 0xDFFF)
            return std::nullopt;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 2 >= bytes.size())
                return std::nullopt;
            const std::uint32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(out, c);
    }
    return out;
}

// Nothing when the text is not valid UTF-8 (a name or value given in another encoding).
std::optional<std::string> EncodeUtf16(std::string_view text, Encoding encoding) {
    const bool little = encoding == Encoding::Utf16LittleEndian;
    std::string out;
    out.reserve(text.size() * 2);
    const auto put = [&](std::uint32_t u) {
        const char lo = static_cast<char>(u & 0xFF);
        const char hi = static_cast<char>(u >> 8);
        out.push_back(little ? lo : hi);
        out.push_back(little ? hi : lo);
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t c = 0;
        if (lead < 0x80) {
            length = 1, c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, c = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = c << 6 | (next & 0x3F);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
        i += length;
    }
    return out;
}

// ---- files ----------------------------------------------------------------------------

enum class ReadStatus { Ok, Missing, Failed };

struct FileContent {
    ReadStatus status = ReadStatus::Failed;
    std::string text;  // UTF-8, whatever the encoding on disk
    Encoding encoding = Encoding::Utf8;
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
    // settings file: reading gives nothing and writing must not replace it. Neither does a
    // file too large to be one.
    if (::fstat(fd, &result.info) != 0 || !S_ISREG(result.info.st_mode) ||
        static_cast<std::uint64_t>(result.info.st_size) > kLargestFile) {
        ::close(fd);
        return result;
    }
    std::string bytes;
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
        bytes.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read is held to the same bound.
        if (bytes.size() > kLargestFile) {
            ::close(fd);
            return result;
        }
    }
    ::close(fd);
    result.encoding = EncodingOf(bytes);
    if (result.encoding == Encoding::Utf8) {
        result.text = std::move(bytes);
    } else {
        std::optional<std::string> decoded = DecodeUtf16(bytes, result.encoding);
        if (!decoded)
            return result;
        result.text = std::move(*decoded);
    }
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

bool ReplaceFile(const std::string& target, std::string_view newText, const FileContent& old) {
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

std::string SetValues(std::string_view fileText, std::string_view section, std::span<const Entry> entries) {
    std::string result(fileText);
    for (const auto& [key, value] : entries) result = SetValue(result, section, key, value);
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
    return ReadValues(path, section, std::span(&key, 1)).front();
}

std::vector<std::optional<std::string>> ReadValues(const std::string& path, std::string_view section,
                                                   std::span<const std::string_view> keys) {
    const FileContent file = ReadWholeFile(path);
    std::vector<std::optional<std::string>> values(keys.size());
    if (file.status != ReadStatus::Ok)
        return values;
    for (std::size_t i = 0; i < keys.size(); ++i) values[i] = text::FindValue(file.text, section, keys[i]);
    return values;
}

bool WriteValues(const std::string& path, std::string_view section, std::span<const Entry> entries) {
    if (path.empty())
        return false;
    for (const auto& [key, value] : entries) {
        if (!text::IsWritable(section, key, value))
            return false;
    }
    const std::optional<std::string> target = ResolveLinks(path);
    if (!target || !MakeDirectories(DirectoryOf(*target)))
        return false;
    const FileContent old = ReadWholeFile(*target);
    if (old.status == ReadStatus::Failed)
        return false;
    // A file the player made read-only stays as it is, although the directory would allow
    // replacing it, and even when the game runs as root, which the bits do not stop.
    if (old.status == ReadStatus::Ok &&
        ((old.info.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0)) {
        return false;
    }
    std::string newText = text::SetValues(old.text, section, entries);
    if (old.encoding != Encoding::Utf8) {
        std::optional<std::string> encoded = EncodeUtf16(newText, old.encoding);
        if (!encoded)
            return false;
        newText = std::move(*encoded);
    }
    return ReplaceFile(*target, newText, old);
}

bool WriteValue(const std::string& path, std::string_view section, std::string_view key,
                std::string_view value) {
    const Entry entry{key, value};
    return WriteValues(path, section, std::span(&entry, 1));
}

}  // namespace ini
