// SPDX-License-Identifier: GPL-3.0-or-later
// Kills in-place saves at random moments and tells what each kill left: a hard-linked settings
// file is rewritten over and over, alternately with a long and a shorter text, by a child that
// is killed (SIGKILL) after a random delay; then the file is read as the game reads it, a save
// writes any interrupted one through, and the bytes under the file's second name are checked.
//
//   inplace_kills [rounds=200] [folder=$TMPDIR]
//
// Prints one line of counts; exits 1 when any reading or any file was not the whole old or the
// whole new text.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/AtomicFile.h"

namespace {

std::string Text(const char* key, const char* value, std::size_t size) {
    std::string text;
    for (int line = 0; text.size() < size; ++line) text += key + std::to_string(line) + "=" + value + "\n";
    return text;
}

std::string RawBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    const std::filesystem::path base = argc > 2 ? argv[2] : std::filesystem::temp_directory_path().string();
    std::string pattern = (base / "spectrumix-kills-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return 2;
    const std::string file = pattern + "/SpEcTrUmIx.ini";
    const std::string second = pattern + "/dotfiles-copy.ini";
    constexpr std::size_t kBound = std::size_t{1} << 20;
    const std::string longer = Text("Colour", "blue", 600'000);
    const std::string shorter = Text("Shade", "red", 250'000);
    std::ofstream(file, std::ios::binary) << shorter;
    if (::link(file.c_str(), second.c_str()) != 0)
        return 2;

    std::mt19937 random(20261209);
    int tornOnDisk = 0, sidecarsLeft = 0, readOld = 0, readNew = 0, badReads = 0, badFiles = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::string before = RawBytes(second);
        const pid_t saver = ::fork();
        if (saver < 0)
            return 2;
        if (saver == 0) {
            ::alarm(30);
            for (bool flip = before == longer;; flip = !flip) {
                (void)platform::RewriteFile(file, kBound,
                                            [&](std::string) { return flip ? shorter : longer; });
            }
        }
        // The first save of each child is the one that matters most: kill within its span.
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 40'000)(random));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);

        const std::string raw = RawBytes(second);
        tornOnDisk += raw != longer && raw != shorter ? 1 : 0;
        sidecarsLeft += std::filesystem::exists(pattern + "/.SpEcTrUmIx.ini.pending") ? 1 : 0;
        const std::optional<std::string> read = platform::ReadWholeFile(file, kBound);
        if (read != longer && read != shorter)
            ++badReads;
        else
            (read == before ? readOld : readNew) += 1;
        (void)platform::RewriteFile(file, kBound, [](std::string old) { return old; });
        const std::string after = RawBytes(second);
        badFiles += (after != longer && after != shorter) || after != read ? 1 : 0;
    }
    std::printf(
        "%d kills: read whole old %d, whole new %d, not whole %d; left torn on disk until the next save %d "
        "(sidecar beside it %d); after the next save not whole %d\n",
        rounds, readOld, readNew, badReads, tornOnDisk, sidecarsLeft, badFiles);
    std::filesystem::remove_all(pattern);
    return badReads == 0 && badFiles == 0 ? 0 : 1;
}
