// SPDX-License-Identifier: GPL-3.0-or-later
// The player's folders: where the settings and the history live, found the same way for both.
//
// The freedesktop rules name them by XDG_CONFIG_HOME and XDG_DATA_HOME, and by "~/.config" and
// "~/.local/share" when those are unset, empty or relative (a relative path is invalid there and
// ignored). The home folder is HOME when it is an absolute path; otherwise the password entry's,
// so that a game started with HOME cleared or relative keeps the player's settings and history
// where they always are, instead of in whatever folder it was started from. Plain C++ and POSIX.
#pragma once

#include <string>

namespace platform {

// The folder for settings, or the one for data such as the history: the variable's absolute
// path, else the home folder's ".config" or ".local/share"; empty when there is no home folder
// to be found either, and then nothing is kept on disk.
std::string ConfigFolder();
std::string DataFolder();

}  // namespace platform
