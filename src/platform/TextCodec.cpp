// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace platform {

namespace {

Encoding EncodingOf(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return Encoding::Utf16LittleEndian;
    if (bytes.starts_with("\xFE\xFF"))
        return Encoding::Utf16BigEndian;
    return Encoding::Utf8;
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

// Nothing when the bytes are not whole, well-paired UTF-16 code units: such a file could
// not be written back exactly, so it is treated as unreadable.
std::optional<std::string> DecodeUtf16(std::string_view bytes, Encoding encoding) {
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    const bool little = encoding == Encoding::Utf16LittleEndian;
    const auto unit = [&](std::size_t i) {
        const auto lo = static_cast<unsigned char>(bytes[i + (little ? 0 : 1)]);
        const auto hi = static_cast<unsigned char>(bytes[i + (little ? 1 : 0)]);
        return static_cast<std::uint32_t>(hi << 8 | lo);
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        std::uint32_t c = unit(i);
        if (c >= 0xDC00 && c <= 0xDFFF)
            return std::nullopt;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 2 >= bytes.size())
                return std::nullopt;
            const std::uint32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(out, c);
    }
    return out;
}

// Nothing when the text is not valid UTF-8 (a name or value given in another encoding).
std::optional<std::string> EncodeUtf16(std::string_view text, Encoding encoding) {
    const bool little = encoding == Encoding::Utf16LittleEndian;
    std::string out;
    out.reserve(text.size() * 2);
    const auto put = [&](std::uint32_t u) {
        const char lo = static_cast<char>(u & 0xFF);
        const char hi = static_cast<char>(u >> 8);
        out.push_back(little ? lo : hi);
        out.push_back(little ? hi : lo);
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t c = 0;
        if (lead < 0x80) {
            length = 1, c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, c = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = c << 6 | (next & 0x3F);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        if (c >= 0x10000) {
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
    if (encoding == Encoding::Utf8)
        return DecodedText{std::move(bytes), encoding};
    std::optional<std::string> decoded = DecodeUtf16(bytes, encoding);
    if (!decoded)
        return std::nullopt;
    return DecodedText{std::move(*decoded), encoding};
}

std::optional<std::string> EncodeText(std::string text, Encoding encoding) {
    if (encoding == Encoding::Utf8)
        return text;
    return EncodeUtf16(text, encoding);
}

}  // namespace platform
