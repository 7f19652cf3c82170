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
// in. A name with a region takes that region's translation first ("pt_BR"), then the bare
// language's, then another region's of the same language ("pt_PT" reads "pt_BR"). Returns the
// code of the translation in use, as its file and help folder name it ("de", "pt_BR"): "en"
// when the game stays in English.
QString Install(QCoreApplication& app);
// The same for a given list of preferred languages, most wanted first (for tests).
QString Install(QCoreApplication& app, const QStringList& preferred);
// Takes every translation out again: the game speaks English.
void Uninstall(QCoreApplication& app);

// The code of the translation in use ("en" until one is installed).
QString Current();

// A count and its noun in the player's language ("1 vertex left", "5 vertices left"): the
// translation's plural form for the number (Polish has three forms, French says 0 as it says 1).
// The game's English has no translation to give its forms, so `singular` is said for one.
// `plural` is the text the translators see, marked with QT_TRANSLATE_N_NOOP in `context`.
QString Counted(const char* context, const char* plural, const char* singular, int n);

}  // namespace language
