// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/KeptPuzzle.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <random>

#include <sys/stat.h>

#include "engine/Game.h"
#include "engine/Position.h"
#include "engine/WholeNumber.h"
#include "platform/AtomicFile.h"
#include "platform/PlayerFolders.h"

namespace game {

namespace {

// The first line names the file and its format; a later game that changes the lines writes a
// higher number, and this game leaves such a file alone.
constexpr std::string_view kFormatLine = "SpEcTrUmIx puzzle in play ";
constexpr int kFormat = 1;

std::string_view KindOf(const KeptPuzzle& kept) {
    return kept.replay ? "replay" : kept.teaching ? "teaching" : "free";
}

}  // namespace

std::string KeptPuzzleText(const KeptPuzzle& kept) {
    char run[17];
    const auto written = std::to_chars(run, run + sizeof run, kept.run, 16);
    std::string text;
    text.reserve(2 * kept.clicks.size() + 160);
    text += kFormatLine;
    text += std::to_string(kFormat);
    text += "\ncode ";
    text += PuzzleCodeOf(kept.recipe).data();
    text += "\nclicks ";
    text += ClicksText(kept.clicks);
    text += "\nkind ";
    text += KindOf(kept);
    text += "\nplayed-ms " + std::to_string(kept.playedMs);
    text += "\npainter " + std::to_string(kept.painter);
    text += "\nrun ";
    text.append(run, written.ptr);
    text += '\n';
    return text;
}

KeptPuzzleRead ReadKeptPuzzle(std::string_view text) {
    KeptPuzzleRead read;
    const std::size_t firstEnd = text.find('\n');
    if (firstEnd == std::string_view::npos || !text.starts_with(kFormatLine))
        return read;
    int format = 0;
    if (!ReadWholeNumber(text.substr(kFormatLine.size(), firstEnd - kFormatLine.size()), format) || format < 1)
        return read;
    if (format > kFormat) {
        read.reading = KeptReading::NewerFormat;
        return read;
    }
    // Every line once, whole (ended by its newline), in any order.
    enum Seen : unsigned { kCode = 1, kClicks = 2, kKind = 4, kPlayed = 8, kPainter = 16, kRun = 32, kAll = 63 };
    unsigned seen = 0;
    KeptPuzzle& kept = read.kept;
    std::string_view rest = text.substr(firstEnd + 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos)
            return read;  // cut short
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        const std::size_t space = line.find(' ');
        const std::string_view name = line.substr(0, space);
        const std::string_view value = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        unsigned bit = 0;
        bool ok = false;
        if (name == "code") {
            bit = kCode;
            const CodeReading code = ReadPuzzleCode(value);
            ok = code.ok();
            kept.recipe = code.recipe;
        } else if (name == "clicks") {
            bit = kClicks;
            auto clicks = ReadClicks(value, kMostKeptClicks);
            ok = clicks.has_value();
            if (ok)
                kept.clicks = std::move(*clicks);
        } else if (name == "kind") {
            bit = kKind;
            ok = value == "replay" || value == "teaching" || value == "free";
            kept.replay = value == "replay";
            kept.teaching = value == "teaching";
        } else if (name == "played-ms") {
            bit = kPlayed;
            ok = ReadWholeNumber(value, kept.playedMs) && kept.playedMs >= 0;
        } else if (name == "painter") {
            bit = kPainter;
            ok = ReadWholeNumber(value, kept.painter) && kept.painter >= 1 && kept.painter <= kMaxColors;
        } else if (name == "run") {
            bit = kRun;
            ok = ReadWholeNumber(value, kept.run, 16);
        } else {
            continue;  // a line a later game of this format may add
        }
        if (!ok || (seen & bit) != 0)
            return read;
        seen |= bit;
    }
    if (seen != kAll || kept.painter > kept.recipe.colors || !PositionInPlay(kept.recipe, kept.clicks))
        return read;
    read.reading = KeptReading::Puzzle;
    return read;
}

KeptPuzzle KeptPuzzleOf(Game& game) {
    std::uint64_t& mark = game.Session.KeepMark;
    if (mark == 0) {
        std::random_device source;
        while (mark == 0) mark = (std::uint64_t{source()} << 32) | source();
    }
    const PuzzleState& p = game.Puzzle;
    KeptPuzzle kept;
    kept.recipe = p.Recipe;
    kept.clicks.assign(game.Clicks().begin(), game.Clicks().end());
    kept.replay = p.Replay;
    kept.teaching = !p.Replay && game.Settings.TeachingMode;
    kept.playedMs = p.ShownAtMs >= 0 ? std::max<std::int64_t>(0, game.SteadyMs() - p.ShownAtMs) : 0;
    kept.painter = std::max(1, ColorIndexOf(p.SelectedColor));
    kept.run = mark;
    return kept;
}

bool PlayKeptPuzzle(Game& game, const KeptPuzzle& kept) {
    if (!game.PlayPuzzleAt(kept.recipe, kept.replay, kept.clicks, kept.painter))
        return false;
    game.Puzzle.ShownAtMs = game.SteadyMs() - kept.playedMs;
    game.Session.ResumedMark = kept.run;
    return true;
}

std::string KeptPuzzlePath() {
    const std::string folder = platform::DataFolder();
    return folder.empty() ? folder : folder + "/SpEcTrUmIx/" + kKeptPuzzleFileName;
}

bool ResumeKeptPuzzle(Game& game) {
    const std::string path = KeptPuzzlePath();
    if (path.empty())
        return false;
    const std::optional<std::string> bytes = platform::ReadWholeFile(path, kLargestKeptFile);
    if (!bytes) {
        // Nothing at all (the usual case), or something the game cannot read as its file: a
        // regular file larger than any it writes is set aside, anything else left alone.
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            static_cast<std::size_t>(info.st_size) <= kLargestKeptFile)
            return false;
    }
    const KeptPuzzleRead read = bytes ? ReadKeptPuzzle(*bytes) : KeptPuzzleRead{};
    if (read.reading == KeptReading::NewerFormat)
        return false;
    if (read.reading == KeptReading::Damaged) {
        // Set aside only while it is still the file that was read: another game may have kept
        // its puzzle there a moment ago.
        (void)platform::SettleFile(
            path, kLargestKeptFile,
            [&bytes](const platform::FileFound& file) {
                return file.regular && file.bytes == bytes ? platform::Fate::SetAside : platform::Fate::Keep;
            },
            path + kSetAsideSuffix);
        return false;
    }
    return PlayKeptPuzzle(game, read.kept);
}

bool KeepPuzzleInPlay(Game& game) {
    const std::string path = KeptPuzzlePath();
    if (path.empty()) {
        errno = ENOENT;
        return false;
    }
    const PuzzleState& p = game.Puzzle;
    const bool inPlay = p.Serial != 0 && !p.GameOver && game.Clicks().size() <= kMostKeptClicks;
    if (!inPlay) {
        // Nothing kept (the usual case): nothing to look at, and no lock file made for it.
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT)
            return true;
        const SessionState& session = game.Session;
        return platform::SettleFile(
            path, kLargestKeptFile,
            [&session](const platform::FileFound& file) {
                if (!file.bytes)
                    return platform::Fate::Keep;
                const KeptPuzzleRead read = ReadKeptPuzzle(*file.bytes);
                const bool ours = read.reading == KeptReading::Puzzle &&
                                  (read.kept.run == session.KeepMark || read.kept.run == session.ResumedMark) &&
                                  read.kept.run != 0;
                return ours ? platform::Fate::Remove : platform::Fate::Keep;
            },
            path + kSetAsideSuffix);
    }
    const KeptPuzzle kept = KeptPuzzleOf(game);
    const std::string text = KeptPuzzleText(kept);
    return platform::RewriteFile(path, kLargestKeptFile, [&text](const std::string&) { return text; });
}

}  // namespace game
