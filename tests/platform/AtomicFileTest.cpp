// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and replacing the settings file on a real disk: links, permissions, odd things in the
// file's place, and what killed saves leave behind.
#include "platform/AtomicFile.h"

#include <chrono>
#include <csignal>
#include <ctime>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/FullDisk.h"
#include "support/ScratchDir.h"

namespace {

using gametest::FullDisk;
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
    EXPECT_EQ(dir.Entries(dir / "a/b/c"), (std::vector<std::string>{".settings.ini.lock", "settings.ini"}))
        << "no temporary left; the lock file stays for the next save";
    struct stat info {};
    ASSERT_EQ(::stat((dir / "a").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u) << "a new configuration directory is private";
}

TEST_F(AtomicFileTest, FailedWritesReportFailureAndLeaveNoTrace) {
    // A directory standing where the file should be. Each failure says why, as the system does.
    ASSERT_EQ(::mkdir(file.c_str(), 0755), 0);
    WriteBytes(file + "/inside", "precious");
    EXPECT_FALSE(Replace(file, "new"));
    EXPECT_EQ(errno, EISDIR);
    EXPECT_EQ(ReadBytes(file + "/inside"), "precious");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{".settings.ini.lock", "settings.ini"}));

    // A regular file standing where the directory should be.
    WriteBytes(dir / "notadir", "x");
    EXPECT_FALSE(Replace(dir / "notadir/deeper/settings.ini", "new"));
    EXPECT_EQ(errno, ENOTDIR);
    EXPECT_EQ(ReadBytes(dir / "notadir"), "x");

    // A loop of symbolic links leads nowhere.
    ASSERT_EQ(::symlink("loop2", (dir / "loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", (dir / "loop2").c_str()), 0);
    EXPECT_FALSE(Replace(dir / "loop1", "new"));

    // A file larger than the bound is not replaced.
    const std::string large(kLargest + 1, ';');
    WriteBytes(dir / "large.ini", large);
    EXPECT_FALSE(Replace(dir / "large.ini", "new"));
    EXPECT_EQ(errno, EFBIG);
    EXPECT_EQ(ReadBytes(dir / "large.ini"), large);

    // A full disk (here a file-size limit), with nothing left behind.
    {
        FullDisk full(16);
        EXPECT_FALSE(Replace(dir / "full.ini", std::string(100, 'x')));
        EXPECT_EQ(errno, EFBIG);
    }
    for (const std::string& name : dir.Entries())
        EXPECT_TRUE(name != "full.ini" && !name.starts_with(".full.ini.new")) << name;

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
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{".settings.ini.lock", "settings.ini"}));
}

// Whoever holds the lock is the only one saving: every temporary file of the game's own kind
// is then a leftover, whatever process, in whatever namespace, made it. Files named by process
// number (an older game's, which took no lock) go once they are stale, even pid 1's.
TEST_F(AtomicFileTest, LeftoversOfKilledSavesAreRemovedOthersStay) {
    const std::string ours = ".settings.ini.new-0123456789abcdef";
    const std::string staleOld = ".settings.ini.tmp-1-1";
    const std::string freshOld = ".settings.ini.tmp-" + std::to_string(::getpid()) + "-1";
    const std::string otherShape = ".settings.ini.new-notours";
    const std::string otherFile = ".other.ini.new-0123456789abcdef";
    for (const std::string& name : {ours, staleOld, freshOld, otherShape, otherFile})
        WriteBytes(dir / name, "half");
    const timespec longAgo[2] = {{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / staleOld).c_str(), longAgo, 0), 0);

    ASSERT_TRUE(Replace(file, "new"));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{otherFile, ".settings.ini.lock", otherShape, freshOld,
                                                       "settings.ini"}));
}

// A save reads the file only once it holds the lock, so it builds on what the save before it
// wrote; the lock of a process that died goes with it.
TEST_F(AtomicFileTest, ASaveWaitsForTheOneUnderWayAndBuildsOnIt) {
    WriteBytes(file, "start");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        const int lock = ::open((dir / ".settings.ini.lock").c_str(), O_RDONLY | O_CREAT, 0644);
        ::flock(lock, LOCK_EX);
        (void)!::write(ready[1], "x", 1);
        ::usleep(200'000);
        WriteBytes(file, "other");
        ::raise(SIGKILL);  // dies holding the lock
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(platform::RewriteFile(file, kLargest, [](std::string old) { return old + "+mine"; }));
    const auto waited = std::chrono::steady_clock::now() - start;
    ::waitpid(other, nullptr, 0);
    EXPECT_EQ(ReadBytes(file), "other+mine");
    EXPECT_GT(waited, std::chrono::milliseconds(100));
    EXPECT_LT(waited, platform::kLockWait);
    ::close(ready[0]);
    ::close(ready[1]);
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
    EXPECT_EQ(dir.Entries(dir / "dotfiles"), (std::vector<std::string>{"real.ini"}))
        << "nothing is added beside what a link leads to";

    // A dangling link gets its target created.
    ASSERT_EQ(::symlink("later/target.ini", (dir / "dangling.ini").c_str()), 0);
    ASSERT_TRUE(Replace(dir / "dangling.ini", "new"));
    EXPECT_EQ(ReadBytes(dir / "later/target.ini"), "new");
}

// A file with a second name, or another user's file the game may write but not replace, is
// written in place: the same inode, so its owner stays and every name shows the new bytes; a
// full disk still leaves it whole.
TEST_F(AtomicFileTest, FilesAReplaceWouldChangeAreWrittenInPlace) {
    WriteBytes(file, "old");
    ASSERT_EQ(::link(file.c_str(), (dir / "second.ini").c_str()), 0);
    struct stat before {};
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    ASSERT_TRUE(Replace(file, "new and longer"));
    EXPECT_EQ(ReadBytes(dir / "second.ini"), "new and longer");
    ASSERT_TRUE(Replace(file, "short"));
    EXPECT_EQ(ReadBytes(dir / "second.ini"), "short");
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    bool written = true;
    {
        FullDisk full(64);
        written = Replace(file, std::string(200, 'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(file), "short");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{".settings.ini.lock", "second.ini", "settings.ini"}))
        << "no sidecar left";

    if (::geteuid() != 0)
        return;  // the rest needs a file of another user, which only root can arrange
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    for (const mode_t folderMode : {01777, 0777}) {
        const std::string folder = dir / ("folder" + std::to_string(folderMode));
        ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
        ASSERT_EQ(::chmod(folder.c_str(), folderMode), 0);
        const std::string shared = folder + "/settings.ini";
        WriteBytes(shared, "root's");
        ASSERT_EQ(::chmod(shared.c_str(), 0666), 0);
        const pid_t player = ::fork();
        ASSERT_GE(player, 0);
        if (player == 0) {
            const bool asNobody = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(asNobody && Replace(shared, "nobody's") ? 0 : 1);
        }
        int status = -1;
        ::waitpid(player, &status, 0);
        EXPECT_EQ(status, 0) << "folder mode " << std::oct << folderMode;
        EXPECT_EQ(ReadBytes(shared), "nobody's");
        ASSERT_EQ(::stat(shared.c_str(), &after), 0);
        EXPECT_EQ(after.st_uid, 0u) << "the file stays its owner's";
    }
}

// A save killed while it rewrites a hard-linked file in place leaves every reader the whole
// old text or the whole new one, under either name once the next save has run.
TEST_F(AtomicFileTest, AKillDuringAnInPlaceSaveLeavesTheWholeOldOrTheWholeNewText) {
    constexpr std::size_t kBound = std::size_t{1} << 20;
    std::string longer;
    std::string shorter;
    for (int line = 0; longer.size() < 600'000; ++line) longer += "Colour" + std::to_string(line) + "=blue\n";
    for (int line = 0; shorter.size() < 250'000; ++line) shorter += "Shade" + std::to_string(line) + "=red\n";
    WriteBytes(file, shorter);
    const std::string second = dir / "second.ini";
    ASSERT_EQ(::link(file.c_str(), second.c_str()), 0);
    const auto wholeText = [&](const std::optional<std::string>& text) {
        return text == longer || text == shorter;
    };

    // The in-place write itself is a small part of a save, most of which waits for the disk:
    // a few kills in a hundred land in it.
    std::srand(3);
    int changed = 0;
    int window = 30'000;  // longer where a machine or build is so slow that no save ends in it
    for (int round = 0; round < 120; ++round) {
        if (round % 20 == 19 && changed == 0)
            window *= 2;
        const std::string before = ReadBytes(second);
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            ::alarm(10);  // never outlives a test run that went wrong
            for (bool flip = before == longer;; flip = !flip) {
                (void)platform::RewriteFile(file, kBound,
                                            [&](std::string) { return flip ? shorter : longer; });
            }
        }
        ::usleep(static_cast<useconds_t>(std::rand() % window));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);

        const std::optional<std::string> read = platform::ReadWholeFile(file, kBound);
        ASSERT_TRUE(wholeText(read)) << "round " << round << ": " << (read ? read->size() : 0) << " bytes";
        changed += read != before ? 1 : 0;
        ASSERT_TRUE(platform::RewriteFile(file, kBound, [](std::string old) { return old; }));
        ASSERT_EQ(ReadBytes(second), *read) << "round " << round << ": written through";
    }
    EXPECT_GT(changed, 0) << "the kills did land during saves";
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{".settings.ini.lock", "second.ini", "settings.ini"}));
}

// Two games of two users in one sticky folder: when the other user's lock file cannot be
// opened, the save is refused rather than made under a lock the other game does not see.
TEST_F(AtomicFileTest, ALockFileThatCannotBeOpenedStopsTheSave) {
    WriteBytes(file, "old");
    // A link in the lock file's place, which the game never follows, stands in for another
    // user's lock file as far as root is concerned.
    ASSERT_EQ(::symlink("settings.ini", (dir / ".settings.ini.lock").c_str()), 0);
    EXPECT_FALSE(Replace(file, "new"));
    EXPECT_EQ(ReadBytes(file), "old");
    if (::geteuid() != 0)
        return;  // the rest needs a file of another user, which only root can arrange
    ASSERT_EQ(::unlink((dir / ".settings.ini.lock").c_str()), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 01777), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    WriteBytes(dir / ".settings.ini.lock", "");
    ASSERT_EQ(::chmod((dir / ".settings.ini.lock").c_str(), 0600), 0);
    const pid_t player = ::fork();
    ASSERT_GE(player, 0);
    if (player == 0) {
        const bool asNobody = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(asNobody && !Replace(file, "nobody's") ? 0 : 1);
    }
    int status = -1;
    ::waitpid(player, &status, 0);
    EXPECT_EQ(status, 0) << "refused";
    EXPECT_EQ(ReadBytes(file), "old");
}

// The lock file lies beside the name the player gave: a link to a pipe among devices gets none
// beside the pipe. Two names of one file still take turns.
TEST_F(AtomicFileTest, LockFilesLieBesideTheGivenNameAndTwoNamesOfOneFileTakeTurns) {
    ASSERT_EQ(::mkdir((dir / "devs").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo((dir / "devs/zero").c_str(), 0600), 0);
    ASSERT_EQ(::symlink((dir / "devs/zero").c_str(), file.c_str()), 0);
    EXPECT_FALSE(Replace(file, "new"));
    EXPECT_FALSE(platform::FileLock(file).held());
    EXPECT_EQ(dir.Entries(dir / "devs"), std::vector<std::string>{"zero"});
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"devs", "settings.ini"}));

    ASSERT_EQ(::mkdir((dir / "dotfiles").c_str(), 0755), 0);
    const std::string real = dir / "dotfiles/real.ini";
    const std::string linked = dir / "linked.ini";
    WriteBytes(real, "start");
    ASSERT_EQ(::symlink(real.c_str(), linked.c_str()), 0);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        const platform::FileLock turn(linked);
        (void)!::write(ready[1], turn.held() ? "y" : "n", 1);
        ::usleep(200'000);
        WriteBytes(real, "other");
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');
    ASSERT_TRUE(platform::RewriteFile(real, kLargest, [](std::string old) { return old + "+mine"; }));
    ::waitpid(other, nullptr, 0);
    EXPECT_EQ(ReadBytes(real), "other+mine") << "the save under the file's own name waited its turn";
    EXPECT_EQ(dir.Entries(dir / "dotfiles"), (std::vector<std::string>{".real.ini.lock", "real.ini"}));
    ::close(ready[0]);
    ::close(ready[1]);
}

}  // namespace
