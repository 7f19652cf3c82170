// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled translations live in this library's resources under :/i18n.
#include <QtCore/qglobal.h>

// Outside any namespace, as the resource initialiser must be named.
static void InitTranslationResources() { Q_INIT_RESOURCE(spectrumix_translations); }

namespace i18n {

// Makes sure the translations are registered in a program that links this library.
void RegisterTranslations() {
    static const bool registered = (InitTranslationResources(), true);
    (void)registered;
}

}  // namespace i18n
