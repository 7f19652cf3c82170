// SPDX-License-Identifier: GPL-3.0-or-later
// board::TBoardControls: the controls of the main window Level1, by the names the game gives them.
#pragma once

#include <array>

#include "board/BoardSurface.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class TColorButton;
class TOrbVertex1;

namespace board {

// Vertex and painter arrays are indexed 1..16 and by colour index 1..4 (navy, maroon, green,
// purple); slot 0 is unused.
struct TBoardControls {
    TBoardSurface* Surface = nullptr;
    // The title: its five letter pairs (1..5) and its two pictures.
    std::array<QLabel*, 6> TitleLabel{};
    QLabel *ColorAllVertices = nullptr, *PuzzleSolved = nullptr;
    QPushButton *NewGame = nullptr, *DrawGraph = nullptr;
    std::array<TColorButton*, 5> Painter{};
    TColorButton *NavyPainter = nullptr, *MaroonPainter = nullptr, *PurplePainter = nullptr,
                 *GreenPainter = nullptr;
    // The numbers under the board, each beside its caption.
    QLabel *ParLabel = nullptr, *Par = nullptr;
    QLabel *PlayerScoreLabel = nullptr, *PlayerScore = nullptr;
    QLabel *EdgesLabel = nullptr, *SessionAveFromParLabel = nullptr;
    std::array<TOrbVertex1*, 17> OrbVertex{};
    std::array<TOrbVertex1*, 17> CompVert{};
};

// The main menu MainMenu1: each drop-down menu and its items.
struct TBoardMenu {
    QMenu* File1 = nullptr;
    QAction* PuzzleCode1 = nullptr;
    QAction* RestartPuzzle1 = nullptr;
    QAction* PrintPuzzles1 = nullptr;
    QAction* Performance1 = nullptr;
    QAction* ReviewLastGame1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* Settings1 = nullptr;
    // Checkable: the colours' numbers on vertices and painters, and the colour-safe set.
    QAction *ColourMarks1 = nullptr, *ColourSafeColours1 = nullptr;
    QAction* FullScreen1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction *Contents1 = nullptr, *About1 = nullptr;
};

}  // namespace board
