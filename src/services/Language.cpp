// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace language {

namespace {

QString g_current = QStringLiteral("en");
QPointer<QTranslator> g_game;
QPointer<QTranslator> g_qt;

QString GameTranslationFile(const QString& code) {
    return QStringLiteral(":/i18n/spectrumix_%1.qm").arg(code);
}

// "de_DE.UTF-8", "de-DE" and "de" all speak "de".
QString LanguageCode(const QString& name) {
    QString code = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    return code.toLower();
}

QStringList SystemLanguages() {
    // LANGUAGE comes first, as in every other program of the desktop, except where the
    // locale is plain C: then the player has asked for the untranslated program.
    QStringList preferred;
    const QString locale = QString::fromLocal8Bit(
        qgetenv("LC_ALL").isEmpty()
            ? (qgetenv("LC_MESSAGES").isEmpty() ? qgetenv("LANG") : qgetenv("LC_MESSAGES"))
            : qgetenv("LC_ALL"));
    const bool plain = locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
                       locale.startsWith(QLatin1String("C."));
    if (plain)
        return {QStringLiteral("en")};
    const QString languages = QString::fromLocal8Bit(qgetenv("LANGUAGE"));
    if (!languages.isEmpty())
        preferred = languages.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    preferred += QLocale::system().uiLanguages();
    return preferred;
}

}  // namespace

QString Install(QCoreApplication& app) {
    return Install(app, SystemLanguages());
}

QString Install(QCoreApplication& app, const QStringList& preferred) {
    Uninstall(app);
    for (const QString& name : preferred) {
        const QString code = LanguageCode(name);
        if (code.isEmpty())
            continue;
        if (code == QLatin1String("en") || code == QLatin1String("c"))
            break;  // English is the game's own language
        if (!QFile::exists(GameTranslationFile(code)))
            continue;
        auto* game = new QTranslator(&app);
        if (!game->load(GameTranslationFile(code))) {
            delete game;
            continue;
        }
        app.installTranslator(game);
        g_game = game;
        // Qt's own texts (the standard buttons of a message box), where Debian ships them.
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            app.installTranslator(qt);
            g_qt = qt;
        } else {
            delete qt;
        }
        g_current = code;
        QLocale::setDefault(QLocale(code));
        return g_current;
    }
    return g_current;
}

void Uninstall(QCoreApplication& app) {
    for (QPointer<QTranslator>* translator : {&g_game, &g_qt}) {
        if (*translator) {
            app.removeTranslator(translator->data());
            delete translator->data();
        }
    }
    g_current = QStringLiteral("en");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QString Current() {
    return g_current;
}

}  // namespace language
