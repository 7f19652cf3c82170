// SPDX-License-Identifier: GPL-3.0-or-later
// The history file on real files in a scratch folder: whole lines appended after one header,
// never glued onto a line a kill cut short, by two games at once, and clear failures.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "engine/History.h"
#include "platform/HistoryFile.h"
#include "support/ScratchDir.h"

namespace {

std::string Line(int n) {
    return "line " + std::to_string(n) + "\n";
}

bool Append(const std::string& path, const std::string& line) {
    return platform::AppendToHistory(path, "#head\n", line) == platform::Appended::Done;
}

}  // namespace

TEST(HistoryFile, AppendsWholeLinesAfterOneHeaderAndNeverOntoATornLine) {
    gametest::ScratchDir scratch;
    const std::string path = scratch / "data/SpEcTrUmIx/history.tsv";
    EXPECT_EQ(platform::ReadHistory(path, 1 << 20), std::string());  // no file yet: no games

    ASSERT_TRUE(Append(path, Line(1)));
    ASSERT_TRUE(Append(path, Line(2)));
    gametest::WriteBytes(path, gametest::ReadBytes(path) + "torn li");
    ASSERT_TRUE(Append(path, Line(3)));
    EXPECT_EQ(platform::ReadHistory(path, 1 << 20), "#head\nline 1\nline 2\ntorn li\nline 3\n");
    EXPECT_EQ(platform::ReadHistory(path, 8), "#head\nli");  // a huge file is read as far as allowed
    struct stat folder {};
    ASSERT_EQ(::stat((scratch / "data/SpEcTrUmIx").c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);

    // A directory in the file's place, or a file in its folder's place: it says so, nothing breaks.
    const std::string blocked = scratch / "blocked/history.tsv";
    ASSERT_EQ(::mkdir((scratch / "blocked").c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(blocked.c_str(), 0700), 0);
    EXPECT_EQ(platform::AppendToHistory(blocked, "#head\n", Line(1)), platform::Appended::Failed);
    EXPECT_EQ(platform::ReadHistory(blocked, 1 << 20), std::nullopt);
    gametest::WriteBytes(scratch / "plain", "x");
    EXPECT_EQ(platform::AppendToHistory(scratch / "plain/history.tsv", "#head\n", Line(1)),
              platform::Appended::Failed);
}

TEST(HistoryFile, TwoGamesAppendingAtOnceLoseNoLine) {
    gametest::ScratchDir scratch;
    const std::string path = scratch / "history.tsv";
    constexpr int kEach = 300;
    pid_t children[2] = {};
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            bool ok = true;
            for (int i = 0; i < kEach; ++i) ok = Append(path, Line(c * kEach + i)) && ok;
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::string bytes = gametest::ReadBytes(path);
    for (int n = 0; n < 2 * kEach; ++n) EXPECT_NE(bytes.find("\n" + Line(n)), std::string::npos) << n;
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'),
              2 * kEach + std::count(bytes.begin(), bytes.end(), '#'));
}
