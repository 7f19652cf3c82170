// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlayerFolders.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace {

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); IsAbsolute(home))
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && IsAbsolute(entry->pw_dir))
        return entry->pw_dir;
    return {};
}

std::string FolderOf(const char* variable, const char* underHome) {
    if (const char* folder = std::getenv(variable); IsAbsolute(folder))
        return folder;
    const std::string home = HomeFolder();
    return home.empty() ? home : home + underHome;
}

}  // namespace

std::string ConfigFolder() {
    return FolderOf("XDG_CONFIG_HOME", "/.config");
}

std::string DataFolder() {
    return FolderOf("XDG_DATA_HOME", "/.local/share");
}

}  // namespace platform
