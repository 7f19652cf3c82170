// SPDX-License-Identifier: GPL-3.0-or-later
// game::kPalette: the four colours of the game in one table: the colour a painter paints with, the face and
// light of its button, and its name. The engine, the board, the painters' placement and the
// tests all read this table, so a colour is changed in one place.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace game {

// Colours are 0x00BBGGRR values, compared for equality only.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clBrown = 0x004080;

// The colour indices 1..4, named by the painters that paint them.
enum PainterIndex : int { kNavy = 1, kMaroon = 2, kGreen = 3, kPurple = 4 };

struct PaletteEntry {
    int index;         // ColorIndex 1..4
    TColor paint;      // what a vertex is filled with
    TColor face;       // the painter button's face
    TColor light;      // the painter button's lit edge
    const char* name;  // the painter's name on the board
};

inline constexpr std::array<PaletteEntry, 4> kPalette{{
    {1, clBlue, clNavy, clBlue, "NavyPainter"},
    {2, clRed, clMaroon, clRed, "MaroonPainter"},
    {3, clLime, clGreen, clLime, "GreenPainter"},
    {4, clFuchsia, clPurple, clFuchsia, "PurplePainter"},
}};

// The colour-safe set, for the player who turns it on: the same four colours by index and name
// (sky blue, rose red, leaf green, violet), chosen so that every pair stays clearly apart for
// normal vision and for protanopia, deuteranopia and tritanopia, each at least 3:1 against the
// black board, and the green far from the aqua edge lines. A painter's face is its colour itself,
// so painter and vertex match at a glance; its lit edge is that colour halfway to white. Only
// the display uses this set: moves, files and words keep kPalette's values.
struct ShownColours {
    TColor paint;
    TColor face;
    TColor light;
};
inline constexpr std::array<ShownColours, 4> kSafePalette{{
    {0xFFAF40, 0xFFAF40, 0xFFD7A0},
    {0x8566FF, 0x8566FF, 0xC2B2FF},
    {0x11733A, 0x11733A, 0x88B99C},
    {0xA64274, 0xA64274, 0xD2A0BA},
}};

// What the colour-safe set paints where kPalette paints `paint`; black, and any colour no painter
// paints, stay as they are.
constexpr TColor SafeShown(TColor paint) {
    for (std::size_t i = 0; i < kPalette.size(); ++i) {
        if (paint == kPalette[i].paint)
            return kSafePalette[i].paint;
    }
    return paint;
}

// The game's name as its title shows it: two letters at a time, each pair on its own colours
// (the board's title labels and the title picture both read this).
struct TitlePair {
    const char* letters;
    TColor background;
    TColor text;
};
inline constexpr std::array<TitlePair, 5> kTitlePairs{{
    {"Sp", clFuchsia, clLime},
    {"Ec", clLime, clNavy},
    {"Tr", clRed, clBlack},
    {"Um", clYellow, clRed},
    {"Ix", clBrown, clRed},
}};

// The palette entry of a ColorIndex 1..4; nullptr for anything else.
constexpr const PaletteEntry* PaletteOf(int colorIndex) {
    return colorIndex >= 1 && colorIndex <= 4 ? &kPalette[static_cast<std::size_t>(colorIndex - 1)] : nullptr;
}

// The ColorIndex 1..4 whose painter paints `paint`; 0 for black or any colour no painter paints.
constexpr int ColorIndexOf(TColor paint) {
    for (const PaletteEntry& entry : kPalette) {
        if (entry.paint == paint)
            return entry.index;
    }
    return 0;
}

}  // namespace game
