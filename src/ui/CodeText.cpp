// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CodeText.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

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

QString CopyCode(const QString& code) {
    if (code.isEmpty())
        return {};
    QGuiApplication::clipboard()->setText(code);
    // Said in the Puzzle Code window's words wherever the code is copied from.
    return QCoreApplication::translate("TPuzzleCodeBox", "Code %1 copied.").arg(code);
}

}  // namespace ui
