// SPDX-License-Identifier: GPL-3.0-or-later
// A number read from a field of the game's own files: the whole field, nothing before or after
// it, or nothing. No Qt here.
#pragma once

#include <charconv>
#include <string_view>
#include <system_error>

namespace game {

template <typename Number>
bool ReadWholeNumber(std::string_view field, Number& value, int base = 10) {
    const char* end = field.data() + field.size();
    const auto [at, error] = std::from_chars(field.data(), end, value, base);
    return error == std::errc{} && at == end;
}

}  // namespace game
