// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFile.h"

#include <utility>

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"

namespace ini {

namespace {

// The text of the file at `path` and the encoding it came in; nothing when the file is
// missing, cannot be read or is larger than any settings file.
std::optional<platform::DecodedText> ReadText(const std::string& path) {
    std::optional<std::string> bytes = platform::ReadWholeFile(path, kLargestFile);
    if (!bytes)
        return std::nullopt;
    return platform::DecodeText(std::move(*bytes));
}

}  // namespace

std::optional<std::string> ReadValue(const std::string& path, std::string_view section,
                                     std::string_view key) {
    return ReadValues(path, section, std::span(&key, 1)).front();
}

std::vector<std::optional<std::string>> ReadValues(const std::string& path, std::string_view section,
                                                   std::span<const std::string_view> keys) {
    const std::optional<platform::DecodedText> file = ReadText(path);
    if (!file)
        return std::vector<std::optional<std::string>>(keys.size());
    return text::FindValues(file->text, section, keys);
}

bool WriteValues(const std::string& path, std::string_view section, std::span<const Update> updates) {
    for (const Update& update : updates) {
        if (!text::IsWritable(section, update.key, update.value))
            return false;
    }
    // The file is edited as the text it stands for and saved back in the encoding it came in.
    return platform::RewriteFile(path, kLargestFile, [&](std::string oldBytes) -> std::optional<std::string> {
        std::optional<platform::DecodedText> old = platform::DecodeText(std::move(oldBytes));
        if (!old)
            return std::nullopt;
        return platform::EncodeText(text::SetValues(old->text, section, updates), old->encoding);
    });
}

bool WriteValues(const std::string& path, std::string_view section, std::span<const Entry> entries) {
    std::vector<Update> updates;
    updates.reserve(entries.size());
    for (const auto& [key, value] : entries) updates.push_back({key, value});
    return WriteValues(path, section, std::span<const Update>(updates));
}

bool WriteValue(const std::string& path, std::string_view section, std::string_view key,
                std::string_view value) {
    const Entry entry{key, value};
    return WriteValues(path, section, std::span(&entry, 1));
}

}  // namespace ini
