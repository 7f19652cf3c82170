// SPDX-License-Identifier: GPL-3.0-or-later
// TextCodec: the encodings a text file may be saved in, and the way back to the same bytes.
//
// Some editors save a file as UTF-16 with its byte-order mark. Such a file is decoded to the
// UTF-8 text it stands for (its mark becoming the UTF-8 mark) and encoded back in UTF-16 with
// the same byte order, so that a rewritten file never mixes two encodings. Any other bytes are
// taken as UTF-8 and pass through untouched. Plain C++, no Qt.
#pragma once

#include <optional>
#include <string>

namespace platform {

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DecodedText {
    std::string text;  // UTF-8, whatever the encoding of the bytes
    Encoding encoding = Encoding::Utf8;
};

// The text of a file's bytes, with the encoding its byte-order mark names. Nothing when the
// bytes after a UTF-16 mark are not whole, well-paired UTF-16 code units: such a file could
// not be written back exactly.
std::optional<DecodedText> DecodeText(std::string bytes);

// The bytes of `text` in `encoding`: UTF-8 text as it is; for UTF-16, nothing when the text
// is not valid UTF-8 (a name or value given in another encoding).
std::optional<std::string> EncodeText(std::string text, Encoding encoding);

}  // namespace platform
