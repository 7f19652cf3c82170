// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/Language.h"

#include <QCoreApplication>
#include <QDir>
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

// A system name split into its language and region: "pt_BR.UTF-8", "pt-BR" and "pt_BR@euro" are
// {"pt", "BR"}, "de" is {"de", ""}. A script between the two ("zh-Hans-CN") is passed over.
struct LocaleName {
    QString language;
    QString region;
};

// Plain character tests rather than regular expressions: this runs before the first window, and
// a regular expression would load and compile its engine for three short words.
bool AllOf(const QString& text, bool (*test)(QChar)) {
    for (const QChar c : text)
        if (!test(c))
            return false;
    return true;
}

bool IsAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

LocaleName SplitName(const QString& name) {
    const QString bare = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    QStringList parts;
    for (const QString& piece : bare.split(QLatin1Char('_'), Qt::SkipEmptyParts))
        parts += piece.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    // A language is two or three letters: anything else ("*", a typo) names none, so it falls
    // through to the next choice rather than matching some translation's file name.
    const auto isLanguage = [](const QString& part) {
        return part.size() >= 2 && part.size() <= 3 && AllOf(part, IsAsciiLetter);
    };
    const auto isRegion = [](const QString& part) {
        return (part.size() == 2 && AllOf(part, IsAsciiLetter)) || (part.size() == 3 && AllOf(part, IsAsciiDigit));
    };
    if (parts.isEmpty() || !isLanguage(parts.front()))
        return {};
    LocaleName split{parts.takeFirst().toLower(), QString()};
    for (const QString& part : parts) {
        // Regions are two letters ("BR") or three digits ("419"); scripts have four letters.
        if (isRegion(part))
            split.region = part.toUpper();
    }
    return split;
}

// The translation that serves a reader of this language best: the one of their region
// ("pt_BR"), else the language's own ("fr" for "fr_CA"), else another region's of the same
// language (the Brazilian one for "pt" or "pt_PT"), which such a reader follows better than
// English. Empty when the game has none in this language.
QString BestTranslation(const LocaleName& wanted) {
    const auto exists = [](const QString& code) { return QFile::exists(GameTranslationFile(code)); };
    if (!wanted.region.isEmpty()) {
        const QString full = wanted.language + QLatin1Char('_') + wanted.region;
        if (exists(full))
            return full;
    }
    if (exists(wanted.language))
        return wanted.language;
    // Matched by hand, not by a name filter, which would be a regular expression too.
    const QString prefix = QStringLiteral("spectrumix_%1_").arg(wanted.language);
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList(QDir::Files, QDir::Name)) {
        if (file.startsWith(prefix) && file.endsWith(QLatin1String(".qm")))
            return file.mid(int(sizeof("spectrumix_") - 1)).chopped(3);
    }
    return {};
}

// The locale numbers are written in: the player's own region where it speaks the chosen
// language ("de_AT", "pt_PT"), else the translation's ("pt_BR"; "de" writes as Germany does).
QLocale NumberLocale(const QString& code, const LocaleName& wanted) {
    const QLocale translation(code);
    if (wanted.region.isEmpty())
        return translation;
    const QLocale regional(wanted.language + QLatin1Char('_') + wanted.region);
    return regional.language() == translation.language() ? regional : translation;
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
        const LocaleName wanted = SplitName(name);
        if (wanted.language.isEmpty())
            continue;
        if (wanted.language == QLatin1String("en") || wanted.language == QLatin1String("c") ||
            wanted.language == QLatin1String("posix"))
            break;  // English is the game's own language
        const QString code = BestTranslation(wanted);
        if (code.isEmpty())
            continue;
        auto* game = new QTranslator(&app);
        if (!game->load(GameTranslationFile(code))) {
            delete game;
            continue;
        }
        app.installTranslator(game);
        g_game = game;
        // Qt's own texts (the standard buttons of a message box), where Debian ships them:
        // qtbase_pt_BR.qm for "pt_BR", qtbase_fr.qm for "fr".
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            app.installTranslator(qt);
            g_qt = qt;
        } else {
            delete qt;
        }
        g_current = code;
        QLocale::setDefault(NumberLocale(code, wanted));
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

QString Counted(const char* context, const char* plural, const char* singular, int n) {
    if (g_current != QLatin1String("en"))
        return QCoreApplication::translate(context, plural, nullptr, n);
    QString english = QString::fromUtf8(n == 1 ? singular : plural);
    return english.replace(QLatin1String("%Ln"), QLocale().toString(n))
        .replace(QLatin1String("%n"), QString::number(n));
}

}  // namespace language
