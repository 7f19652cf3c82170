// SPDX-License-Identifier: GPL-3.0-or-later
// ini::text: the INI parser and editor, over the whole text of a file held in memory.
//
// The text is UTF-8 (a byte-order mark is skipped), with LF, CRLF or CR line breaks. Section and
// key names match regardless of letter case (ASCII). An edit touches only the lines it replaces
// (or the lines it adds): comments, blank lines, other sections, unknown keys, the byte-order
// mark and line endings stay byte for byte. Every read or edit goes over the text once, so a
// huge file costs time in proportion to its size, whatever the number of keys. Plain C++, no
// Qt, no disk: tests and the fuzzer drive it directly.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ini {

using Entry = std::pair<std::string_view, std::string_view>;  // key, value

// One key of an edit: its value replaces the one in the file, or, when `onlyIfMissing`, the
// key is written only if the section lacks it and an existing line is left as it stands; when
// `onlyIfPresent`, an existing line takes the value and a missing key is not added.
struct Update {
    std::string_view key;
    std::string_view value;
    bool onlyIfMissing = false;
    bool onlyIfPresent = false;
};

namespace text {

// The values of `keys` in `section`, in their order, without the spaces around them; nothing
// for a key (or section) that is missing. When a key appears more than once in the section
// (or in repeated headers of the same section), the first one counts. Lines before the first
// header belong to no section.
std::vector<std::optional<std::string>> FindValues(std::string_view fileText, std::string_view section,
                                                   std::span<const std::string_view> keys);

// FindValues for a single key.
std::optional<std::string> FindValue(std::string_view fileText, std::string_view section,
                                     std::string_view key);

// The file text after the updates; `fileText` empty stands for a new file. Keys missing from
// the section join it in the order given, after its last entry (under its first header), so
// that blank lines and comments introducing the next section stay in front of it; a missing
// section is added at the end. When two updates name the same key, the later value counts.
std::string SetValues(std::string_view fileText, std::string_view section, std::span<const Update> updates);

// SetValues for plain entries, and for a single key.
std::string SetValues(std::string_view fileText, std::string_view section, std::span<const Entry> entries);
std::string SetValue(std::string_view fileText, std::string_view section, std::string_view key,
                     std::string_view value);

// Whether `holds` is true of every line a reader takes a meaning from: all but blank lines and
// comments (";" or "#" after blanks), each without its line break and the first without the
// byte-order mark that may open the text. The encoding check asks it, so that it skips the very
// lines this parser skips.
bool EveryMeaningfulLine(std::string_view fileText, bool (*holds)(std::string_view line));

// Whether a section name, key name and value can be written without changing the
// meaning of any other line.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value);

}  // namespace text

}  // namespace ini
