// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle in play kept when the game closes and put back when it starts: every position comes
// back, two games never lose each other's puzzle, and no file in its place stops a start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/Game.h"
#include "engine/KeptPuzzle.h"
#include "engine/Position.h"
#include "engine/Random.h"
#include "support/GameTest.h"
#include "support/ScratchDir.h"

namespace {

namespace fs = std::filesystem;

std::int64_t g_steadyMs = 1000;
std::int64_t SteadyClock() {
    return g_steadyMs;
}
std::int64_t UtcClock() {
    return 1767268800000;  // 2026-01-01 12:00 UTC
}

class KeptPuzzle : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("XDG_DATA_HOME", scratch.path().c_str(), 1);
        path = game::KeptPuzzlePath();
        ASSERT_EQ(path, scratch / "SpEcTrUmIx/puzzle-in-play.txt");
    }
    // A game as a run starts it, on the test's clocks.
    static void Start(game::Game& game, gametest::RecordingWindows& windows) {
        game.hooks.steadyClock = SteadyClock;
        game.hooks.utcClock = UtcClock;
        game.hooks.windows = &windows;
        game.PinClock(gametest::kNoon);
    }
    // Random clicks on the puzzle on display, none of them solving it.
    static void PlaySome(game::Game& game, std::uint32_t& seed, int most) {
        const game::PuzzleRecipe& recipe = game.Puzzle.Recipe;
        std::vector<game::Click> clicks(game.Clicks().begin(), game.Clicks().end());
        for (int k = 0; k < most; ++k) {
            const game::Click click{static_cast<std::uint8_t>(game::NextBelow(seed, recipe.vertices) + 1),
                                    static_cast<std::uint8_t>(game::NextBelow(seed, recipe.colors) + 1)};
            clicks.push_back(click);
            if (!game::PositionInPlay(recipe, clicks)) {
                clicks.pop_back();
                continue;
            }
            g_steadyMs += 700;
            gametest::Paint(game, click.colorIndex, click.vertex);
        }
    }
    bool Exists(const std::string& name) const { return fs::exists(fs::symlink_status(name)); }

    gametest::ScratchDir scratch;
    std::string path;
};

// A thousand random games (every size, edges shown and hidden, teaching and replayed), each
// closed at a random click through the file's text and resumed in a fresh game: the position,
// the clicks, the painter in hand and the playing time are the ones left; and a resumed game
// finished ends exactly as the same game finished without the interruption.
TEST_F(KeptPuzzle, AThousandGamesComeBackAtTheirClick) {
    std::uint32_t seed = 39u;
    std::size_t clicks = 0;
    for (int played = 0; played < 1000; ++played) {
        gametest::RecordingWindows windows, resumedWindows;
        game::Game left, resumed;
        Start(left, windows);
        Start(resumed, resumedWindows);
        const game::PuzzleRecipe recipe{6 + game::NextBelow(seed, 11), 2 + game::NextBelow(seed, 3),
                                        game::NextBelow(seed, 101), played % 2 == 0,
                                        game::NextBelow(seed, game::kMsPerDay)};
        left.Settings.TeachingMode = resumed.Settings.TeachingMode = played % 3 != 0;
        left.Settings.TeachingModeConsecutiveGoodGames = resumed.Settings.TeachingModeConsecutiveGoodGames = 2;
        left.PlayPuzzle(recipe, played % 5 == 0);
        PlaySome(left, seed, game::NextBelow(seed, 3 * recipe.vertices));
        if (played % 4 == 0)
            left.PainterClick(game::NextBelow(seed, recipe.colors) + 1);

        const game::KeptPuzzleRead read = game::ReadKeptPuzzle(game::KeptPuzzleText(game::KeptPuzzleOf(left)));
        ASSERT_EQ(read.reading, game::KeptReading::Puzzle) << "game " << played;
        ASSERT_TRUE(game::PlayKeptPuzzle(resumed, read.kept));
        ASSERT_EQ(resumed.Now(), left.Now()) << "game " << played;
        ASSERT_TRUE(std::ranges::equal(resumed.Clicks(), left.Clicks()));
        clicks += left.Clicks().size();
        EXPECT_EQ(resumed.Puzzle.SelectedColor, left.Puzzle.SelectedColor);
        EXPECT_EQ(resumed.Puzzle.Replay, left.Puzzle.Replay);
        // Resumed at the moment it was left, so that its time to solve is the uninterrupted one's.
        EXPECT_EQ(resumed.Puzzle.ShownAtMs, left.Puzzle.ShownAtMs);
        if (played % 10 != 0)
            continue;
        gametest::Solve(left, [&](int colour, int vertex) { gametest::Paint(left, colour, vertex); });
        gametest::Solve(resumed, [&](int colour, int vertex) { gametest::Paint(resumed, colour, vertex); });
        ASSERT_EQ(resumedWindows.rated.size(), 1u);
        EXPECT_EQ(resumedWindows.rated.back(), windows.rated.back()) << "game " << played;
        EXPECT_EQ(resumed.Settings.TeachingModeConsecutiveGoodGames, left.Settings.TeachingModeConsecutiveGoodGames);
        EXPECT_EQ(resumedWindows.dialogs, windows.dialogs);
    }
    EXPECT_GT(clicks, 10'000u);
}

// Two games at once, each closing in turn: the file is always one whole puzzle, the last to close
// with a puzzle in play wins, and a game with none removes only a puzzle of its own run or the
// one it resumed.
TEST_F(KeptPuzzle, TwoGamesNeverRemoveEachOthersPuzzle) {
    std::uint32_t seed = 7u;
    gametest::RecordingWindows windows;
    game::Game first, second, third, idle;
    for (game::Game* game : {&first, &second, &third, &idle}) Start(*game, windows);
    EXPECT_TRUE(game::KeepPuzzleInPlay(idle));  // no puzzle and no file: nothing to do
    EXPECT_FALSE(Exists(path));

    first.PlayPuzzle({12, 3, 60, false, 1234567}, false);
    PlaySome(first, seed, 9);
    ASSERT_TRUE(game::KeepPuzzleInPlay(first));
    // Two games started on it: both resume it.
    ASSERT_TRUE(game::ResumeKeptPuzzle(second));
    ASSERT_TRUE(game::ResumeKeptPuzzle(third));
    EXPECT_EQ(second.Now(), first.Now());
    PlaySome(second, seed, 3);
    ASSERT_TRUE(game::KeepPuzzleInPlay(second));
    // The third solves the resumed puzzle: the file holds the second's now, which stays.
    gametest::Solve(third, [&](int colour, int vertex) { gametest::Paint(third, colour, vertex); });
    ASSERT_TRUE(game::KeepPuzzleInPlay(third));
    EXPECT_TRUE(game::KeepPuzzleInPlay(idle));
    game::Game fourth;
    Start(fourth, windows);
    ASSERT_TRUE(game::ResumeKeptPuzzle(fourth));
    EXPECT_EQ(fourth.Now(), second.Now());
    // The second ends its game (the solution shown): its own puzzle goes.
    second.ShowSolution();
    ASSERT_TRUE(game::KeepPuzzleInPlay(second));
    EXPECT_FALSE(Exists(path));

    // A later game's file stays until this game has a puzzle of its own to keep.
    const std::string newer = "SpEcTrUmIx puzzle in play 2\nboard 99\n";
    gametest::WriteBytes(path, newer);
    game::Game fifth;
    Start(fifth, windows);
    EXPECT_FALSE(game::ResumeKeptPuzzle(fifth));
    EXPECT_TRUE(game::KeepPuzzleInPlay(fifth));
    EXPECT_EQ(gametest::ReadBytes(path), newer);
    fifth.NewPuzzle();
    ASSERT_TRUE(game::KeepPuzzleInPlay(fifth));
    EXPECT_EQ(game::ReadKeptPuzzle(gametest::ReadBytes(path)).reading, game::KeptReading::Puzzle);
}

// Whatever stands in the file's place, the start goes on with an empty board: a file that is not
// a kept puzzle of this game is set aside (so that it never stands in the way again), while a
// later game's file, a folder and a device are left alone.
TEST_F(KeptPuzzle, ABadFileNeverStopsTheStart) {
    const game::PuzzleRecipe example{6, 3, 63, false, gametest::kNoon};
    const std::string code = game::PuzzleCodeOf(example).data();
    const auto text = [&code](const std::string& clicks, const std::string& codeLine = {}) {
        return "SpEcTrUmIx puzzle in play 1\ncode " + (codeLine.empty() ? code : codeLine) + "\nclicks " + clicks +
               "\nkind free\nplayed-ms 5000\npainter 1\nrun 5eed\n";
    };
    const std::string good = text("1232");
    std::string junk(4096, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 2654435761u) >> 13);
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make;
        bool setAside;
    };
    const auto bytes = [](std::string written) {
        return [written](const std::string& at) { gametest::WriteBytes(at, written); };
    };
    const std::vector<Case> cases{
        {"damaged", bytes(text("12").replace(text("12").find("5000"), 4, "5x00")), true},
        {"truncated", bytes(good.substr(0, good.size() - 3)), true},
        {"empty", bytes(""), true},
        {"binary junk", bytes(junk), true},
        {"a code of another shape", bytes(text("12", "18C66")), true},
        {"a click on vertex 17", bytes(text("12h1")), true},
        {"a click on vertex 7 of 6", bytes(text("1271")), true},
        {"a click in colour 5", bytes(text("1215")), true},
        {"a click in colour 4 of 3", bytes(text("1214")), true},
        {"a solved game", bytes(text("122233415263")), true},
        {"a million clicks", bytes(text(std::string(2'000'000, '1'))), true},
        {"a 100 MB file", [](const std::string& at) { gametest::WriteBytes(at, "x"); fs::resize_file(at, 100'000'000); }, true},
        {"a newer format", bytes("SpEcTrUmIx puzzle in play 2\n"), false},
        {"a folder", [](const std::string& at) { fs::create_directory(at); }, false},
        {"a link to a device", [](const std::string& at) { fs::create_symlink("/dev/zero", at); }, false},
    };
    fs::create_directories(fs::path(path).parent_path());
    for (const Case& bad : cases) {
        bad.make(path);
        game::Game game;
        gametest::RecordingWindows windows;
        Start(game, windows);
        EXPECT_FALSE(game::ResumeKeptPuzzle(game)) << bad.name;
        EXPECT_EQ(game.Puzzle.Serial, 0u) << bad.name;
        EXPECT_EQ(Exists(path + ".damaged"), bad.setAside) << bad.name;
        EXPECT_EQ(Exists(path), !bad.setAside) << bad.name;
        // Closing with no puzzle leaves whatever is there alone.
        EXPECT_TRUE(game::KeepPuzzleInPlay(game) || !bad.setAside) << bad.name;
        EXPECT_EQ(Exists(path), !bad.setAside) << bad.name;
        fs::remove_all(path);
        fs::remove_all(path + ".damaged");
    }
    // And the good file comes back.
    gametest::WriteBytes(path, good);
    game::Game game;
    gametest::RecordingWindows windows;
    Start(game, windows);
    ASSERT_TRUE(game::ResumeKeptPuzzle(game));
    EXPECT_EQ(game.Puzzle.ClickCount, 2);
    EXPECT_EQ(game.SteadyMs() - game.Puzzle.ShownAtMs, 5000);
}

}  // namespace
