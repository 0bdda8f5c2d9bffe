// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include "core/about_texts.h"
#include "core/class_database_texts.h"
#include "shell/class_command.h"
#include "shell/class_database_setting.h"
#include "shell/print_module.h"
#include "shell/progress_module.h"
#include "shell/user_guide.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
QString echoed(const QString& text, qsizetype longest = longestEcho)
{
    QString line;
    for (const QChar character : text.left(longest)) {
        if (character.unicode() < 0x20 || character.unicode() == 0x7f)
            line += QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'));
        else
            line += character;
    }
    if (text.size() > longest) line += QStringLiteral("…");
    return line;
}

// Writes the kept progress as CSV, without a display.
int exportProgression(const QString& file)
{
    int argc = 1;
    char name[] = "tavelle";
    char* argv[] = {name, nullptr};
    // The user's data folder and Qt SQL's driver are found through the application.
    const QCoreApplication application(argc, argv);
    const std::unique_ptr<ProgressStore> store = loadProgressStore(progressModuleFile(), progressDatabaseFile());
    if (!store) return 1;
    if (const std::optional<StoreFault> failure = store->exportCsv(file)) {
        const QString reason = QString::fromStdString(failure->reason());
        std::fprintf(stderr, "%s: %s\n", programName, qPrintable(echoed(reason, reason.size())));
        return usageErrorStatus;
    }
    return 0;
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

std::optional<int> answerCommandLine(int argc, char** argv, Launch& launch)
{
    QStringList arguments(QString::fromLatin1(programName));
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tavelle: exercises in fire-fighting hydraulics (head losses of a hose layout, "
                       "step by step, in French). The exercise is set up in its windows; with FILE, or with\n"
                       "--entrainement, the trainee practises: answers first, is marked, and the progress is kept.\n"
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
    const QCommandLineOption practice(QStringLiteral("entrainement"),
                                      QStringLiteral("Practise: on the exercises of FILE, or on drawn ones."));
    parser.addOption(practice);
    const QCommandLineOption progression(
        QStringLiteral("progression"),
        QStringLiteral("Writes every practice exercise kept so far to FILE as CSV (- for standard output)."),
        QStringLiteral("FILE"));
    parser.addOption(progression);
    const QCommandLineOption base(
        QStringLiteral("base"),
        QStringLiteral("For this run, the class database that keeps every trainee's practice: a PostgreSQL "
                       "connection string or service name (instead of the setting classe/base)."),
        QStringLiteral("CONNINFO"));
    parser.addOption(base);
    const QCommandLineOption prepareBase(QStringLiteral("preparer-base"),
                                         QStringLiteral("For the administrator, once: prepares the class database."));
    parser.addOption(prepareBase);
    const QCommandLineOption trainee(QStringLiteral("stagiaire"),
                                     QStringLiteral("Names the trainee who practises, as \"NAME First name\"."),
                                     QStringLiteral("NAME"));
    parser.addOption(trainee);
    const QCommandLineOption group(QStringLiteral("groupe"),
                                   QStringLiteral("The trainee's group; with --progression, exports this group only."),
                                   QStringLiteral("G"));
    parser.addOption(group);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Exercises to practise (JSON, as tavelle-solve reads; *.tavelle)."),
                                 QStringLiteral("[FILE]"));
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

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 || (!files.isEmpty() && parser.isSet(progression))) {
        std::fprintf(stderr, "%s: takes at most one FILE to practise, and none with --progression, but was given \"%s\" (try --help)\n",
                     programName, qPrintable(echoed(files.constLast())));
        return usageErrorStatus;
    }
    if (parser.isSet(prepareBase)) {
        const QString connection = classDatabaseConnection(parser.value(base));
        if (connection.isEmpty()) {
            std::fprintf(stderr, "%s: --preparer-base needs --base CONNINFO or the setting classe/base (try --help)\n",
                         programName);
            return usageErrorStatus;
        }
        return prepareClassDatabase(connection);
    }
    if (parser.isSet(progression)) {
        const QString connection = classDatabaseConnection(parser.value(base));
        if (!connection.isEmpty())
            return exportClassProgress(connection, parser.isSet(group) ? std::optional(parser.value(group)) : std::nullopt,
                                       parser.value(progression));
        if (parser.isSet(group)) {
            std::fprintf(stderr, "%s: --groupe with --progression needs a class database: --base CONNINFO or the "
                         "setting classe/base (try --help)\n", programName);
            return usageErrorStatus;
        }
        return exportProgression(parser.value(progression));
    }
    if (parser.isSet(trainee)) {
        const auto named = readTrainee(parser.value(trainee).toStdString(), parser.value(group).toStdString());
        if (const auto* fault = std::get_if<TraineeFault>(&named)) {
            std::fprintf(stderr, "%s: %s\n", programName, traineeFaultText(*fault).c_str());
            return usageErrorStatus;
        }
        launch.trainee = std::get<Trainee>(named);
    } else if (parser.isSet(group)) {
        std::fprintf(stderr, "%s: --groupe goes with --stagiaire or --progression (try --help)\n", programName);
        return usageErrorStatus;
    }
    launch.classDatabase = parser.value(base).trimmed();
    launch.practice = parser.isSet(practice) || !files.isEmpty();
    if (!files.isEmpty()) launch.exercisesFile = files.constFirst();
    if (parser.isSet(checkPrintModule)) return loadPrintModule(printModuleFile()) ? 0 : 1;
    if (parser.isSet(guideFile)) {
        const QString guide = userGuideFile();
        return guide.isEmpty() ? 1 : answer(guide.toStdString() + "\n", "guide's file name");
    }
    return std::nullopt;
}

}  // namespace tavelle
