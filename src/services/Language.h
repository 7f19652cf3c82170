// SPDX-License-Identifier: GPL-3.0-or-later
// language::Install: the player's language for every window of the game.
// The player's language: the game's own translation and Qt's (for standard buttons) loaded at
// start-up for the system's language, English when the game has no translation for it.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace language {

// Picks the first of the system's languages (LANGUAGE, then the locale) that the game speaks,
// loads its translations into the application and makes it the language numbers are written
// in. Returns the language code in use: "en" when the game stays in English.
QString Install(QCoreApplication& app);
// The same for a given list of preferred languages, most wanted first (for tests).
QString Install(QCoreApplication& app, const QStringList& preferred);
// Takes every translation out again: the game speaks English.
void Uninstall(QCoreApplication& app);

// The language code in use ("en" until a translation is installed).
QString Current();

}  // namespace language
