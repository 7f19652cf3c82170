// SPDX-License-Identifier: GPL-3.0-or-later
// The INI store against files as players and editors leave them.
#include "IniFile.h"

#include <algorithm>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ScratchDir.h"

namespace {

using gametest::ReadBytes;
using gametest::ScratchDir;
using gametest::WriteBytes;

class IniFileTest : public ::testing::Test {
  protected:
    ScratchDir dir;
    std::string file = dir / "settings.ini";

    std::optional<std::string> Read(std::string_view section, std::string_view key) {
        return ini::ReadValue(file, section, key);
    }
};

TEST_F(IniFileTest, ReadsHandEditedFilesLeniently) {
    WriteBytes(file,
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
               "Last=no final newline");

    EXPECT_EQ(Read("Level 1", "Size"), "12") << "first key counts, names match in any case";
    EXPECT_EQ(Read("LEVEL 1", "formula"), "a=b") << "only the first '=' separates";
    EXPECT_EQ(Read("Level 1", "Empty"), "") << "present but empty is not missing";
    EXPECT_EQ(Read("Level 1", "Tabbed"), "yes");
    EXPECT_EQ(Read("Level 1", "Later"), "from a repeated header");
    EXPECT_EQ(Read("Other", "Size"), "99");
    EXPECT_EQ(Read("Third", "Last"), "no final newline");

    EXPECT_EQ(Read("Level 1", "Orphan"), std::nullopt) << "a key before any section belongs to none";
    EXPECT_EQ(Read("Level 1", "Level"), std::nullopt) << "comments are not keys";
    EXPECT_EQ(Read("Level 1", "junk line without equals"), std::nullopt);
    EXPECT_EQ(Read("Level 1", "Missing"), std::nullopt);
    EXPECT_EQ(Read("Nowhere", "Size"), std::nullopt);
    EXPECT_EQ(ini::ReadValue(dir / "absent.ini", "Level 1", "Size"), std::nullopt);
    EXPECT_EQ(ini::ReadValue(dir.path(), "Level 1", "Size"), std::nullopt) << "a directory reads as nothing";
}

// Lines far longer than any read buffer, in a file within the size bound.
TEST_F(IniFileTest, ReadsAndRewritesVeryLongLinesWhole) {
    const std::string longValue(ini::kLargestFile / 2 + 7, '7');
    WriteBytes(file, "[S]\nBig=" + longValue + "\nSmall=1\n");
    EXPECT_EQ(Read("S", "Big"), longValue);

    ASSERT_TRUE(ini::WriteValue(file, "S", "Small", "2"));
    EXPECT_EQ(ReadBytes(file), "[S]\nBig=" + longValue + "\nSmall=2\n");
}

TEST_F(IniFileTest, ReplacingAValueKeepsEveryOtherByte) {
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
    WriteBytes(file, before);

    ASSERT_TRUE(ini::WriteValue(file, "level 1", "NumOfVertices", "12"));
    EXPECT_EQ(ReadBytes(file),
              "\xEF\xBB\xBF; my settings\r\n"
              "\r\n"
              "[Level 1]\r\n"
              "  numOFvertices =  12\r\n"
              "Unknown=keep me\n"
              "NumOfVertices=9\r\n"
              "\r\n"
              "[Other]\r\n"
              "NumOfVertices=5");
    EXPECT_EQ(Read("Level 1", "NumOfVertices"), "12");
}

TEST_F(IniFileTest, NewKeysJoinTheEndOfTheirSectionInTheFilesLineEndings) {
    WriteBytes(file,
               "Loose=1\r\n"
               "[Level 1]\r\n"
               "A=1\r\n"
               "; trailing note\r\n"
               "\r\n"
               "; about the next section\r\n"
               "[Other]\r\n"
               "B=2\r\n"
               "[level 1]\r\n"
               "C=3\r\n");
    ASSERT_TRUE(ini::WriteValue(file, "Level 1", "Loose", "new"));
    EXPECT_EQ(ReadBytes(file),
              "Loose=1\r\n"
              "[Level 1]\r\n"
              "A=1\r\n"
              "Loose=new\r\n"
              "; trailing note\r\n"
              "\r\n"
              "; about the next section\r\n"
              "[Other]\r\n"
              "B=2\r\n"
              "[level 1]\r\n"
              "C=3\r\n");
    EXPECT_EQ(Read("Level 1", "Loose"), "new");

    // A key that only lives under a repeated header is still found and replaced there.
    ASSERT_TRUE(ini::WriteValue(file, "Level 1", "C", "4"));
    EXPECT_EQ(Read("Level 1", "C"), "4");
    EXPECT_NE(ReadBytes(file).find("[level 1]\r\nC=4\r\n"), std::string::npos);
}

TEST_F(IniFileTest, AddsTheMissingFinalLineBreakBeforeAppending) {
    WriteBytes(file, "[Level 1]\nA=1");
    ASSERT_TRUE(ini::WriteValue(file, "Level 1", "B", "2"));
    EXPECT_EQ(ReadBytes(file), "[Level 1]\nA=1\nB=2\n");

    WriteBytes(file, "[Other]\r\nA=1");
    ASSERT_TRUE(ini::WriteValue(file, "Level 1", "B", "2"));
    EXPECT_EQ(ReadBytes(file), "[Other]\r\nA=1\r\n[Level 1]\r\nB=2\r\n");

    WriteBytes(file, "[Level 1]");
    ASSERT_TRUE(ini::WriteValue(file, "Level 1", "B", "2"));
    EXPECT_EQ(ReadBytes(file), "[Level 1]\nB=2\n");

    WriteBytes(file, "\xEF\xBB\xBF");
    ASSERT_TRUE(ini::WriteValue(file, "Level 1", "B", "2"));
    EXPECT_EQ(ReadBytes(file), "\xEF\xBB\xBF[Level 1]\nB=2\n");
}

TEST_F(IniFileTest, CreatesDirectoriesAndFileWhenMissing) {
    const std::string nested = dir / "a/b/c/settings.ini";
    ASSERT_TRUE(ini::WriteValue(nested, "Level 1", "A", "1"));
    EXPECT_EQ(ReadBytes(nested), "[Level 1]\nA=1\n");
    EXPECT_EQ(dir.Entries(dir / "a/b/c"), std::vector<std::string>{"settings.ini"}) << "no temporary left";
}

TEST_F(IniFileTest, RefusesWhatWouldBreakTheFileAndLeavesItAlone) {
    const std::string before = "[Level 1]\nA=1\n";
    WriteBytes(file, before);
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "A", "1\n[Evil]"));
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "A", "1\r"));
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "B=C", "1"));
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "", "1"));
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "; A", "1"));
    EXPECT_FALSE(ini::WriteValue(file, "Lev]el", "A", "1"));
    EXPECT_FALSE(ini::WriteValue(file, "", "A", "1"));
    EXPECT_FALSE(ini::WriteValue("", "Level 1", "A", "1"));
    EXPECT_EQ(ReadBytes(file), before);
}

TEST_F(IniFileTest, FailedWritesReportFailureAndLeaveNoTrace) {
    // A directory standing where the file should be.
    ASSERT_EQ(::mkdir(file.c_str(), 0755), 0);
    WriteBytes(file + "/inside", "precious");
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "A", "1"));
    EXPECT_EQ(ReadBytes(file + "/inside"), "precious");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"settings.ini"});

    // A regular file standing where the directory should be.
    WriteBytes(dir / "notadir", "x");
    EXPECT_FALSE(ini::WriteValue(dir / "notadir/deeper/settings.ini", "Level 1", "A", "1"));
    EXPECT_EQ(ReadBytes(dir / "notadir"), "x");

    // A loop of symbolic links leads nowhere.
    ASSERT_EQ(::symlink("loop2", (dir / "loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", (dir / "loop2").c_str()), 0);
    EXPECT_FALSE(ini::WriteValue(dir / "loop1", "Level 1", "A", "1"));
}

TEST_F(IniFileTest, KeepsPermissionBitsAndGivesNewFilesTheUsualOnes) {
    WriteBytes(file, "[Level 1]\nA=1\n");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(ini::WriteValue(file, "Level 1", "A", "2"));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const mode_t oldMask = ::umask(022);
    const std::string fresh = dir / "fresh.ini";
    const bool created = ini::WriteValue(fresh, "Level 1", "A", "1");
    ::umask(oldMask);
    ASSERT_TRUE(created);
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

// Also when the game runs as root, which the permission bits alone would not stop.
TEST_F(IniFileTest, AReadOnlyFileIsNotReplacedBehindThePlayersBack) {
    WriteBytes(file, "[Level 1]\nA=1\n");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(ini::WriteValue(file, "Level 1", "A", "2"));
    EXPECT_EQ(ReadBytes(file), "[Level 1]\nA=1\n");
    EXPECT_EQ(Read("Level 1", "A"), "1") << "it still reads";
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"settings.ini"});
}

TEST_F(IniFileTest, SeveralKeysGoInOneReplaceInTheOrderGiven) {
    WriteBytes(file, "; mine\n[Level 1]\nB=old\n");
    const ini::Entry entries[] = {{"C", "3"}, {"B", "2"}, {"A", "1"}};
    ASSERT_TRUE(ini::WriteValues(file, "Level 1", entries));
    EXPECT_EQ(ReadBytes(file), "; mine\n[Level 1]\nB=2\nC=3\nA=1\n");
    const std::string_view keys[] = {"A", "B", "Z"};
    EXPECT_EQ(ini::ReadValues(file, "Level 1", keys),
              (std::vector<std::optional<std::string>>{"1", "2", std::nullopt}));

    // One bad entry stops the whole set.
    const ini::Entry bad[] = {{"A", "9"}, {"B", "two\nlines"}};
    EXPECT_FALSE(ini::WriteValues(file, "Level 1", bad));
    EXPECT_EQ(Read("Level 1", "A"), "1");
}

TEST_F(IniFileTest, LeftoversOfKilledSavesAreRemovedOthersStay) {
    // A process that has ended: its number is free again.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const std::string dead = ".settings.ini.tmp-" + std::to_string(child) + "-7";
    const std::string mine = ".settings.ini.tmp-" + std::to_string(::getpid()) + "-99";
    // A game saving at this moment (the test's parent stands in for it), and files of another
    // name or shape.
    const std::string running = ".settings.ini.tmp-" + std::to_string(::getppid()) + "-1";
    for (const std::string& name : {dead, mine, running, std::string(".settings.ini.tmp-x-1"),
                                    std::string(".other.ini.tmp-") + std::to_string(child) + "-1"}) {
        WriteBytes(dir / name, "half");
    }
    ASSERT_TRUE(ini::WriteValue(file, "Level 1", "A", "1"));
    std::vector<std::string> left = dir.Entries();
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected{running, ".settings.ini.tmp-x-1",
                                      ".other.ini.tmp-" + std::to_string(child) + "-1", "settings.ini"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
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

// The bytes of ASCII text in UTF-16 with a byte-order mark.
std::string Utf16(std::string_view ascii, bool littleEndian) {
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : ascii) {
        out.push_back(littleEndian ? c : '\0');
        out.push_back(littleEndian ? '\0' : c);
    }
    return out;
}

TEST_F(IniFileTest, AUtf16FileIsReadAndWrittenBackInUtf16) {
    for (const bool little : {true, false}) {
        // "é" and a character beyond the basic plane (a surrogate pair) in a comment.
        const std::string accent = little ? std::string("\xE9\x00", 2) : std::string("\x00\xE9", 2);
        const std::string clef = little ? "\x34\xD8\x1E\xDD" : "\xD8\x34\xDD\x1E";
        const std::string before =
            Utf16("; caf", little) + accent + clef + Utf16("\r\n[Level 1]\r\nA=1\r\n", little).substr(2);
        WriteBytes(file, before);
        EXPECT_EQ(Read("Level 1", "A"), "1");
        const ini::Entry entries[] = {{"A", "2"}, {"B", "3"}};
        ASSERT_TRUE(ini::WriteValues(file, "Level 1", entries));
        EXPECT_EQ(ReadBytes(file), Utf16("; caf", little) + accent + clef +
                                       Utf16("\r\n[Level 1]\r\nA=2\r\nB=3\r\n", little).substr(2));
    }
    // Half a character, or half a surrogate pair, is not UTF-16 that could be written back.
    for (const std::string& broken :
         {Utf16("[Level 1]\nA=1\n", true) + "\x41", Utf16("[Level 1]\nA=1\n", true) + "\x34\xD8"}) {
        WriteBytes(file, broken);
        EXPECT_EQ(Read("Level 1", "A"), std::nullopt);
        EXPECT_FALSE(ini::WriteValue(file, "Level 1", "A", "2"));
        EXPECT_EQ(ReadBytes(file), broken);
    }
}

TEST_F(IniFileTest, WritesThroughSymbolicLinksToTheirTargets) {
    ASSERT_EQ(::mkdir((dir / "dotfiles").c_str(), 0755), 0);
    WriteBytes(dir / "dotfiles/real.ini", "[Level 1]\nA=1\n");
    ASSERT_EQ(::chmod((dir / "dotfiles/real.ini").c_str(), 0600), 0);
    // A relative link, through a second link, as dotfile managers make them.
    ASSERT_EQ(::symlink("dotfiles/real.ini", (dir / "middle.ini").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "middle.ini").c_str(), file.c_str()), 0);

    ASSERT_TRUE(ini::WriteValue(file, "Level 1", "A", "2"));
    struct stat info {};
    ASSERT_EQ(::lstat(file.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link itself stays a link";
    ASSERT_EQ(::lstat((dir / "middle.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadBytes(dir / "dotfiles/real.ini"), "[Level 1]\nA=2\n");
    ASSERT_EQ(::stat((dir / "dotfiles/real.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(dir.Entries(dir / "dotfiles"), std::vector<std::string>{"real.ini"});

    // A dangling link gets its target created.
    ASSERT_EQ(::symlink("later/target.ini", (dir / "dangling.ini").c_str()), 0);
    ASSERT_TRUE(ini::WriteValue(dir / "dangling.ini", "Level 1", "A", "3"));
    EXPECT_EQ(ReadBytes(dir / "later/target.ini"), "[Level 1]\nA=3\n");
}

}  // namespace
