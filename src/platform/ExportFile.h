// SPDX-License-Identifier: GPL-3.0-or-later
// platform::WriteExport: a file the player names for the game to write once and hand over (a
// worksheet), written whole or not at all. Plain C++ and POSIX, no Qt.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// How writing the file ended: written; refused, as the name leads to a device, a socket or
// anything else that is neither a file nor a pipe (it is left as it is); or failed, `error`
// holding the system's reason (errno).
struct Exported {
    enum class Outcome { Written, NotAFile, Failed } outcome = Outcome::Failed;
    int error = 0;
    bool ok() const { return outcome == Outcome::Written; }
};

// Writes `bytes` as the file at `path`. A file (or a new one, in a folder that is there) is
// replaced whole: the bytes go to a hidden temporary file beside it, are flushed to disk and
// renamed over it, so that a kill or a full disk leaves the old file or the new one and never a
// part; a file the player made read-only is refused, the file keeps its permission bits, and a
// symbolic link is written through to its target. A named pipe is written into, as a program
// reading it expects (waiting for one to open it). A directory fails with EISDIR.
//
// Writers in one folder take turns under a lock on the folder, and the one whose turn it is
// removes the temporary files that killed writes of this very file left there: no other game
// can be writing one meanwhile.
Exported WriteExport(const std::string& path, std::string_view bytes);

}  // namespace platform
