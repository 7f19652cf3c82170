// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/SpokenWords.h"

#include <QCoreApplication>

#include "engine/Game.h"
#include "services/Language.h"

namespace board {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("TKeyboardPlay", text);
}

// "1 vertex", "7 vertices": the count with the word its language gives that number.
QString Counted(const char* plural, const char* singular, int n) {
    return language::Counted("TKeyboardPlay", plural, singular, n);
}

}  // namespace

QString PuzzleSizeWords(const game::Game& game) {
    const game::PuzzleState& puzzle = game.Puzzle;
    const QString edges = puzzle.EdgesShown
                              ? Counted(QT_TRANSLATE_N_NOOP("TKeyboardPlay", "%n edges shown"), "%n edge shown", puzzle.EdgeCount)
                              : Counted(QT_TRANSLATE_N_NOOP("TKeyboardPlay", "%n edges hidden"), "%n edge hidden", puzzle.EdgeCount);
    return Tr(QT_TRANSLATE_NOOP("TKeyboardPlay", "%1, %2, %3, par %4"))
        .arg(Counted(QT_TRANSLATE_N_NOOP("TKeyboardPlay", "%n vertices"), "%n vertex", puzzle.VertexCount),
             Tr(QT_TRANSLATE_NOOP("TKeyboardPlay", "%1 colors")).arg(puzzle.HiddenColorCount), edges)
        .arg(game.ComputePar());
}

QString ResumedWords(const game::Game& game) {
    return Tr(QT_TRANSLATE_NOOP("TKeyboardPlay", "Puzzle resumed: %1, score %2"))
        .arg(PuzzleSizeWords(game))
        .arg(game.Puzzle.ClickCount);
}

QString StatusWords(const game::Game& game) {
    const game::PuzzleState& puzzle = game.Puzzle;
    if (puzzle.Serial == 0)
        return Tr(QT_TRANSLATE_NOOP("TKeyboardPlay", "No puzzle yet: F2 makes one."));
    if (puzzle.GameOver)
        return Tr(QT_TRANSLATE_NOOP("TKeyboardPlay", "Game over: score %1, par %2."))
            .arg(puzzle.ClickCount)
            .arg(game.ComputePar());
    const int left = puzzle.VertexCount - puzzle.ColoredCount;
    return Tr(QT_TRANSLATE_NOOP("TKeyboardPlay", "score %1, par %2, %3 of %4 edges known, %5"))
        .arg(puzzle.ClickCount)
        .arg(game.ComputePar())
        .arg(game.EdgesKnown())
        .arg(puzzle.EdgeCount)
        .arg(Counted(QT_TRANSLATE_N_NOOP("TKeyboardPlay", "%n vertices left"), "%n vertex left", left));
}

}  // namespace board
