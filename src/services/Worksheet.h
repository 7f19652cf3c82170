// SPDX-License-Identifier: GPL-3.0-or-later
// services::DrawWorksheet: puzzles on paper for a class, with their codes and, if asked, the answers.
// The same drawing goes to the desktop's printer (File > Print Puzzles) and to a PDF file
// (--worksheet on the command line): every puzzle with its edges shown, its vertices where the
// board puts them, a line for a name, and the code that gives the same puzzle back in the game.
#pragma once

#include <QPageLayout>
#include <QString>

#include <cstdint>
#include <vector>

#include "engine/PuzzleCode.h"
#include "services/WorksheetPlan.h"

class QPagedPaintDevice;

namespace services {

inline constexpr int kMostWorksheetPuzzles = 60;
// How many puzzles fit a page in a grid a child can still colour in.
inline constexpr int kWorksheetPerPage[] = {1, 2, 4, 6};
inline constexpr int kMostWorksheetPerPage = 6;

// What a sheet is asked for. A count of 0 (or a probability of -1) is drawn for each puzzle on
// its own, as New Puzzle draws its random settings.
struct WorksheetRequest {
    int puzzles = 6;
    int perPage = 4;
    int vertices = 8;
    int colors = 3;
    int edgeProbability = 63;
    bool answers = false;
};

bool IsWorksheetPerPage(int perPage);

// The puzzles of a sheet: the first takes the reading `clockMs`, the others readings spread over
// the day by a stream that reading begins (the same reading, the same sheet), and a puzzle that
// is already on the sheet is passed over, so no two puzzles look alike.
std::vector<game::PuzzleRecipe> WorksheetPuzzles(const WorksheetRequest& request, std::int32_t clockMs);

// Draws the sheet on the device's pages (a printer or a PDF writer). False when the device
// cannot be painted on.
bool DrawWorksheet(QPagedPaintDevice& device, const std::vector<game::PuzzleRecipe>& puzzles, int perPage,
                   bool answers);

// A sheet's page: A4, or Letter where the locale's paper is Letter (LC_PAPER), upright, with margins a
// printer can reach; and its title, as the print queue and the PDF show it.
QPageLayout WorksheetPageLayout();
QString WorksheetTitle();

// Writes the sheet as a PDF file on the locale's paper, whole or not at all: nothing is left
// behind when it fails, and `error` then says why, in the system's words. A named pipe is
// written into; a device or anything else that is neither a file nor a pipe is left as it is.
bool WriteWorksheetPdf(const QString& path, const std::vector<game::PuzzleRecipe>& puzzles, int perPage,
                       bool answers, QString* error);

}  // namespace services
