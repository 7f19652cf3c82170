// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include "services/Version.h"

namespace services {

namespace {

void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

int AnswerCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    const QString program = QStringLiteral("spectrumix");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "A puzzle game that teaches graph colouring. Started without "
                                    "options, it opens the game."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                    .arg(parser.positionalArguments().constFirst());
    else if (!parser.isSet(help) && !parser.isSet(version))
        error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                    .arg(arguments.value(1));  // "--" alone asks nothing
    if (!error.isEmpty()) {
        // One line, whatever Qt's own wording: a script reading the error sees it whole.
        error.replace(QLatin1Char('\n'), QLatin1Char(' '));
        Write(err, program + QStringLiteral(": ") + error + QLatin1Char(' ') +
                       QCoreApplication::translate("CommandLine", "Try '%1 --help'.").arg(program) +
                       QLatin1Char('\n'));
        return 2;
    }
    if (parser.isSet(help)) {
        // The usage names the program as the player types it, not the path it was started by.
        QString usage = parser.helpText();
        const QString typed = QCoreApplication::arguments().value(0);
        if (const qsizetype at = typed.isEmpty() ? -1 : usage.indexOf(typed); at >= 0)
            usage.replace(at, typed.size(), program);
        Write(out, usage);
    } else
        Write(out,
              program + QLatin1Char(' ') + QString::fromLatin1(spectrumix::kVersion) + QLatin1Char('\n'));
    return 0;
}

}  // namespace services
