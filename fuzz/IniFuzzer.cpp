// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary file text, names and values to the INI parser and to the integer reader,
// and checks what a player relies on: a written value reads back, a second identical write
// changes nothing, other keys keep their values, a key written only when missing keeps the
// file's value, one edit of two keys gives the text of two edits in turn, and numbers survive
// the trip through text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/SettingsFile.h"
#include "platform/IniText.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

void FuzzIntegers(FuzzedDataProvider& data) {
    const std::string text = data.ConsumeRandomLengthString(64);
    const std::int32_t fallback = data.ConsumeIntegral<std::int32_t>();
    (void)game::ReadIntegerText(text, fallback);

    const std::int32_t value = data.ConsumeIntegral<std::int32_t>();
    Check(game::ReadIntegerText(std::to_string(value), fallback) == value);
    if (value >= 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "$%X", static_cast<unsigned>(value));
        Check(game::ReadIntegerText(hex, fallback) == value);
        std::snprintf(hex, sizeof hex, "0x%x", static_cast<unsigned>(value));
        Check(game::ReadIntegerText(hex, fallback) == value);
    }
}

void FuzzIniText(FuzzedDataProvider& data) {
    const bool usualNames = data.ConsumeBool();
    const std::string section = usualNames ? "Level 1" : data.ConsumeRandomLengthString(12);
    const std::string key = usualNames ? "NumOfVertices" : data.ConsumeRandomLengthString(12);
    const std::string otherKey = data.ConsumeRandomLengthString(12);
    const std::string value = data.ConsumeRandomLengthString(24);
    const std::string fileText = data.ConsumeRemainingBytesAsString();

    const auto otherBefore = ini::text::FindValue(fileText, section, otherKey);
    if (!ini::text::IsWritable(section, key, value))
        return;

    const std::string after = ini::text::SetValue(fileText, section, key, value);
    Check(ini::text::FindValue(after, section, key) == value);
    Check(ini::text::SetValue(after, section, key, value) == after);
    if (!SameName(key, otherKey))
        Check(ini::text::FindValue(after, section, otherKey) == otherBefore);
    // A save that leaves a key alone keeps what the file holds, and adds it only when missing.
    const ini::Update keep{key, value, true};
    const std::string kept = ini::text::SetValues(fileText, section, std::span(&keep, 1));
    const auto before = ini::text::FindValue(fileText, section, key);
    Check(before ? kept == fileText : kept == after);
    // Two keys in one edit, as a closing game writes them, equal two edits in turn.
    const std::string otherValue = value + "2";
    if (!SameName(key, otherKey) && ini::text::IsWritable(section, otherKey, otherValue)) {
        const ini::Update both[] = {{key, value}, {otherKey, otherValue}};
        Check(ini::text::SetValues(fileText, section, std::span(both)) ==
              ini::text::SetValue(after, section, otherKey, otherValue));
    }
    // Every other line is kept: what the write took out of the old text lies within one line.
    std::size_t prefix = 0;
    while (prefix < fileText.size() && prefix < after.size() && fileText[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < fileText.size() - prefix && suffix < after.size() - prefix &&
           fileText[fileText.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    Check(fileText.substr(prefix, fileText.size() - prefix - suffix).find_first_of("\r\n") ==
          std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    FuzzIntegers(data);
    FuzzIniText(data);
    return 0;
}
