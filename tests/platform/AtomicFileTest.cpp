// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and replacing the settings file on a real disk: links, permissions, odd things in the
// file's place, and what killed saves leave behind.
#include "platform/AtomicFile.h"

#include <algorithm>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/ScratchDir.h"

namespace {

using gametest::ReadBytes;
using gametest::ScratchDir;
using gametest::WriteBytes;

constexpr std::size_t kLargest = 1000;

// Replaces the file's bytes by `bytes`, whatever it held.
bool Replace(const std::string& path, const std::string& bytes) {
    return platform::RewriteFile(path, kLargest, [&](std::string) { return bytes; });
}

class AtomicFileTest : public ::testing::Test {
  protected:
    ScratchDir dir;
    std::string file = dir / "settings.ini";
};

TEST_F(AtomicFileTest, ReadsARegularFileWithinTheBoundAndNothingElse) {
    WriteBytes(file, std::string(kLargest, 'x'));
    EXPECT_EQ(platform::ReadWholeFile(file, kLargest), std::string(kLargest, 'x'));

    EXPECT_EQ(platform::ReadWholeFile(dir / "absent.ini", kLargest), std::nullopt);
    EXPECT_EQ(platform::ReadWholeFile(dir.path(), kLargest), std::nullopt) << "a directory reads as nothing";
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(platform::ReadWholeFile(dir / "pipe", kLargest), std::nullopt)
        << "a named pipe, without waiting";
}

TEST_F(AtomicFileTest, CreatesDirectoriesAndFileWhenMissing) {
    const std::string nested = dir / "a/b/c/settings.ini";
    std::string seen = "not called";
    ASSERT_TRUE(platform::RewriteFile(nested, kLargest, [&](std::string old) {
        seen = old;
        return std::string("[Level 1]\nA=1\n");
    }));
    EXPECT_EQ(seen, "") << "no file yet: nothing to start from";
    EXPECT_EQ(ReadBytes(nested), "[Level 1]\nA=1\n");
    EXPECT_EQ(dir.Entries(dir / "a/b/c"), std::vector<std::string>{"settings.ini"}) << "no temporary left";
    struct stat info {};
    ASSERT_EQ(::stat((dir / "a").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u) << "a new configuration directory is private";
}

TEST_F(AtomicFileTest, FailedWritesReportFailureAndLeaveNoTrace) {
    // A directory standing where the file should be.
    ASSERT_EQ(::mkdir(file.c_str(), 0755), 0);
    WriteBytes(file + "/inside", "precious");
    EXPECT_FALSE(Replace(file, "new"));
    EXPECT_EQ(ReadBytes(file + "/inside"), "precious");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"settings.ini"});

    // A regular file standing where the directory should be.
    WriteBytes(dir / "notadir", "x");
    EXPECT_FALSE(Replace(dir / "notadir/deeper/settings.ini", "new"));
    EXPECT_EQ(ReadBytes(dir / "notadir"), "x");

    // A loop of symbolic links leads nowhere.
    ASSERT_EQ(::symlink("loop2", (dir / "loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", (dir / "loop2").c_str()), 0);
    EXPECT_FALSE(Replace(dir / "loop1", "new"));

    // A file larger than the bound is not replaced.
    const std::string large(kLargest + 1, ';');
    WriteBytes(dir / "large.ini", large);
    EXPECT_FALSE(Replace(dir / "large.ini", "new"));
    EXPECT_EQ(ReadBytes(dir / "large.ini"), large);

    // No name at all: nothing is written, nor swept, in whatever folder the game runs in.
    EXPECT_FALSE(Replace("", "new"));
}

TEST_F(AtomicFileTest, KeepsPermissionBitsAndGivesNewFilesTheUsualOnes) {
    WriteBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(Replace(file, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const mode_t oldMask = ::umask(022);
    const std::string fresh = dir / "fresh.ini";
    const bool created = Replace(fresh, "new");
    ::umask(oldMask);
    ASSERT_TRUE(created);
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

// Also when the game runs as root, which the permission bits alone would not stop.
TEST_F(AtomicFileTest, AReadOnlyFileIsNotReplacedBehindThePlayersBack) {
    WriteBytes(file, "[Level 1]\nA=1\n");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(Replace(file, "new"));
    EXPECT_EQ(ReadBytes(file), "[Level 1]\nA=1\n");
    EXPECT_EQ(platform::ReadWholeFile(file, kLargest), "[Level 1]\nA=1\n") << "it still reads";
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"settings.ini"});
}

TEST_F(AtomicFileTest, LeftoversOfKilledSavesAreRemovedOthersStay) {
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
    ASSERT_TRUE(Replace(file, "new"));
    std::vector<std::string> left = dir.Entries();
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected{running, ".settings.ini.tmp-x-1",
                                      ".other.ini.tmp-" + std::to_string(child) + "-1", "settings.ini"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

TEST_F(AtomicFileTest, WritesThroughSymbolicLinksToTheirTargets) {
    ASSERT_EQ(::mkdir((dir / "dotfiles").c_str(), 0755), 0);
    WriteBytes(dir / "dotfiles/real.ini", "old");
    ASSERT_EQ(::chmod((dir / "dotfiles/real.ini").c_str(), 0600), 0);
    // A relative link, through a second link, as dotfile managers make them.
    ASSERT_EQ(::symlink("dotfiles/real.ini", (dir / "middle.ini").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "middle.ini").c_str(), file.c_str()), 0);

    ASSERT_TRUE(platform::RewriteFile(file, kLargest, [](std::string old) { return old + "+new"; }));
    struct stat info {};
    ASSERT_EQ(::lstat(file.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link itself stays a link";
    ASSERT_EQ(::lstat((dir / "middle.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadBytes(dir / "dotfiles/real.ini"), "old+new") << "the target's bytes were the start";
    ASSERT_EQ(::stat((dir / "dotfiles/real.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(dir.Entries(dir / "dotfiles"), std::vector<std::string>{"real.ini"});

    // A dangling link gets its target created.
    ASSERT_EQ(::symlink("later/target.ini", (dir / "dangling.ini").c_str()), 0);
    ASSERT_TRUE(Replace(dir / "dangling.ini", "new"));
    EXPECT_EQ(ReadBytes(dir / "later/target.ini"), "new");
}

}  // namespace
