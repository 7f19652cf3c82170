// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary typed text to the puzzle code reader and checks what a pupil typing a code
// relies on: the text is either refused with a reason the Puzzle Code window can say, or it
// names a puzzle the game can draw, whose code is exactly what was typed once case, the
// look-alike letters and the separators are set aside, and which reads back as the same puzzle.
// Built as a libFuzzer target with clang (fuzz/CMakeLists.txt), and into a plain program that
// replays the seeds, run by the test suite in every build (the sanitizer build included).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/PuzzleCode.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// The typed text as the code it was meant to be, told apart from the reader: the separators
// the reader passes over are dropped byte for byte, and whatever is left must be plain letters
// and digits (a character in any other spelling, an overlong one say, gives back no code).
std::string Canonical(std::string_view typed) {
    static constexpr std::string_view kSeparators[] = {
        "-", " ", "\t", "\xC2\xA0", "\xE2\x80\x90", "\xE2\x80\x91", "\xE2\x80\x93"};
    std::string code;
    for (std::size_t at = 0; at < typed.size();) {
        bool passed = false;
        for (const std::string_view separator : kSeparators) {
            if (typed.substr(at, separator.size()) == separator) {
                at += separator.size();
                passed = true;
                break;
            }
        }
        if (passed)
            continue;
        char c = typed[at++];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        code += c == 'O' ? '0' : c == 'I' || c == 'L' ? '1' : c;
    }
    return code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(bytes), size);
    const game::CodeReading reading = game::ReadPuzzleCode(typed);
    if (!reading.ok()) {
        Check(reading.problem >= game::CodeProblem::Empty &&
              reading.problem <= game::CodeProblem::NotAPuzzle);
        // The character the player is told to check is one a window can show.
        if (reading.problem == game::CodeProblem::BadCharacter)
            Check(reading.character <= 0x10FFFF &&
                  (reading.character < 0xD800 || reading.character > 0xDFFF));
        return 0;
    }
    const game::PuzzleRecipe& recipe = reading.recipe;
    Check(game::IsPlayable(recipe) && recipe.clockMs >= 0 && recipe.clockMs < game::kMsPerDay);
    const std::string code = game::PuzzleCodeOf(recipe).data();
    Check(code.size() == game::kPuzzleCodeCharacters + 1 && code[5] == '-');
    Check(Canonical(typed) == code.substr(0, 5) + code.substr(6));
    const game::CodeReading again = game::ReadPuzzleCode(code);
    Check(again.ok() && again.recipe == recipe);
    return 0;
}
