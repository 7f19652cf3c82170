// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BoundedRead.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {

std::optional<std::string> ReadBounded(int fd, std::size_t largest, OverBound over) {
    std::string bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        // A file already too long is refused before a byte of it is read.
        if (over == OverBound::Refuse && static_cast<std::uint64_t>(info.st_size) > largest) {
            errno = EFBIG;
            return std::nullopt;
        }
        bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), largest));
    }
    char buffer[65536];
    for (;;) {
        std::size_t wanted = sizeof buffer;
        if (over == OverBound::Cut) {
            wanted = std::min(wanted, largest - bytes.size());
            if (wanted == 0)
                return bytes;
        }
        const ssize_t n = ::pread(fd, buffer, wanted, static_cast<off_t>(bytes.size()));
        if (n == 0)
            return bytes;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (bytes.size() + static_cast<std::size_t>(n) > largest) {
            errno = EFBIG;
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace platform::files
