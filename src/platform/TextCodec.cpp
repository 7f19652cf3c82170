// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/IniText.h"

namespace platform {

namespace {

Encoding EncodingOf(std::string_view bytes) {
    // The UTF-32 little-endian mark begins with the UTF-16 one, so it is looked for first.
    if (bytes.starts_with(std::string_view("\xFF\xFE\x00\x00", 4)))
        return Encoding::Utf32LittleEndian;
    if (bytes.starts_with(std::string_view("\x00\x00\xFE\xFF", 4)))
        return Encoding::Utf32BigEndian;
    if (bytes.starts_with("\xFF\xFE"))
        return Encoding::Utf16LittleEndian;
    if (bytes.starts_with("\xFE\xFF"))
        return Encoding::Utf16BigEndian;
    return Encoding::Utf8;
}

std::size_t UnitSize(Encoding encoding) {
    return (encoding == Encoding::Utf32LittleEndian || encoding == Encoding::Utf32BigEndian) ? 4 : 2;
}

bool IsLittleEndian(Encoding encoding) {
    return encoding == Encoding::Utf16LittleEndian || encoding == Encoding::Utf32LittleEndian;
}

bool IsScalarValue(std::uint32_t c) {
    return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The character at `i` of UTF-8 text and its length in bytes; length 0 for a byte that does
// not start a valid, shortest-form sequence.
std::pair<std::uint32_t, std::size_t> Utf8At(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t c = 0;
    if (lead < 0x80) {
        return {lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07;
    } else {
        return {0, 0};
    }
    if (i + length > text.size())
        return {0, 0};
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        c = c << 6 | (next & 0x3F);
    }
    static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || !IsScalarValue(c))
        return {0, 0};
    return {c, length};
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        // Settings files are nearly all ASCII: eight bytes at a time while no high bit shows.
        std::uint64_t eight = 0;
        if (i + 8 <= text.size() &&
            (std::memcpy(&eight, text.data() + i, 8), (eight & 0x8080808080808080u) == 0)) {
            i += 8;
            continue;
        }
        const std::size_t length = Utf8At(text, i).second;
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// Whether every line that could mean something to a reader is UTF-8. Blank lines and comments
// may hold any bytes, a Latin-1 word typed by the player among them: they are kept as they are
// and never read.
bool MeaningfulLinesAreUtf8(std::string_view text) {
    return IsUtf8(text) || ini::text::EveryMeaningfulLine(text, IsUtf8);
}

// Nothing when the bytes are not whole, valid code units: such a file could not be written
// back exactly, so it is treated as unreadable.
std::optional<std::string> DecodeUnits(std::string_view bytes, Encoding encoding) {
    const std::size_t size = UnitSize(encoding);
    if (bytes.size() % size != 0)
        return std::nullopt;
    const bool little = IsLittleEndian(encoding);
    const auto unit = [&](std::size_t i) {
        std::uint32_t u = 0;
        for (std::size_t k = 0; k < size; ++k) {
            const auto byte = static_cast<unsigned char>(bytes[i + (little ? size - 1 - k : k)]);
            u = u << 8 | byte;
        }
        return u;
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); i += size) {
        std::uint32_t c = unit(i);
        if (size == 2 && c >= 0xD800 && c <= 0xDBFF) {
            if (i + 2 >= bytes.size())
                return std::nullopt;
            const std::uint32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        if (!IsScalarValue(c))
            return std::nullopt;
        AppendUtf8(out, c);
    }
    return out;
}

// Nothing when the text is not valid UTF-8 (a name or value given in another encoding).
std::optional<std::string> EncodeUnits(std::string_view text, Encoding encoding) {
    const std::size_t size = UnitSize(encoding);
    const bool little = IsLittleEndian(encoding);
    std::string out;
    out.reserve(text.size() * size);
    const auto put = [&](std::uint32_t u) {
        for (std::size_t k = 0; k < size; ++k) {
            const std::size_t shift = 8 * (little ? k : size - 1 - k);
            out.push_back(static_cast<char>((u >> shift) & 0xFF));
        }
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = Utf8At(text, i);
        if (length == 0)
            return std::nullopt;
        if (size == 2 && c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
        i += length;
    }
    return out;
}

}  // namespace

std::optional<DecodedText> DecodeText(std::string bytes) {
    const Encoding encoding = EncodingOf(bytes);
    if (encoding == Encoding::Utf8) {
        // A NUL is never part of a hand-written settings file: it is UTF-16 or UTF-32 saved
        // without a mark, whose ASCII letters would hide between the NULs.
        if (bytes.find('\0') != std::string::npos || !MeaningfulLinesAreUtf8(bytes))
            return std::nullopt;
        return DecodedText{std::move(bytes), encoding};
    }
    std::optional<std::string> decoded = DecodeUnits(bytes, encoding);
    if (!decoded)
        return std::nullopt;
    return DecodedText{std::move(*decoded), encoding};
}

std::optional<std::string> EncodeText(std::string text, Encoding encoding) {
    if (encoding == Encoding::Utf8)
        return text;
    return EncodeUnits(text, encoding);
}

}  // namespace platform
