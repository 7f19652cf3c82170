// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a whole file the game keeps, never more than a bound, so that a huge or endlessly
// growing file cannot eat the memory. Plain C++ and POSIX, no Qt. Not for use outside platform/.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace platform::files {

// What a file longer than the bound gives: nothing (a file the game wrote never grows that
// large, so it is not one of its files), or its first bytes up to the bound (a file that is
// read for as much of it as the game can use).
enum class OverBound { Refuse, Cut };

// All of the regular file `fd` from its start, at most `largest` bytes. Nothing on a read error
// (errno says why) and, with OverBound::Refuse, for a file longer than `largest` (errno EFBIG),
// also one that grows past it while it is read.
std::optional<std::string> ReadBounded(int fd, std::size_t largest, OverBound over);

}  // namespace platform::files
