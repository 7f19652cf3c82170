// SPDX-License-Identifier: GPL-3.0-or-later
// Colour marks and the colour-safe set on the vertex square and the painter: the colour's number
// readable on every fill, none on an uncoloured vertex, the pressed painter ringed, and the words
// a screen reader hears unchanged.
#include <gtest/gtest.h>

#include <QColor>

#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "support/ControlPixels.h"
#include "ui/ColourMarks.h"

using namespace controls_test;

namespace {

constexpr game::TColor kCanvas = 0x123456;

// The bounding box of every pixel in `area` that is not `fill`, and how many are exactly `ink`.
struct Ink {
    QRect box;
    int exact = 0;
};
Ink InkIn(const QImage& image, const QRect& area, const QColor& fill, const QColor& ink) {
    Ink found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor seen = image.pixelColor(x, y);
            if (seen != fill)
                found.box |= QRect(x, y, 1, 1);
            found.exact += seen == ink ? 1 : 0;
        }
    }
    return found;
}

// Every colour a vertex or a painter shows, in both sets.
std::vector<QColor> ShownColours() {
    std::vector<QColor> colours;
    for (std::size_t i = 0; i < game::kPalette.size(); ++i) {
        for (const game::TColor c : {game::kPalette[i].paint, game::kPalette[i].face, game::kPalette[i].light,
                                     game::kSafePalette[i].paint, game::kSafePalette[i].face,
                                     game::kSafePalette[i].light})
            colours.push_back(toQColor(c));
    }
    return colours;
}

}  // namespace

TEST(ColourMarks, TheMarkColourReadsOnEveryColourAndTheSafeSetStandsOutOnTheBoard) {
    EXPECT_NEAR(ui::ContrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(ui::ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_EQ(ui::MarkColourOn(QColor(0x75, 0x75, 0x75)), QColor(Qt::white));
    EXPECT_EQ(ui::MarkColourOn(QColor(0x76, 0x76, 0x76)), QColor(Qt::black));
    for (const QColor& colour : ShownColours())
        EXPECT_GE(ui::ContrastRatio(ui::MarkColourOn(colour), colour), 4.5) << colour.name().toStdString();
    for (const game::ShownColours& safe : game::kSafePalette) {
        for (const game::TColor c : {safe.paint, safe.face, safe.light})
            EXPECT_GE(ui::ContrastRatio(toQColor(c), Qt::black), 3.0) << std::hex << c;
    }
}

// At 16 vertices the square is 15 pixels with an 11-pixel fill: the digit fills most of it, in
// the mark colour, centred; it grows with the square.
TEST(ColourMarks, AColouredVertexShowsItsNumberAndAnUncolouredOneNone) {
    TOrbVertex1 vertex;
    vertex.setNumber(3);
    vertex.setPenWidth(2);
    for (const bool safe : {false, true}) {
        for (const game::PaletteEntry& colour : game::kPalette) {
            vertex.resize(15, 15);
            vertex.setBrushColor(colour.paint);
            vertex.setColourLook(false, safe);
            const QColor fill = ui::ShownColour(colour.paint, safe);
            EXPECT_EQ(fill, toQColor(safe ? game::kSafePalette[colour.index - 1].paint : colour.paint));
            const QRect inner(2, 2, 11, 11);
            EXPECT_TRUE(InkIn(renderAlone(vertex, kCanvas), inner, fill, fill).box.isNull()) << "marks off";

            vertex.setColourLook(true, safe);
            Ink ink = InkIn(renderAlone(vertex, kCanvas), inner, fill, ui::MarkColourOn(fill));
            EXPECT_GE(ink.box.height(), 8) << colour.index;
            EXPECT_GE(ink.exact, 6) << colour.index;
            EXPECT_LE(std::abs(ink.box.center().x() - 7), 1);
            EXPECT_LE(std::abs(ink.box.center().y() - 7), 1);

            vertex.resize(60, 60);
            ink = InkIn(renderAlone(vertex, kCanvas), QRect(2, 2, 56, 56), fill, ui::MarkColourOn(fill));
            EXPECT_GE(ink.box.height(), 40) << colour.index;
        }
        EXPECT_EQ(vertex.AccessibleName(), QStringLiteral("3, purple, no edge known yet")) << "the words stay";
    }
    vertex.setBrushColor(game::clBlack);
    EXPECT_TRUE(InkIn(renderAlone(vertex, kCanvas), QRect(2, 2, 56, 56), Qt::black, Qt::black).box.isNull());
}

// Each painter shows its number; the pressed one a white ring round its edge, at least 2 pixels
// and wider as the painter grows; without marks the painter looks as it always has.
TEST(ColourMarks, PaintersShowTheirNumberAndThePressedOneARing) {
    TColorButton painter;
    painter.setStyle(TToggleStyle::Toggle);
    painter.setThickness(4);
    painter.setColor(game::clMaroon);
    painter.setLightColor(game::clRed);
    painter.setShadowColor(game::clMaroon);
    const QColor face = toQColor(game::clMaroon);
    for (const int size : {30, 90}) {
        painter.resize(size, size);
        const QRect faceArea(5, 5, size - 10, size - 10);
        painter.setColourMark(0);
        const QImage plain = renderAlone(painter, kCanvas);
        EXPECT_TRUE(InkIn(plain, faceArea, face, face).box.isNull());

        painter.setColourMark(2);
        painter.setValue(false);
        const QImage released = renderAlone(painter, kCanvas);
        const Ink ink = InkIn(released, faceArea, face, ui::MarkColourOn(face));
        EXPECT_GE(ink.box.height(), faceArea.height() * 6 / 10) << size;
        EXPECT_EQ(pixel(released, 0, size / 2), game::clBlack) << "no ring while released";

        painter.setValue(true);
        const QImage pressed = renderAlone(painter, kCanvas);
        const int ring = std::max(2, size / 10);
        for (int a = 0; a < ring; ++a) {
            EXPECT_EQ(pixel(pressed, a, size / 2), game::clWhite) << size;
            EXPECT_EQ(pixel(pressed, size / 2, size - 1 - a), game::clWhite) << size;
        }
        EXPECT_NE(pixel(pressed, ring, size / 2), game::clWhite) << size;
    }
}
