// SPDX-License-Identifier: GPL-3.0-or-later
// The two halves of a file's path, as every file the game keeps (settings, history, exports)
// takes them apart. Plain C++, no Qt.
#pragma once

#include <string>

namespace platform {

// The folder holding `path` ("." for a bare name, "/" for a name at the root).
std::string DirectoryOf(const std::string& path);
// The last component of `path`.
std::string BaseNameOf(const std::string& path);

}  // namespace platform
