// SPDX-License-Identifier: GPL-3.0-or-later
// services::AnswerCommandLine: the game's answer to --help, --version and anything else typed after it.
// It answers the two every desktop program answers (the manual page and a packager's smoke test
// use them) and writes a worksheet of puzzles as a PDF file, without opening a window or a display.
#pragma once

#include <QStringList>

#include <cstdio>

namespace services {

// A worksheet is asked for (then the answer needs the toolkit's fonts, on an offscreen screen).
bool AsksForWorksheet(int argc, const char* const* argv);

// The exit status of a run started with these arguments (the program's name first, and at
// least one more): 0 after the usage or the version on `out`, or after a worksheet written; 1
// after a one-line error on `err` when the worksheet's file cannot be written; 2 after a
// one-line error on `err` for any other argument or a value out of range.
int AnswerCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err);

}  // namespace services
