// SPDX-License-Identifier: GPL-3.0-or-later
// AtomicFile: reading a small file whole, and replacing it so that it is never seen torn.
//
// Both work on regular files only: a directory, a device or a named pipe in the file's place
// is neither read (and never blocks the caller) nor replaced. Plain C++ and POSIX, no Qt.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace platform {

// The bytes of the file at `path`; nothing when it is missing, is not a regular file, cannot
// be read, or holds more than `largest` bytes (also when it grows past them while it is read).
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t largest);

// What a rewrite makes of a file's present bytes (empty when there is no file yet); nothing
// stops the rewrite and keeps the file as it is.
using Rewrite = std::function<std::optional<std::string>(std::string oldBytes)>;

// Replaces the file at `path` by what `rewrite` makes of it, all or nothing: the new bytes go
// to a temporary file beside the target, are flushed to disk and renamed over it, so a crash,
// a kill or a full disk leaves either the whole old file or the whole new one. Temporary files
// left behind by processes that no longer run are removed first. Missing directories are
// created, private to the player. The file keeps its permission bits and its owner, and a
// symbolic link is written through to its target (which need not exist yet) rather than
// replaced. Returns false, with the old file untouched, when the path is empty, the links
// loop, a directory cannot be made, the file cannot be read as ReadWholeFile would, it has no
// write permission bit (even for root) or the caller may not write it, `rewrite` gives
// nothing, or writing fails.
bool RewriteFile(const std::string& path, std::size_t largest, const Rewrite& rewrite);

}  // namespace platform
