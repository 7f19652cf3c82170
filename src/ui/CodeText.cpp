// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CodeText.h"

namespace ui {

QString CodeText(const game::PuzzleRecipe& recipe) {
    return QString::fromLatin1(game::PuzzleCodeOf(recipe).data());
}

QString CodeText(std::string_view code) {
    return QString::fromLatin1(code.data(), qsizetype(code.size()));
}

game::CodeReading ReadCode(const QString& text) {
    return game::ReadPuzzleCode(text.toStdString());
}

}  // namespace ui
