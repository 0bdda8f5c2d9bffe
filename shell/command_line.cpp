// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include "core/about_texts.h"
#include "shell/print_module.h"
#include "shell/user_guide.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
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

// Writes the text asked for on standard output; a write that fails (a full disk, a closed pipe) is one
// line on standard error and the usage error's status, as nothing was said.
int answer(const std::string& text, const char* what)
{
    errno = 0;
    const bool written = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
    if (written) return 0;
    std::fprintf(stderr, "%s: the %s could not be written: %s\n", programName, what,
                 errno != 0 ? std::strerror(errno) : "write error");
    return usageErrorStatus;
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
    // For the package's checks: the user guide F1 opens, found as the running program finds it.
    QCommandLineOption guideFile(QStringLiteral("guide-file"));
    guideFile.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(guideFile);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s: %s (try --help)\n", programName, qPrintable(echoed(parser.errorText())));
        return usageErrorStatus;
    }
    if (parser.isSet(help)) {
        // Without a QCoreApplication yet, the parser cannot name the program itself.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QString::fromLatin1(programName));
        return answer(text.toStdString(), "help");
    }
    if (parser.isSet(version)) return answer(std::string(programName) + " " + versionNumberText() + "\n", "version");
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: takes no arguments, but was given \"%s\" (try --help)\n", programName,
                     qPrintable(echoed(parser.positionalArguments().constFirst())));
        return usageErrorStatus;
    }
    if (parser.isSet(checkPrintModule)) return loadPrintModule(printModuleFile()) ? 0 : 1;
    if (parser.isSet(guideFile)) {
        const QString guide = userGuideFile();
        return guide.isEmpty() ? 1 : answer(guide.toStdString() + "\n", "guide's file name");
    }
    return std::nullopt;
}

}  // namespace tavelle
