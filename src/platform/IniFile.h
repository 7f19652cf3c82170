// SPDX-License-Identifier: GPL-3.0-or-later
// A small INI store that keeps a hand-edited file the way its owner left it.
//
// Two operations: read the texts of keys in a section, and write the texts of keys. The text is
// read and edited by ini::text (IniText.h), so a write touches only the lines it replaces (or
// the lines it adds), and names match regardless of letter case. A file that starts with a
// UTF-16 byte-order mark is read as UTF-16 text and written back in UTF-16 with the same byte
// order (TextCodec.h). The file is read whole and replaced atomically (AtomicFile.h). Plain C++
// and POSIX, no Qt.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniText.h"

namespace ini {

// No settings file comes near this size: a larger file is not read (it counts as unreadable)
// and never replaced, so that a stray huge file costs neither time nor memory. A write that
// would make the file larger is refused, so the game never writes what it cannot read back.
inline constexpr std::size_t kLargestFile = std::size_t{1} << 20;

// The value of `key` in `section` of the file at `path`, without the spaces around it;
// nothing when the file, the section or the key is missing or the file cannot be read.
// When a key appears more than once in the section (or in repeated headers of the same
// section), the first one counts. Values are read whole, however long the line.
std::optional<std::string> ReadValue(const std::string& path, std::string_view section, std::string_view key);

// The values of `keys`, in their order, from a single reading of the file, so that they all
// belong to the same version of it.
std::vector<std::optional<std::string>> ReadValues(const std::string& path, std::string_view section,
                                                   std::span<const std::string_view> keys);

// Applies `updates` to `section` of the file at `path` as ini::text::SetValues does, creating
// the directory, the file and the section when missing. The file is read afresh and written
// under a lock (platform::RewriteFile), so what other programs or the player wrote to it
// meanwhile stays, except for the keys set here. All or nothing for the whole set: a crash, a
// kill or a full disk leaves either the whole old file or the whole new one, never a torn
// file nor a mix of old and new values. Returns false, with the old file untouched, when the
// update cannot be made: a file without any write permission bit (even for root), one larger
// than kLargestFile before or after the update, one whose encoding cannot be told for sure
// (platform::DecodeText), or a name or value that would break the file's layout (a line
// break, or "=" / "]" in a name).
bool WriteValues(const std::string& path, std::string_view section, std::span<const Update> updates);

// WriteValues setting every key of `entries`.
bool WriteValues(const std::string& path, std::string_view section, std::span<const Entry> entries);

// WriteValues for a single key.
bool WriteValue(const std::string& path, std::string_view section, std::string_view key,
                std::string_view value);

}  // namespace ini
