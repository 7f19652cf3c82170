// SPDX-License-Identifier: GPL-3.0-or-later
// Utf16Bytes: the bytes an editor saves for ASCII text in UTF-16 with a byte-order mark.
#pragma once

#include <string>
#include <string_view>

namespace gametest {

inline std::string Utf16(std::string_view ascii, bool littleEndian) {
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : ascii) {
        out.push_back(littleEndian ? c : '\0');
        out.push_back(littleEndian ? '\0' : c);
    }
    return out;
}

}  // namespace gametest
