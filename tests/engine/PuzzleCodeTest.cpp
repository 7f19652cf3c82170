// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle codes: a code gives back its puzzle, a slip of the pen is caught, and a code is read
// the way people type it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/GameEnd.h"
#include "engine/PuzzleCode.h"
#include "support/GameTest.h"

using namespace game;

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

PuzzleRecipe RandomRecipe(std::uint32_t& seed) {
    PuzzleRecipe s;
    s.vertices = 6 + NextBelow(seed, 11);
    s.colors = 2 + NextBelow(seed, 3);
    s.edgeProbability = NextBelow(seed, 101);
    s.edgesShown = NextBelow(seed, 2) == 1;
    s.clockMs = NextBelow(seed, 86'400'000);
    return s;
}

TEST(PuzzleCode, EveryCodeReadsBackAndNoSingleSlipOrSwapIsTaken) {
    std::uint32_t seed = 2026;
    for (int round = 0; round < 3000; ++round) {
        const PuzzleRecipe recipe = RandomRecipe(seed);
        const std::string code = PuzzleCodeOf(recipe).data();
        ASSERT_EQ(code.size(), 11u);
        ASSERT_EQ(code[5], '-');
        const CodeReading back = ReadPuzzleCode(code);
        ASSERT_TRUE(back.ok()) << code;
        ASSERT_EQ(back.recipe, recipe) << code;
        if (round >= 300)
            continue;
        std::string bare = code.substr(0, 5) + code.substr(6);
        for (std::size_t at = 0; at < bare.size(); ++at) {
            for (char other : kDigits) {
                if (other == bare[at])
                    continue;
                std::string typed = bare;
                typed[at] = other;
                EXPECT_FALSE(ReadPuzzleCode(typed).ok()) << code << " read as " << typed;
            }
            if (at + 1 < bare.size() && bare[at] != bare[at + 1]) {
                std::string swapped = bare;
                std::swap(swapped[at], swapped[at + 1]);
                EXPECT_FALSE(ReadPuzzleCode(swapped).ok()) << code << " swapped as " << swapped;
            }
        }
    }
}

TEST(PuzzleCode, IsReadAsPeopleTypeItAndSaysWhatIsWrong) {
    const PuzzleRecipe recipe{8, 3, 63, true, 12 * 3600 * 1000};
    std::string code = PuzzleCodeOf(recipe).data();
    std::string loose;
    for (char c : code) {
        const char lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        loose += c == '0' ? 'o' : c == '1' ? 'l' : lower;
        loose += ' ';
    }
    EXPECT_EQ(ReadPuzzleCode(" " + loose + "\t").recipe, recipe) << loose;

    EXPECT_EQ(ReadPuzzleCode("  - ").problem, CodeProblem::Empty);
    const CodeReading u = ReadPuzzleCode(code.substr(0, 3) + "U" + code.substr(4));
    EXPECT_EQ(u.problem, CodeProblem::BadCharacter);
    EXPECT_EQ(u.character, U'U');
    EXPECT_EQ(ReadPuzzleCode(code.substr(0, 3) + "\xC3\xA9").character, U'\u00E9');
    EXPECT_EQ(ReadPuzzleCode(code.substr(0, 9)).problem, CodeProblem::TooShort);
    EXPECT_EQ(ReadPuzzleCode(code + "7").problem, CodeProblem::TooLong);
    EXPECT_EQ(ReadPuzzleCode("2" + code.substr(1)).problem, CodeProblem::NewerFormat);
    // Well formed, right check, but beyond any puzzle: the largest value of the eight characters.
    const std::string top = "1ZZZZZZZZ";
    for (char check : kDigits) {
        const CodeReading r = ReadPuzzleCode(top + check);
        EXPECT_TRUE(r.problem == CodeProblem::Mistyped || r.problem == CodeProblem::NotAPuzzle) << top + check;
    }
    EXPECT_STREQ(PuzzleCodeOf({5, 3, 63, true, 0}).data(), "") << "no code for a shape the game cannot draw";
}

TEST(PuzzleCode, ACharacterSpelledInMoreBytesThanItNeedsIsRefused) {
    const std::string code = PuzzleCodeOf({8, 3, 63, true, 12 * 3600 * 1000}).data();
    // "1" in two, three and four bytes, a surrogate, and a code point beyond Unicode.
    for (const std::string odd :
         {"\xC0\xB1", "\xE0\x80\xB1", "\xF0\x80\x80\xB1", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        const CodeReading r = ReadPuzzleCode(odd + code.substr(1));
        EXPECT_EQ(r.problem, CodeProblem::BadCharacter);
        EXPECT_EQ(r.character, U'\uFFFD');
    }
    EXPECT_EQ(ReadPuzzleCode("\xF0\x9F\x98\x80" + code).character, U'\U0001F600') << "a four-byte character";
}

// The clock moves on while a puzzle is drawn; the puzzle is still the one of its first reading.
std::int32_t g_reading = 0;
std::int32_t MovingClock() {
    return g_reading += 7;
}

using Replays = gametest::EngineTest;

TEST_F(Replays, APuzzleIsDrawnFromOneReadingAndItsCodeGivesItBack) {

    game.SetClock(&MovingClock);
    g_reading = 43'200'000;
    game.Settings.RandomNumberOfColors = game.Settings.RandomNumberOfVertices =
        game.Settings.RandomEdgeProbability = true;
    game.Settings.ShowEdges = false;
    game.NewPuzzle();
    const PuzzleRecipe recipe = game.Puzzle.Recipe;
    EXPECT_EQ(recipe.clockMs, 43'200'007);
    // Read at one tick, the three draws see the same number: more vertices go with more colours.
    EXPECT_EQ(recipe.vertices, game.Settings.NumberOfVertices);
    EXPECT_EQ(recipe.colors, game.Settings.NumberOfColors);

    const PuzzleGraph graph = GeneratePuzzle(ReadPuzzleCode(PuzzleCodeOf(recipe).data()).recipe);
    EXPECT_EQ(graph.hiddenColoring, game.Puzzle.HiddenColoring);
    EXPECT_EQ(graph.edgeCount, game.Puzzle.EdgeCount);
    for (int e = 0; e < graph.edgeCount; ++e) {
        const auto& edge = graph.edges[static_cast<std::size_t>(e)];
        EXPECT_EQ(game.BoardVertex[edge[0]].GetNeighbor(edge[1]), 1);
    }
    EXPECT_EQ(ParFor(graph.vertices, recipe.edgesShown, graph.hiddenColorCount, graph.edgeCount), game.ComputePar());
}

// A puzzle played again from its code or restarted: asked first like New Puzzle, rated and
// recorded with its code, and never a step of the teaching mode, nor a change to the settings.
TEST_F(Replays, APuzzlePlayedAgainIsRatedButLeavesSettingsAndTeachingAlone) {
    game.Settings.TeachingMode = true;
    StartExample(true);
    const PuzzleRecipe first = game.Puzzle.Recipe;
    Solve();
    EXPECT_EQ(game.Settings.TeachingModeConsecutiveGoodGames, 1);
    game.PerfectNo(windows.ratings.back());  // the advance is declined; the streak starts over
    game.Settings.TeachingModeConsecutiveGoodGames = 1;
    const GameSettings settings = game.Settings;

    game.RestartClick();  // the game is over: no question
    EXPECT_EQ(windows.dialogs.size(), 1u);
    EXPECT_EQ(game.Puzzle.Recipe, first);
    EXPECT_TRUE(game.Puzzle.Replay);
    EXPECT_EQ(board.score, 0);

    // During play a code asks first; "Yes" rates the dropped replay at par + 10, streak untouched.
    const PuzzleRecipe other{9, 4, 70, false, 1234};
    game.ReplayClick(other);
    EXPECT_EQ(windows.dialogs.back(), Dialog::GameNotOverDecision);
    game.NewPuzzleDecisionYes();
    EXPECT_EQ(game.Puzzle.Recipe, other);
    EXPECT_EQ(windows.rated.back().result, 16);
    EXPECT_STREQ(windows.rated.back().code.data(), PuzzleCodeOf(first).data());
    EXPECT_FALSE(windows.rated.back().teaching);

    Solve();  // at par: rated as outside the teaching mode
    EXPECT_EQ(windows.ratings.back().message, RatingMessage::ExcellentMethod);
    game.ExcellentOk(windows.ratings.back());
    game.ExcellentNo(windows.ratings.back());
    EXPECT_EQ(game.Settings, settings) << "nor the settings nor the teaching progress moved";
    EXPECT_STREQ(windows.rated.back().code.data(), PuzzleCodeOf(other).data());

    // New Puzzle is the player's own puzzle again, and a refused No forgets the asked code.
    game.ReplayClick(first);
    game.NewPuzzle();
    game.ReplayClick(first);
    game.DecisionNo();
    game.NewPuzzleDecisionYes();
    EXPECT_FALSE(game.Puzzle.Replay);
    EXPECT_EQ(game.Puzzle.Recipe.vertices, 6);
}

}  // namespace
