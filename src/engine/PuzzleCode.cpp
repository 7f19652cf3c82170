// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PuzzleCode.h"

namespace game {

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr char kFormat = '1';
constexpr int kDataCharacters = 8;

// The recipe as one number, its fields as the digits of mixed radices; under 2^40, so eight
// base-32 characters hold it.
constexpr std::int64_t kVertexValues = 11, kColorValues = 3, kProbabilityValues = 101;
constexpr std::int64_t kRecipeValues = kMsPerDay * 2 * kProbabilityValues * kColorValues * kVertexValues;
static_assert(kRecipeValues <= (std::int64_t{1} << (5 * kDataCharacters)));

// The check: each character's value times its own power of a primitive element of GF(32),
// added up (by exclusive or). All the weights differ and none is zero, so one wrong character
// always changes the sum, and so does swapping two neighbours with different values.
int Times(int a, int b) {
    int product = 0;
    for (int bit = 0; bit < 5; ++bit) {
        if (b & (1 << bit))
            product ^= a;
        a <<= 1;
        if (a & 0x20)
            a ^= 0x25;  // x^5 + x^2 + 1
    }
    return product;
}

// Weight of the character `fromEnd` places before the check character (which weighs 1).
int Weight(int fromEnd) {
    int weight = 1;
    for (int i = 0; i < fromEnd; ++i) weight = Times(weight, 2);
    return weight;
}

int CheckOf(const int (&values)[kPuzzleCodeCharacters - 1]) {
    int sum = 0;
    for (std::size_t i = 0; i < kPuzzleCodeCharacters - 1; ++i)
        sum ^= Times(values[i], Weight(static_cast<int>(kPuzzleCodeCharacters - 1 - i)));
    return sum;
}

// The value of a typed character, -1 for a separator to pass over, -2 for one no code holds.
int ValueOf(char32_t c) {
    if (c == '-' || c == ' ' || c == '\t' || c == 0x00A0 || c == 0x2010 || c == 0x2011 || c == 0x2013)
        return -1;
    if (c >= 'a' && c <= 'z')
        c = c - 'a' + 'A';
    if (c == 'O')
        return 0;
    if (c == 'I' || c == 'L')
        return 1;
    if (c < 0x80) {
        const std::size_t at = kDigits.find(static_cast<char>(c));
        if (at != std::string_view::npos)
            return static_cast<int>(at);
    }
    return -2;
}

// The next code point of UTF-8 text; a broken sequence reads as U+FFFD, one byte at a time. So
// does a sequence longer than its code point needs ("C0 B1" is no "1"), a surrogate and anything
// beyond U+10FFFF: no two byte strings read as the same character.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    const std::size_t extra = (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : 0;
    char32_t c = lead & (0x3F >> extra);
    for (std::size_t i = 1; i <= extra; ++i) {
        if (at + i >= text.size() || (byte(at + i) & 0xC0) != 0x80)
            break;
        c = (c << 6) | (byte(at + i) & 0x3F);
        if (i == extra) {
            if (c < kSmallest[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
                break;
            at += extra + 1;
            return c;
        }
    }
    ++at;
    return 0xFFFD;
}

}  // namespace

bool IsPlayable(const PuzzleRecipe& s) {
    return s.vertices >= 6 && s.vertices <= 16 && s.colors >= 2 && s.colors <= 4 && s.edgeProbability >= 0 &&
           s.edgeProbability <= 100;
}

PuzzleCodeText PuzzleCodeOf(const PuzzleRecipe& s) {
    PuzzleCodeText text{};
    if (!IsPlayable(s) || s.clockMs < 0 || s.clockMs >= kMsPerDay)
        return text;  // no code: only a test's clock reads beyond a day
    std::int64_t number = s.clockMs;
    number = number * 2 + (s.edgesShown ? 1 : 0);
    number = number * kProbabilityValues + s.edgeProbability;
    number = number * kColorValues + (s.colors - 2);
    number = number * kVertexValues + (s.vertices - 6);
    int values[kPuzzleCodeCharacters - 1];
    values[0] = static_cast<int>(kDigits.find(kFormat));
    for (int i = kDataCharacters; i >= 1; --i) {
        values[i] = static_cast<int>(number % 32);
        number /= 32;
    }
    const int check = CheckOf(values);
    std::size_t out = 0;
    for (std::size_t i = 0; i < kPuzzleCodeCharacters; ++i) {
        if (i == 5)
            text[out++] = '-';
        text[out++] = kDigits[static_cast<std::size_t>(i + 1 < kPuzzleCodeCharacters ? values[i] : check)];
    }
    return text;
}

CodeReading ReadPuzzleCode(std::string_view text) {
    CodeReading reading;
    int values[kPuzzleCodeCharacters];
    std::size_t count = 0;
    bool tooLong = false;
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = NextCodePoint(text, at);
        const int value = ValueOf(c);
        if (value == -1)
            continue;
        if (value == -2) {
            reading.problem = CodeProblem::BadCharacter;
            reading.character = c;
            return reading;
        }
        if (count < kPuzzleCodeCharacters)
            values[count] = value;
        else
            tooLong = true;
        ++count;
    }
    if (count == 0) {
        reading.problem = CodeProblem::Empty;
        return reading;
    }
    // Only format 1 exists; a code that starts otherwise comes from a later game (or its first
    // character was mistyped, which the player is asked to check too).
    if (values[0] != static_cast<int>(kDigits.find(kFormat))) {
        reading.problem = CodeProblem::NewerFormat;
        return reading;
    }
    if (count != kPuzzleCodeCharacters) {
        reading.problem = tooLong ? CodeProblem::TooLong : CodeProblem::TooShort;
        return reading;
    }
    int check = 0;
    for (std::size_t i = 0; i < kPuzzleCodeCharacters; ++i)
        check ^= Times(values[i], Weight(static_cast<int>(kPuzzleCodeCharacters - 1 - i)));
    if (check != 0) {
        reading.problem = CodeProblem::Mistyped;
        return reading;
    }
    std::int64_t number = 0;
    for (int i = 1; i <= kDataCharacters; ++i) number = number * 32 + values[i];
    if (number >= kRecipeValues) {
        reading.problem = CodeProblem::NotAPuzzle;
        return reading;
    }
    PuzzleRecipe& s = reading.recipe;
    s.vertices = static_cast<std::int32_t>(number % kVertexValues) + 6;
    number /= kVertexValues;
    s.colors = static_cast<std::int32_t>(number % kColorValues) + 2;
    number /= kColorValues;
    s.edgeProbability = static_cast<std::int32_t>(number % kProbabilityValues);
    number /= kProbabilityValues;
    s.edgesShown = number % 2 == 1;
    s.clockMs = static_cast<std::int32_t>(number / 2);
    reading.problem = CodeProblem::None;
    return reading;
}

}  // namespace game
