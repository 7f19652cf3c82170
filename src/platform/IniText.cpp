// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniText.h"

#include <algorithm>
#include <cstddef>

namespace ini::text {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
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

// One physical line of the file. CRLF, LF and a lone CR (old Mac editors) all end a line, so
// the three kinds of file read alike.
struct Line {
    std::size_t begin = 0;       // first byte of the line (after a BOM on the first line)
    std::size_t contentEnd = 0;  // end of the text, before the line break
    std::size_t end = 0;         // one past the line break (== contentEnd on an unterminated last line)
    LineKind kind = LineKind::Other;
    std::string_view name;       // section name of a header, key name of a key line
    std::size_t valueBegin = 0;  // key lines: where the value text starts (after "=" and blanks)
    bool inSection = false;      // whether the line lies in a section of the wanted name
};

// Calls `visit` for each line of the text in turn, marking those that belong to `section`;
// nothing is kept, so memory stays small however many lines the file has.
template <typename Visit>
void ForEachLine(std::string_view text, std::string_view section, Visit&& visit) {
    std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    bool inWanted = false;
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        std::size_t brk = pos;
        while (brk < text.size() && text[brk] != '\n' && text[brk] != '\r') ++brk;
        if (brk == text.size()) {
            line.contentEnd = line.end = text.size();
        } else {
            line.contentEnd = brk;
            line.end =
                (text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n') ? brk + 2 : brk + 1;
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
        visit(line);
        pos = line.end;
    }
}

// New lines follow the file's own convention, judged by its first line break.
std::string_view LineBreakOf(std::string_view text) {
    const std::size_t brk = text.find_first_of("\r\n");
    if (brk == std::string_view::npos || text[brk] == '\n')
        return "\n";
    return (brk + 1 < text.size() && text[brk + 1] == '\n') ? "\r\n" : "\r";
}

std::string_view ValueOf(std::string_view text, const Line& line) {
    return Trim(text.substr(line.valueBegin, line.contentEnd - line.valueBegin));
}

// A piece of the old text replaced by new text; an insertion replaces nothing.
struct Edit {
    std::size_t begin;
    std::size_t end;
    std::string text;
};

}  // namespace

std::vector<std::optional<std::string>> FindValues(std::string_view fileText, std::string_view section,
                                                   std::span<const std::string_view> keys) {
    std::vector<std::optional<std::string>> values(keys.size());
    std::size_t missing = keys.size();
    ForEachLine(fileText, section, [&](const Line& line) {
        if (missing == 0 || !line.inSection || line.kind != LineKind::Key)
            return;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (!values[i] && SameName(line.name, keys[i])) {
                values[i] = std::string(ValueOf(fileText, line));
                --missing;
            }
        }
    });
    return values;
}

bool EveryMeaningfulLine(std::string_view fileText, bool (*holds)(std::string_view line)) {
    bool all = true;
    ForEachLine(fileText, {}, [&](const Line& line) {
        if (all && line.kind != LineKind::Blank && line.kind != LineKind::Comment)
            all = holds(fileText.substr(line.begin, line.contentEnd - line.begin));
    });
    return all;
}

std::optional<std::string> FindValue(std::string_view fileText, std::string_view section,
                                     std::string_view key) {
    return FindValues(fileText, section, std::span(&key, 1)).front();
}

std::string SetValues(std::string_view fileText, std::string_view section, std::span<const Update> updates) {
    // One update a key: a later update of the same key gives its value to the first.
    std::vector<Update> wanted;
    for (const Update& update : updates) {
        const auto same = std::find_if(wanted.begin(), wanted.end(),
                                       [&](const Update& u) { return SameName(u.key, update.key); });
        if (same == wanted.end()) {
            wanted.push_back(update);
        } else {
            same->value = update.value;
            same->onlyIfMissing = same->onlyIfMissing && update.onlyIfMissing;
            same->onlyIfPresent = same->onlyIfPresent && update.onlyIfPresent;
        }
    }

    // One pass finds every key's line and the end of the section's first block of entries.
    std::vector<std::optional<Line>> found(wanted.size());
    std::optional<Line> last;  // the first block's last line that is neither blank nor comment
    bool firstBlockOver = false;
    ForEachLine(fileText, section, [&](const Line& line) {
        if (last && (!line.inSection || line.kind == LineKind::Header))
            firstBlockOver = true;
        if (!line.inSection)
            return;
        if (!firstBlockOver && line.kind != LineKind::Blank && line.kind != LineKind::Comment)
            last = line;
        if (line.kind != LineKind::Key)
            return;
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            if (!found[i] && SameName(line.name, wanted[i].key))
                found[i] = line;
        }
    });

    // New lines end as the line they follow does, so that in a file of mixed line ends a lone
    // CR never meets the LF of the next line and turns into one CRLF break; elsewhere as the
    // file's first line break.
    const std::string_view lineBreak = (last && last->end > last->contentEnd)
                                           ? fileText.substr(last->contentEnd, last->end - last->contentEnd)
                                           : LineBreakOf(fileText);
    // An existing key keeps its spelling, the spaces around "=" and its line break: only its
    // value changes.
    std::vector<Edit> edits;
    std::string added;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (found[i]) {
            if (!wanted[i].onlyIfMissing)
                edits.push_back({found[i]->valueBegin, found[i]->contentEnd, std::string(wanted[i].value)});
        } else if (!wanted[i].onlyIfPresent) {
            added.append(wanted[i].key).append("=").append(wanted[i].value).append(lineBreak);
        }
    }
    if (!added.empty()) {
        if (last) {
            std::string lines(last->end == last->contentEnd ? lineBreak : "");  // unterminated last line
            lines.append(added);
            edits.push_back({last->end, last->end, std::move(lines)});
        } else {
            std::string tail;
            if (!fileText.empty() && fileText.back() != '\n' && fileText.back() != '\r' &&
                fileText != kByteOrderMark) {
                tail.append(lineBreak);
            }
            tail.append("[").append(section).append("]").append(lineBreak).append(added);
            edits.push_back({fileText.size(), fileText.size(), std::move(tail)});
        }
    }

    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.begin != b.begin ? a.begin < b.begin : a.end < b.end;
    });
    std::size_t grown = 0;
    for (const Edit& edit : edits) grown += edit.text.size();
    std::string result;
    result.reserve(fileText.size() + grown);
    std::size_t copied = 0;
    for (const Edit& edit : edits) {
        result.append(fileText.substr(copied, edit.begin - copied)).append(edit.text);
        copied = edit.end;
    }
    result.append(fileText.substr(copied));
    return result;
}

std::string SetValues(std::string_view fileText, std::string_view section, std::span<const Entry> entries) {
    std::vector<Update> updates;
    updates.reserve(entries.size());
    for (const auto& [key, value] : entries) updates.push_back({key, value});
    return SetValues(fileText, section, std::span<const Update>(updates));
}

std::string SetValue(std::string_view fileText, std::string_view section, std::string_view key,
                     std::string_view value) {
    const Update update{key, value};
    return SetValues(fileText, section, std::span(&update, 1));
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
