// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintPuzzlesDlg: "Print Puzzles", a worksheet of puzzles for a class, then the desktop's print preview.
// The teacher chooses how many puzzles, how many a page, their vertices and colours (or random)
// and whether the answers come too; Print draws the puzzles once and opens the print preview,
// from which the sheet goes to a printer or a PDF file.
#pragma once

#include <QDialog>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/Game.h"
#include "engine/PuzzleCode.h"
#include "services/Worksheet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QSpinBox;

class TPrintPuzzlesDlg : public QDialog {
    Q_OBJECT

  public:
    // The sheet's puzzles are drawn at a reading of `game`'s clock.
    TPrintPuzzlesDlg(const game::Game& game, QWidget* parent);
    ~TPrintPuzzlesDlg() override;

    // The choices the dialog opens with: the player's settings (a count of 0 is "Random"). The
    // number of puzzles, a page's count and the answers stay as the teacher left them.
    void Offer(int vertices, int colors, int edgeProbability);

    // What the dialog asks for now.
    services::WorksheetRequest Request() const;

    // The puzzles the last Print drew (for tests), and the preview it opened.
    const std::vector<game::PuzzleRecipe>& Puzzles() const { return m_puzzles; }
    QDialog* Preview() const { return m_preview; }

    // Print: draws the sheet's puzzles from one clock reading and opens the print preview.
    void PrintClick();

  private:
    // Says when the chosen size and count a page make some pages hold fewer puzzles.
    void ShowFewerNote();

    const game::Game& m_game;
    QSpinBox* m_count;
    QComboBox* m_perPage;
    QComboBox* m_vertices;
    QComboBox* m_colors;
    QCheckBox* m_answers;
    QLabel* m_fewerNote;
    int m_edgeProbability = 63;
    std::vector<game::PuzzleRecipe> m_puzzles;
    std::unique_ptr<QPrinter> m_printer;
    QPointer<QDialog> m_preview;
};
