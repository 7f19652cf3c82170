// SPDX-License-Identifier: GPL-3.0-or-later
// The encodings a settings file may come in, and back to the very same bytes.
#include "platform/TextCodec.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "support/Utf16Bytes.h"

namespace {

using gametest::Utf16;
using platform::DecodeText;
using platform::EncodeText;
using platform::Encoding;

TEST(TextCodec, AUtf16FileBecomesUtf8TextAndGoesBackByteForByte) {
    for (const bool little : {true, false}) {
        // "é" and a character beyond the basic plane (a surrogate pair) in a comment.
        const std::string accent = little ? std::string("\xE9\x00", 2) : std::string("\x00\xE9", 2);
        const std::string clef = little ? "\x34\xD8\x1E\xDD" : "\xD8\x34\xDD\x1E";
        const std::string bytes =
            Utf16("; caf", little) + accent + clef + Utf16("\r\n[Level 1]\r\nA=1\r\n", little).substr(2);
        const auto decoded = DecodeText(bytes);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->text, "\xEF\xBB\xBF; caf\xC3\xA9\xF0\x9D\x84\x9E\r\n[Level 1]\r\nA=1\r\n")
            << "the mark becomes the UTF-8 mark";
        EXPECT_EQ(decoded->encoding, little ? Encoding::Utf16LittleEndian : Encoding::Utf16BigEndian);
        EXPECT_EQ(EncodeText(decoded->text, decoded->encoding), bytes);
    }
}

TEST(TextCodec, WhatCannotBeWrittenBackExactlyIsRefused) {
    // Half a character, half a surrogate pair, or the second half alone.
    for (const std::string& broken :
         {Utf16("[Level 1]\nA=1\n", true) + "\x41", Utf16("[Level 1]\nA=1\n", true) + "\x34\xD8",
          Utf16("A=", true) + "\x1E\xDD" + Utf16("1", true).substr(2)}) {
        EXPECT_FALSE(DecodeText(broken)) << broken.size() << " bytes";
    }
    // Text in another encoding than UTF-8 has no UTF-16 form: a Latin-1 "é", an overlong
    // zero, a surrogate written as UTF-8, a cut-off sequence.
    for (const std::string bad : {"caf\xE9", "\xC0\x80", "\xED\xA0\x80", "\xF0\x9D\x84"}) {
        EXPECT_FALSE(EncodeText(bad, Encoding::Utf16LittleEndian)) << bad;
    }
    // Any other file is taken as it is, both ways, as long as the lines that mean something
    // are UTF-8: other bytes may stand in comments only.
    const std::string latin1Comment = "; caf\xE9\n[Level 1]\nName=cafe\n";
    const auto plain = DecodeText(latin1Comment);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->encoding, Encoding::Utf8);
    EXPECT_EQ(plain->text, latin1Comment);
    EXPECT_EQ(EncodeText(latin1Comment, Encoding::Utf8), latin1Comment);
    EXPECT_FALSE(DecodeText("[Level 1]\nName=caf\xE9\n")) << "a key line in another encoding";
    EXPECT_FALSE(DecodeText(Utf16("[Level 1]\nA=1\n", true).substr(2))) << "UTF-16 without its mark";
}

TEST(TextCodec, AUtf32FileGoesBackByteForByte) {
    for (const bool little : {true, false}) {
        std::string bytes = little ? std::string("\xFF\xFE\0\0", 4) : std::string("\0\0\xFE\xFF", 4);
        for (const std::uint32_t c :
             {std::uint32_t{'A'}, std::uint32_t{'='}, std::uint32_t{0xE9}, std::uint32_t{0x1D11E}}) {
            for (int k = 0; k < 4; ++k) bytes.push_back(static_cast<char>(c >> (8 * (little ? k : 3 - k))));
        }
        const auto decoded = DecodeText(bytes);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->text,
                  "\xEF\xBB\xBF"
                  "A=\xC3\xA9\xF0\x9D\x84\x9E");
        EXPECT_EQ(EncodeText(decoded->text, decoded->encoding), bytes);
        EXPECT_FALSE(DecodeText(bytes + std::string(1, '\0'))) << "a part of a character";
    }
}

}  // namespace
