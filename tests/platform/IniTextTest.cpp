// SPDX-License-Identifier: GPL-3.0-or-later
// The INI parser and editor against file texts as players and editors leave them.
#include "platform/IniText.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using ini::text::FindValue;
using ini::text::IsWritable;
using ini::text::SetValue;

TEST(IniText, ReadsHandEditedFilesLeniently) {
    const std::string file =
        "\xEF\xBB\xBF"
        "Orphan=before any section\r\n"
        "; Level=commented out\r\n"
        "[Other]\r\n"
        "Size=99\r\n"
        "  [ level 1 ]  \r\n"
        "   SIZE   =   12   \r\n"
        "size=13\r\n"
        "Formula=a=b\r\n"
        "Empty=\r\n"
        "\tTabbed\t=\tyes\r\n"
        "junk line without equals\r\n"
        "# Size=14\r\n"
        "[Level 1]\r\n"
        "Later=from a repeated header\r\n"
        "[Third]\r\n"
        "Last=no final newline";

    EXPECT_EQ(FindValue(file, "Level 1", "Size"), "12") << "first key counts, names match in any case";
    EXPECT_EQ(FindValue(file, "LEVEL 1", "formula"), "a=b") << "only the first '=' separates";
    EXPECT_EQ(FindValue(file, "Level 1", "Empty"), "") << "present but empty is not missing";
    EXPECT_EQ(FindValue(file, "Level 1", "Tabbed"), "yes");
    EXPECT_EQ(FindValue(file, "Level 1", "Later"), "from a repeated header");
    EXPECT_EQ(FindValue(file, "Other", "Size"), "99");
    EXPECT_EQ(FindValue(file, "Third", "Last"), "no final newline");

    EXPECT_EQ(FindValue(file, "Level 1", "Orphan"), std::nullopt)
        << "a key before any section belongs to none";
    EXPECT_EQ(FindValue(file, "Level 1", "Level"), std::nullopt) << "comments are not keys";
    EXPECT_EQ(FindValue(file, "Level 1", "junk line without equals"), std::nullopt);
    EXPECT_EQ(FindValue(file, "Level 1", "Missing"), std::nullopt);
    EXPECT_EQ(FindValue(file, "Nowhere", "Size"), std::nullopt);
    EXPECT_EQ(FindValue("", "Level 1", "Size"), std::nullopt);
}

TEST(IniText, ReplacingAValueKeepsEveryOtherByte) {
    const std::string before =
        "\xEF\xBB\xBF; my settings\r\n"
        "\r\n"
        "[Level 1]\r\n"
        "  numOFvertices =  8   \r\n"
        "Unknown=keep me\n"
        "NumOfVertices=9\r\n"
        "\r\n"
        "[Other]\r\n"
        "NumOfVertices=5";
    const std::string after = SetValue(before, "level 1", "NumOfVertices", "12");
    EXPECT_EQ(after,
              "\xEF\xBB\xBF; my settings\r\n"
              "\r\n"
              "[Level 1]\r\n"
              "  numOFvertices =  12\r\n"
              "Unknown=keep me\n"
              "NumOfVertices=9\r\n"
              "\r\n"
              "[Other]\r\n"
              "NumOfVertices=5");
    EXPECT_EQ(FindValue(after, "Level 1", "NumOfVertices"), "12");
}

TEST(IniText, NewKeysJoinTheEndOfTheirSectionInTheFilesLineEndings) {
    const std::string before =
        "Loose=1\r\n"
        "[Level 1]\r\n"
        "A=1\r\n"
        "; trailing note\r\n"
        "\r\n"
        "; about the next section\r\n"
        "[Other]\r\n"
        "B=2\r\n"
        "[level 1]\r\n"
        "C=3\r\n";
    // Exactly one line more: after the section's last key, before its trailing comments.
    std::string expected = before;
    expected.insert(before.find("A=1\r\n") + 5, "Loose=new\r\n");
    const std::string after = SetValue(before, "Level 1", "Loose", "new");
    EXPECT_EQ(after, expected);
    EXPECT_EQ(FindValue(after, "Level 1", "Loose"), "new");

    // A key that only lives under a repeated header is still found and replaced there.
    const std::string again = SetValue(after, "Level 1", "C", "4");
    EXPECT_EQ(FindValue(again, "Level 1", "C"), "4");
    EXPECT_NE(again.find("[level 1]\r\nC=4\r\n"), std::string::npos);
}

TEST(IniText, OldMacLineEndsReadAndStayInMixedFilesToo) {
    const std::string mac = "; old Mac\r[Level 1]\rA=1\r";
    EXPECT_EQ(FindValue(mac, "Level 1", "A"), "1");
    EXPECT_EQ(SetValue(mac, "Level 1", "B", "2"), mac + "B=2\r");
    // A new line ends as the one before it: a lone CR before the blank line's LF would read
    // as one CRLF break and swallow the blank line.
    EXPECT_EQ(SetValue("; old Mac\r[Level 1]\nA=1\n\n; note\n", "Level 1", "B", "2"),
              "; old Mac\r[Level 1]\nA=1\nB=2\n\n; note\n");
}

TEST(IniText, AddsTheMissingFinalLineBreakBeforeAppending) {
    EXPECT_EQ(SetValue("[Level 1]\nA=1", "Level 1", "B", "2"), "[Level 1]\nA=1\nB=2\n");
    EXPECT_EQ(SetValue("[Other]\r\nA=1", "Level 1", "B", "2"), "[Other]\r\nA=1\r\n[Level 1]\r\nB=2\r\n");
    EXPECT_EQ(SetValue("[Level 1]", "Level 1", "B", "2"), "[Level 1]\nB=2\n");
    EXPECT_EQ(SetValue("\xEF\xBB\xBF", "Level 1", "B", "2"), "\xEF\xBB\xBF[Level 1]\nB=2\n");
    EXPECT_EQ(SetValue("", "Level 1", "B", "2"), "[Level 1]\nB=2\n") << "a new file";
}

TEST(IniText, RefusesNamesAndValuesThatWouldBreakTheFile) {
    EXPECT_TRUE(IsWritable("Level 1", "A", "1"));
    EXPECT_TRUE(IsWritable("Level 1", "A", "")) << "an empty value reads back as empty";
    EXPECT_FALSE(IsWritable("Level 1", "A", "1\n[Evil]"));
    EXPECT_FALSE(IsWritable("Level 1", "A", "1\r"));
    EXPECT_FALSE(IsWritable("Level 1", "A", " 1")) << "blanks at the ends would not read back";
    EXPECT_FALSE(IsWritable("Level 1", "B=C", "1"));
    EXPECT_FALSE(IsWritable("Level 1", "", "1"));
    EXPECT_FALSE(IsWritable("Level 1", "; A", "1"));
    EXPECT_FALSE(IsWritable("Level 1", "[A", "1"));
    EXPECT_FALSE(IsWritable("Lev]el", "A", "1"));
    EXPECT_FALSE(IsWritable("", "A", "1"));
}

}  // namespace
