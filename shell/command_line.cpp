// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include "core/about_texts.h"
#include "shell/print_module.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <string>

namespace tavelle {

namespace {

constexpr int usageErrorStatus = 2;
constexpr const char* programName = "tavelle";

constexpr qsizetype longestEcho = 60;

// What the user typed, as one short line: control characters escaped, a long argument cut.
QString echoed(const QString& text)
{
    QString line;
    for (const QChar character : text.left(longestEcho)) {
        if (character.unicode() < 0x20 || character.unicode() == 0x7f)
            line += QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'));
        else
            line += character;
    }
    if (text.size() > longestEcho) line += QStringLiteral("…");
    return line;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv)
{
    QStringList arguments(QString::fromLatin1(programName));
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tavelle: exercises in fire-fighting hydraulics (head losses of a hose layout, "
                       "step by step, in French). Takes no arguments: the exercise is set up in its windows.\n"
                       "Without a display, run it under a virtual X server: xvfb-run -a %1")
            .arg(QString::fromLatin1(programName)));
    // Not addHelpOption(): its --help-all would offer Qt's own options, which this program does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // For the package's checks: loads the print module as the first print does, without a display.
    QCommandLineOption checkPrintModule(QStringLiteral("check-print-module"));
    checkPrintModule.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(checkPrintModule);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s: %s (try --help)\n", programName, qPrintable(echoed(parser.errorText())));
        return usageErrorStatus;
    }
    if (parser.isSet(help)) {
        // Without a QCoreApplication yet, the parser cannot name the program itself.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QString::fromLatin1(programName));
        std::fputs(qPrintable(text), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", programName, versionNumberText().c_str());
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: takes no arguments, but was given \"%s\" (try --help)\n", programName,
                     qPrintable(echoed(parser.positionalArguments().constFirst())));
        return usageErrorStatus;
    }
    if (parser.isSet(checkPrintModule)) return loadPrintModule(printModuleFile()) ? 0 : 1;
    return std::nullopt;
}

}  // namespace tavelle
