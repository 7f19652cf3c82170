// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include "engine/Random.h"
#include "engine/Settings.h"
#include "services/Version.h"
#include "services/Worksheet.h"

namespace services {

namespace {

void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// A whole number in range, or "random" (0) where the game may draw it; -1 for anything else.
int CountOf(const QString& value, int least, int most, bool randomAllowed) {
    if (randomAllowed && value.compare(QStringLiteral("random"), Qt::CaseInsensitive) == 0)
        return 0;
    bool ok = false;
    const int count = value.trimmed().toInt(&ok);
    return ok && count >= least && count <= most ? count : -1;
}

// "--worksheet -- FILE" gives a FILE that may begin with "-": it is taken as the worksheet's
// value, and whatever follows it stays after "--". Whether that was done, for the check that a
// FILE given otherwise is no option taken by mistake ("--worksheet --answers").
bool TakeFileAfterDashes(QStringList& arguments) {
    for (qsizetype i = 1; i + 2 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            return false;
        if (arguments[i] == QLatin1String("--worksheet") && arguments[i + 1] == QLatin1String("--")) {
            arguments[i] = QStringLiteral("--worksheet=") + arguments[i + 2];
            arguments.remove(i + 2);
            if (i + 2 == arguments.size())
                arguments.remove(i + 1);
            return true;
        }
    }
    return false;
}

}  // namespace

bool AsksForWorksheet(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            break;
        if (argument == "--worksheet" || argument.startsWith("--worksheet="))
            return true;
    }
    return false;
}

int AnswerCommandLine(const QStringList& given, std::FILE* out, std::FILE* err) {
    QStringList arguments = given;
    const bool fileAfterDashes = TakeFileAfterDashes(arguments);
    const QString program = QStringLiteral("spectrumix");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "A puzzle game that teaches graph coloring. Started without "
                                    "options, it opens the game."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and exit."));
    const QCommandLineOption worksheet(
        QStringLiteral("worksheet"),
        QCoreApplication::translate(
            "CommandLine",
            "Write a worksheet of puzzles to print as the PDF file FILE, without opening a window: "
            "each puzzle with its edges, its code and a line for a name."),
        QCoreApplication::translate("CommandLine", "FILE"));
    const QCommandLineOption puzzles(
        QStringLiteral("puzzles"),
        QCoreApplication::translate("CommandLine",
                                    "With --worksheet: how many puzzles, 1 to 60 (default 6)."),
        QCoreApplication::translate("CommandLine", "N"));
    const QCommandLineOption perPage(
        QStringLiteral("per-page"),
        QCoreApplication::translate("CommandLine",
                                    "With --worksheet: puzzles a page, 1, 2, 4 or 6 (default 4). Larger "
                                    "puzzles need more room: a page holds 6 puzzles of up to %1 vertices, 4 "
                                    "of up to %2, and 1 of more.")
            .arg(MostVerticesFor(6))
            .arg(MostVerticesFor(4)),
        QCoreApplication::translate("CommandLine", "K"));
    const QCommandLineOption vertices(
        QStringLiteral("vertices"),
        QCoreApplication::translate(
            "CommandLine", "With --worksheet: vertices of each puzzle, 6 to 16, or random (default 8)."),
        QCoreApplication::translate("CommandLine", "N"));
    const QCommandLineOption colors(
        QStringLiteral("colors"),
        QCoreApplication::translate(
            "CommandLine", "With --worksheet: colors of each puzzle, 2 to 4, or random (default 3)."),
        QCoreApplication::translate("CommandLine", "C"));
    const QCommandLineOption answers(
        QStringLiteral("answers"),
        QCoreApplication::translate(
            "CommandLine",
            "With --worksheet: add answer pages, each vertex in its color and with its color's number "
            "(default: no answers)."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QCommandLineOption* option : {&worksheet, &puzzles, &perPage, &vertices, &colors, &answers})
        parser.addOption(*option);

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                    .arg(parser.positionalArguments().constFirst());
    else if (!parser.isSet(help) && !parser.isSet(version) && !parser.isSet(worksheet)) {
        const QStringList given = parser.optionNames();
        if (!given.isEmpty())
            error = QCoreApplication::translate("CommandLine", "The option '--%1' goes with --worksheet.")
                        .arg(given.constFirst());
        else
            error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                        .arg(arguments.value(1));  // "--" alone asks nothing
    }
    WorksheetRequest request;
    if (error.isEmpty() && parser.isSet(worksheet) && !parser.isSet(help) && !parser.isSet(version)) {
        request.answers = parser.isSet(answers);
        if (parser.isSet(puzzles) &&
            (request.puzzles = CountOf(parser.value(puzzles), 1, kMostWorksheetPuzzles, false)) < 0)
            error =
                QCoreApplication::translate("CommandLine", "The number of puzzles must be 1 to 60, not '%1'.")
                    .arg(parser.value(puzzles));
        else if (parser.isSet(perPage) &&
                 !IsWorksheetPerPage(request.perPage = CountOf(parser.value(perPage), 1, kMostWorksheetPerPage, false)))
            error =
                QCoreApplication::translate("CommandLine", "Puzzles a page must be 1, 2, 4 or 6, not '%1'.")
                    .arg(parser.value(perPage));
        else if (parser.isSet(vertices) &&
                 (request.vertices = CountOf(parser.value(vertices), game::kMinVertices, game::kMaxVertices, true)) < 0)
            error =
                QCoreApplication::translate("CommandLine", "Vertices must be 6 to 16 or random, not '%1'.")
                    .arg(parser.value(vertices));
        else if (parser.isSet(colors) && (request.colors = CountOf(parser.value(colors), game::kMinColors, game::kMaxColors, true)) < 0)
            error = QCoreApplication::translate("CommandLine", "Colors must be 2 to 4 or random, not '%1'.")
                        .arg(parser.value(colors));
        else if (parser.value(worksheet).isEmpty())
            error = QCoreApplication::translate("CommandLine", "The worksheet needs a file name.");
        else if (parser.value(worksheet).startsWith(QLatin1Char('-')) && !fileAfterDashes)
            error = QCoreApplication::translate("CommandLine",
                                                "The worksheet's file name '%1' begins with '-'; give it as "
                                                "'./%1' or after '--'.")
                        .arg(parser.value(worksheet));
    }
    if (!error.isEmpty()) {
        // One line, whatever Qt's own wording: a script reading the error sees it whole.
        error.replace(QLatin1Char('\n'), QLatin1Char(' '));
        Write(err, program + QStringLiteral(": ") + error + QLatin1Char(' ') +
                       QCoreApplication::translate("CommandLine", "Try '%1 --help'.").arg(program) +
                       QLatin1Char('\n'));
        return 2;
    }
    if (parser.isSet(worksheet) && !parser.isSet(help) && !parser.isSet(version)) {
        const QString file = parser.value(worksheet);
        QString why;
        if (!WriteWorksheetPdf(file, WorksheetPuzzles(request, game::SystemMillisecondsOfDay()), request.perPage,
                               request.answers, &why)) {
            why.replace(QLatin1Char('\n'), QLatin1Char(' '));
            Write(err, program + QStringLiteral(": ") +
                           QCoreApplication::translate("CommandLine", "Cannot write the worksheet '%1': %2")
                               .arg(file, why) +
                           QLatin1Char('\n'));
            return 1;
        }
        return 0;
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
