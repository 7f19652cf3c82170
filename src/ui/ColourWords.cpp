// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ColourWords.h"

#include <QCoreApplication>

#include <array>

#include "ui/Colors.h"

namespace ui {
namespace {

struct Words {
    const char* painter;
    const char* fill;
};

// By colour index; index 0 is the uncoloured vertex.
constexpr std::array<Words, 5> kWords{{
    {"", QT_TRANSLATE_NOOP("Colours", "uncolored")},
    {QT_TRANSLATE_NOOP("Colours", "Blue"), QT_TRANSLATE_NOOP("Colours", "blue")},
    {QT_TRANSLATE_NOOP("Colours", "Red"), QT_TRANSLATE_NOOP("Colours", "red")},
    {QT_TRANSLATE_NOOP("Colours", "Green"), QT_TRANSLATE_NOOP("Colours", "green")},
    {QT_TRANSLATE_NOOP("Colours", "Purple"), QT_TRANSLATE_NOOP("Colours", "purple")},
}};

QString Translated(const char* word) {
    return QCoreApplication::translate("Colours", word);
}

}  // namespace

QString PainterWord(int colorIndex) {
    return game::PaletteOf(colorIndex) ? Translated(kWords[static_cast<std::size_t>(colorIndex)].painter)
                                       : QString();
}

QString FillWord(game::TColor fill) {
    if (fill == game::clBlack)
        return Translated(kWords[0].fill);
    for (const game::PaletteEntry& entry : game::kPalette) {
        if (entry.paint == fill)
            return Translated(kWords[static_cast<std::size_t>(entry.index)].fill);
    }
    return toQColor(fill).name();
}

}  // namespace ui
