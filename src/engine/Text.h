// Small text helpers that write into the caller's buffer, so a move never allocates.
#pragma once

#include <cstdint>
#include <string_view>

namespace game {

using NumberBuffer = char[16];

inline std::string_view DecimalText(std::int32_t value, NumberBuffer& buffer) {
    char* end = buffer + sizeof buffer;
    char* p = end;
    std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) *--p = '-';
    return {p, static_cast<std::size_t>(end - p)};
}

}  // namespace game
