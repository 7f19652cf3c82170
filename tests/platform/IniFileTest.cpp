// SPDX-License-Identifier: GPL-3.0-or-later
// The INI store on real files: the parser, the encodings and the safe replace put together.
#include "platform/IniFile.h"

#include <string>

#include <gtest/gtest.h>

#include "support/ScratchDir.h"
#include "support/Utf16Bytes.h"

namespace {

using gametest::ReadBytes;
using gametest::ScratchDir;
using gametest::Utf16;
using gametest::WriteBytes;

class IniFileTest : public ::testing::Test {
  protected:
    ScratchDir dir;
    std::string file = dir / "settings.ini";

    std::optional<std::string> Read(std::string_view section, std::string_view key) {
        return ini::ReadValue(file, section, key);
    }
};

// Lines far longer than any read buffer, in a file within the size bound.
TEST_F(IniFileTest, ReadsAndRewritesVeryLongLinesWhole) {
    const std::string longValue(ini::kLargestFile / 2 + 7, '7');
    WriteBytes(file, "[S]\nBig=" + longValue + "\nSmall=1\n");
    EXPECT_EQ(Read("S", "Big"), longValue);

    ASSERT_TRUE(ini::WriteValue(file, "S", "Small", "2"));
    EXPECT_EQ(ReadBytes(file), "[S]\nBig=" + longValue + "\nSmall=2\n");
}

TEST_F(IniFileTest, SeveralKeysGoInOneReplaceInTheOrderGiven) {
    WriteBytes(file, "; mine\n[Level 1]\nB=old\n");
    const ini::Entry entries[] = {{"C", "3"}, {"B", "2"}, {"A", "1"}};
    ASSERT_TRUE(ini::WriteValues(file, "Level 1", entries));
    EXPECT_EQ(ReadBytes(file), "; mine\n[Level 1]\nB=2\nC=3\nA=1\n");
    const std::string_view keys[] = {"A", "B", "Z"};
    EXPECT_EQ(ini::ReadValues(file, "Level 1", keys),
              (std::vector<std::optional<std::string>>{"1", "2", std::nullopt}));
    EXPECT_EQ(ini::ReadValues(dir / "absent.ini", "Level 1", keys),
              (std::vector<std::optional<std::string>>(3, std::nullopt)));

    // One entry that would break the file's layout stops the whole set.
    const std::string written = ReadBytes(file);
    const ini::Entry bad[] = {{"A", "9"}, {"B", "two\nlines"}};
    EXPECT_FALSE(ini::WriteValues(file, "Level 1", bad));
    EXPECT_FALSE(ini::WriteValue(file, "Lev]el", "A", "9"));
    EXPECT_EQ(ReadBytes(file), written);
}

TEST_F(IniFileTest, AFileLargerThanAnySettingsFileIsNeitherReadNorReplaced) {
    std::string huge = "[Level 1]\nA=1\n";
    huge.resize(ini::kLargestFile + 1, ';');
    WriteBytes(file, huge);
    EXPECT_EQ(Read("Level 1", "A"), std::nullopt);
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "A", "2"));
    EXPECT_EQ(ReadBytes(file), huge);

    huge.resize(ini::kLargestFile);
    WriteBytes(file, huge);
    EXPECT_EQ(Read("Level 1", "A"), "1") << "up to the bound the file is a settings file";
}

TEST_F(IniFileTest, AUtf16FileIsReadAndWrittenBackInUtf16) {
    WriteBytes(file, Utf16("[Level 1]\r\nA=1\r\n", false));
    EXPECT_EQ(Read("Level 1", "A"), "1");
    const ini::Entry entries[] = {{"A", "2"}, {"B", "3"}};
    ASSERT_TRUE(ini::WriteValues(file, "Level 1", entries));
    EXPECT_EQ(ReadBytes(file), Utf16("[Level 1]\r\nA=2\r\nB=3\r\n", false));

    // A value that is not UTF-8 has no place in it.
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "A", "caf\xE9"));
    // Half a character is not UTF-16 that could be written back.
    const std::string broken = Utf16("[Level 1]\nA=1\n", true) + "\x41";
    WriteBytes(file, broken);
    EXPECT_EQ(Read("Level 1", "A"), std::nullopt);
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "A", "2"));
    EXPECT_EQ(ReadBytes(file), broken);
}

}  // namespace
