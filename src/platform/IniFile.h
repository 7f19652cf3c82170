// A small INI store that keeps a hand-edited file the way its owner left it.
//
// Two operations: read the text of a key in a section, and write the text of a key. A write
// touches only the one line it replaces (or the one or two lines it adds); comments, blank
// lines, other sections, unknown keys, a byte-order mark and line endings stay byte for byte.
// Section and key names match regardless of letter case (ASCII). Plain C++ and POSIX, no Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ini {

// The value of `key` in `section` of the file at `path`, without the spaces around it;
// nothing when the file, the section or the key is missing or the file cannot be read.
// When a key appears more than once in the section (or in repeated headers of the same
// section), the first one counts. Values are read whole, however long the line.
std::optional<std::string> ReadValue(const std::string& path, std::string_view section, std::string_view key);

// Sets `key` in `section` of the file at `path` to `value`, creating the directory, the
// file and the section when missing. All or nothing: the new text goes to a temporary file
// beside the target, is flushed to disk and renamed over it, so a crash or a full disk
// never leaves a torn file. The file keeps its permission bits, and a symbolic link is
// written through to its target rather than replaced. Returns false, with the old file
// untouched, when the update cannot be made (or when a name or the value would break the
// file's layout: a line break, or "=" / "]" in a name).
bool WriteValue(const std::string& path, std::string_view section, std::string_view key,
                std::string_view value);

// The in-memory halves of the two operations, over the whole text of a file. Exposed so
// that tests and the fuzzer can drive the parser without touching the disk.
namespace text {

std::optional<std::string> FindValue(std::string_view fileText, std::string_view section,
                                     std::string_view key);

// The file text after setting the key; `fileText` empty stands for a new file.
std::string SetValue(std::string_view fileText, std::string_view section, std::string_view key,
                     std::string_view value);

// Whether a section name, key name and value can be written without changing the
// meaning of any other line.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value);

}  // namespace text

}  // namespace ini
