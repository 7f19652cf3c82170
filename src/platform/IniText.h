// SPDX-License-Identifier: GPL-3.0-or-later
// ini::text: the INI parser and editor, over the whole text of a file held in memory.
//
// The text is UTF-8 (a byte-order mark is skipped), with LF or CRLF line breaks. Section and key
// names match regardless of letter case (ASCII). An edit touches only the line it replaces (or
// the lines it adds): comments, blank lines, other sections, unknown keys, the byte-order mark
// and line endings stay byte for byte. Plain C++, no Qt, no disk: tests and the fuzzer drive it
// directly.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace ini {

using Entry = std::pair<std::string_view, std::string_view>;  // key, value

namespace text {

// The value of `key` in `section`, without the spaces around it; nothing when the section or
// the key is missing. When a key appears more than once in the section (or in repeated headers
// of the same section), the first one counts. Lines before the first header belong to no
// section.
std::optional<std::string> FindValue(std::string_view fileText, std::string_view section,
                                     std::string_view key);

// The file text after setting the key; `fileText` empty stands for a new file.
std::string SetValue(std::string_view fileText, std::string_view section, std::string_view key,
                     std::string_view value);

// SetValue for each entry in turn.
std::string SetValues(std::string_view fileText, std::string_view section, std::span<const Entry> entries);

// Whether a section name, key name and value can be written without changing the
// meaning of any other line.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value);

}  // namespace text

}  // namespace ini
