// SPDX-License-Identifier: GPL-3.0-or-later
// TextCodec: the encodings a text file may be saved in, and the way back to the same bytes.
//
// Some editors save a file as UTF-16 or UTF-32 with its byte-order mark. Such a file is
// decoded to the UTF-8 text it stands for (its mark becoming the UTF-8 mark) and encoded back
// in the same encoding and byte order, so that a rewritten file never mixes two encodings.
// Other bytes are taken as UTF-8 and pass through untouched, as long as the lines that carry
// meaning (section headers and keys) are UTF-8 and no NUL byte betrays UTF-16 or UTF-32 saved
// without a mark. Plain C++, no Qt.
#pragma once

#include <optional>
#include <string>

namespace platform {

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Utf32LittleEndian, Utf32BigEndian };

struct DecodedText {
    std::string text;  // UTF-8, whatever the encoding of the bytes
    Encoding encoding = Encoding::Utf8;
};

// The text of a file's bytes, with the encoding its byte-order mark names. Nothing when the
// encoding cannot be told for sure, so that the file is neither misread nor rewritten in
// another encoding: bytes after a UTF-16 or UTF-32 mark that are not whole, valid code units;
// without such a mark, a NUL byte anywhere, or a line other than a comment or a blank line
// that is not valid UTF-8.
std::optional<DecodedText> DecodeText(std::string bytes);

// The bytes of `text` in `encoding`: UTF-8 text as it is; for UTF-16 and UTF-32, nothing
// when the text is not valid UTF-8 (a name or value given in another encoding).
std::optional<std::string> EncodeText(std::string text, Encoding encoding);

}  // namespace platform
