// SPDX-License-Identifier: GPL-3.0-or-later
// services::AnswerCommandLine: the game's answer to --help, --version and anything else typed after it.
// The game takes no options of its own; it answers the two every desktop program answers (the
// manual page and a packager's smoke test use them) without opening a window or a display.
#pragma once

#include <QStringList>

#include <cstdio>

namespace services {

// The exit status of a run started with these arguments (the program's name first, and at
// least one more): 0 after the usage or the version on `out`, 2 after a one-line error on
// `err` for any other argument.
int AnswerCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err);

}  // namespace services
