// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniText.h"

#include <cstddef>
#include <vector>

namespace ini::text {

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

}  // namespace

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

}  // namespace ini::text
