// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include "classdb/class_database_setting.h"
#include "core/progress/class_database_texts.h"
#include "core/progress/progress_csv.h"
#include "core/progress/storage_fault.h"
#include "core/screens/about_texts.h"
#include "platform/kept_file.h"
#include "platform/qt_own_texts.h"
#include "shell/class_command.h"
#include "shell/print_program.h"
#include "shell/progress_module.h"
#include "shell/user_guide.h"
#include "shell/waiting_attempts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace tavelle {

namespace {

constexpr int usageErrorStatus = 2;
constexpr const char* programName = "tavelle";

constexpr qsizetype longestEcho = 60;

// The command line's own words, in the user's language; Qt's (Usage, Options, its errors) come with
// Qt's translations. Lines of at most 80 columns.
struct CommandLineTexts {
    const char* description;
    const char* help;
    const char* practice;
    const char* progression;
    const char* fileName;
    const char* fileArgument;
    const char* fileSyntax;
    const char* tooManyFiles;
    const char* unknownOption;
    const char* tryHelp;
    const char* notWritten;
    const char* helpName;
    const char* versionName;
    const char* guideName;
    const char* base;
    const char* prepareBase;
    const char* trainee;
    const char* traineeName;
    const char* group;
    const char* prepareNeedsBase;
    const char* groupNeedsBase;
    const char* groupAlone;
};

constexpr CommandLineTexts englishTexts{
    "Tavelle: exercises in fire-fighting hydraulics (head losses of a hose layout,\n"
    "step by step, in French). The exercise is set up in its windows; with FILE, or\n"
    "with --entrainement, the trainee practises: answers first, is marked, and the\n"
    "progress is kept.\n"
    "Without a display, run it under a virtual X server: xvfb-run -a tavelle",
    "Displays help on commandline options.",
    "Practise: on the exercises of FILE, or on drawn ones.",
    "Writes every practice exercise kept so far to FILE as CSV (- for standard output).",
    "FILE",
    "Exercises to practise (JSON, as tavelle-solve reads; *.tavelle).",
    "[FILE]",
    "takes at most one FILE to practise, and none with --progression, but was given",
    "unknown option",
    "; run tavelle --help for usage",
    "the %1 could not be written: %2",
    "help",
    "version",
    "guide's file name",
    "For this run, the class database that keeps every trainee's practice: a\n"
    "PostgreSQL connection string or service name (instead of the setting classe/base).",
    "For the administrator, once: prepares the class database.",
    "Names the trainee who practises, as \"NAME First name\".",
    "NAME",
    "The trainee's group; with --progression, exports this group only.",
    "--preparer-base needs --base CONNINFO or the setting classe/base",
    "--groupe with --progression needs a class database: --base CONNINFO or the setting classe/base",
    "--groupe goes with --stagiaire or --progression"};

constexpr CommandLineTexts frenchTexts{
    "Tavelle : exercices d'hydraulique de lutte contre l'incendie (pertes de charge\n"
    "d'un établissement, pas à pas, en français). L'exercice se pose dans ses\n"
    "fenêtres ; avec FICHIER, ou avec --entrainement, le stagiaire s'entraîne : il\n"
    "répond d'abord, il est noté, et sa progression est gardée.\n"
    "Sans écran, lancez-le sous un serveur X virtuel : xvfb-run -a tavelle",
    "Afficher cette aide.",
    "S'entraîner : sur les exercices de FICHIER, ou sur des exercices tirés.",
    "Écrire en CSV dans FICHIER chaque exercice d'entraînement gardé jusqu'ici (- pour la sortie "
    "standard).",
    "FICHIER",
    "Exercices pour s'entraîner (JSON, comme les lit tavelle-solve ; *.tavelle).",
    "[FICHIER]",
    "prend au plus un FICHIER pour s'entraîner, et aucun avec --progression, mais a reçu",
    "option inconnue",
    "; lancez tavelle --help pour l'usage",
    "impossible d'écrire %1 : %2",
    "l'aide",
    "la version",
    "le nom du fichier du guide",
    "Pour ce lancement, la base de la classe qui garde l'entraînement de chaque\n"
    "stagiaire : une chaîne de connexion PostgreSQL ou un nom de service (au lieu du\n"
    "réglage classe/base).",
    "Pour l'administrateur, une fois : prépare la base de la classe.",
    "Nomme le stagiaire qui s'entraîne, sous la forme \"NOM Prénom\".",
    "NOM",
    "Le groupe du stagiaire ; avec --progression, n'exporte que ce groupe.",
    "--preparer-base demande --base CONNINFO ou le réglage classe/base",
    "--groupe avec --progression demande une base de la classe : --base CONNINFO ou le réglage classe/base",
    "--groupe va avec --stagiaire ou --progression"};

const CommandLineTexts& texts()
{
    return messagesInFrench() ? frenchTexts : englishTexts;
}

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
    // The user's data folder and Qt SQL's driver are found through the application (the command line's,
    // when it holds one).
    std::unique_ptr<QCoreApplication> application;
    if (QCoreApplication::instance() == nullptr) application = std::make_unique<QCoreApplication>(argc, argv);
    // Nothing practised yet: the export only reads, so no folder or file is made for it.
    if (!QFileInfo::exists(progressDatabaseFile())) {
        KeptFile kept(file);
        if (kept.writeWhole(QByteArray::fromStdString(progressCsvHeader()))) return 0;
        std::fprintf(stderr, "%s: %s\n", programName, qPrintable(kept.errorString()));
        return usageErrorStatus;
    }
    const std::unique_ptr<ProgressStore> store = loadProgressStore(progressModuleFile(), progressDatabaseFile());
    if (!store) return 1;
    if (const std::optional<StoreFault> failure = store->exportCsv(file)) {
        const QString reason = QString::fromStdString(failure->reason());
        std::fprintf(stderr, "%s: %s\n", programName, qPrintable(echoed(reason, reason.size())));
        return usageErrorStatus;
    }
    // What the damaged file held is not in the export: a script that exports must not take it as whole.
    if (const std::optional<QString> aside = store->takeSetAside()) {
        std::fprintf(stderr, "%s: %s\n", programName,
                     damagedFileSetAside(progressDatabaseFile().toStdString(), aside->toStdString()).c_str());
        return 1;
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
    const QString reason = QString::fromLocal8Bit(errno != 0 ? std::strerror(errno) : "write error");
    std::fprintf(stderr, "%s: %s\n", programName,
                 qPrintable(QString::fromUtf8(texts().notWritten).arg(QString::fromUtf8(what), reason)));
    return usageErrorStatus;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv, Launch& launch)
{
    QStringList arguments(QString::fromLatin1(programName));
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    // Under French settings Qt's parser says its own words in French too, through the translations of
    // an application held while the command line is read (none is needed for a plain start).
    std::unique_ptr<QCoreApplication> translating;
    int translatingArgc = 1;
    char translatingName[] = "tavelle";
    char* translatingArgv[] = {translatingName, nullptr};
    if (argc > 1 && messagesInFrench() && QCoreApplication::instance() == nullptr)
        translating = std::make_unique<QCoreApplication>(translatingArgc, translatingArgv);
    const QtOwnTexts qtTexts;

    const CommandLineTexts& words = texts();
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(words.description));
    // Not addHelpOption(): its --help-all would offer Qt's own options, which this program does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString::fromUtf8(words.help));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // For the package's checks: starts the print program as a print does, without a display.
    QCommandLineOption checkPrintModule(QStringLiteral("check-print-module"));
    checkPrintModule.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(checkPrintModule);
    const QCommandLineOption practice(QStringLiteral("entrainement"), QString::fromUtf8(words.practice));
    parser.addOption(practice);
    const QCommandLineOption progression(QStringLiteral("progression"), QString::fromUtf8(words.progression),
                                         QString::fromUtf8(words.fileName));
    parser.addOption(progression);
    const QCommandLineOption base(QStringLiteral("base"), QString::fromUtf8(words.base), QStringLiteral("CONNINFO"));
    parser.addOption(base);
    const QCommandLineOption prepareBase(QStringLiteral("preparer-base"), QString::fromUtf8(words.prepareBase));
    parser.addOption(prepareBase);
    const QCommandLineOption trainee(QStringLiteral("stagiaire"), QString::fromUtf8(words.trainee),
                                     QString::fromUtf8(words.traineeName));
    parser.addOption(trainee);
    const QCommandLineOption group(QStringLiteral("groupe"), QString::fromUtf8(words.group), QStringLiteral("G"));
    parser.addOption(group);
    parser.addPositionalArgument(QString::fromUtf8(words.fileName), QString::fromUtf8(words.fileArgument),
                                 QString::fromUtf8(words.fileSyntax));
    // For the package's checks: the user guide F1 opens, found as the running program finds it.
    QCommandLineOption guideFile(QStringLiteral("guide-file"));
    guideFile.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(guideFile);
    if (!parser.parse(arguments)) {
        // Worded as the tools word it: the option as typed, or Qt's reason as a clause.
        QString error;
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
            const QString dashes = unknown.constFirst().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            error = QString::fromUtf8(words.unknownOption) % QStringLiteral(" \"") % dashes % unknown.constFirst() %
                    QStringLiteral("\"");
        } else {
            error = parser.errorText();
            if (error.endsWith(QLatin1Char('.'))) error.chop(1);
            if (!error.isEmpty()) error[0] = error[0].toLower();
        }
        std::fprintf(stderr, "%s: %s%s\n", programName, qPrintable(echoed(error)), words.tryHelp);
        return usageErrorStatus;
    }
    if (parser.isSet(help)) {
        // Without a QCoreApplication yet, the parser cannot name the program itself.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QString::fromLatin1(programName));
        return answer(text.toStdString(), words.helpName);
    }
    if (parser.isSet(version))
        return answer(std::string(programName) + " " + versionNumberText() + "\n", words.versionName);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 || (!files.isEmpty() && parser.isSet(progression))) {
        std::fprintf(stderr, "%s: %s \"%s\"%s\n", programName, words.tooManyFiles,
                     qPrintable(echoed(files.constLast())), words.tryHelp);
        return usageErrorStatus;
    }
    if (parser.isSet(prepareBase)) {
        const QString connection = classDatabaseConnection(parser.value(base));
        if (connection.isEmpty()) {
            std::fprintf(stderr, "%s: %s%s\n", programName, words.prepareNeedsBase, words.tryHelp);
            return usageErrorStatus;
        }
        return prepareClassDatabase(connection);
    }
    if (parser.isSet(progression)) {
        const QString connection = classDatabaseConnection(parser.value(base));
        if (!connection.isEmpty()) {
            const int status =
                exportClassProgress(connection, parser.isSet(group) ? std::optional(parser.value(group)) : std::nullopt,
                                    parser.value(progression));
            // What is not on the server yet is not in its export.
            reportWaitingAttempts();
            return status;
        }
        if (parser.isSet(group)) {
            std::fprintf(stderr, "%s: %s%s\n", programName, words.groupNeedsBase, words.tryHelp);
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
        std::fprintf(stderr, "%s: %s%s\n", programName, words.groupAlone, words.tryHelp);
        return usageErrorStatus;
    }
    launch.classDatabase = parser.value(base).trimmed();
    launch.practice = parser.isSet(practice) || !files.isEmpty();
    if (!files.isEmpty()) launch.exercisesFile = files.constFirst();
    if (parser.isSet(checkPrintModule)) return printProgramRuns(printProgramFile()) ? 0 : 1;
    if (parser.isSet(guideFile)) {
        const QString guide = userGuideFile();
        return guide.isEmpty() ? 1 : answer(guide.toStdString() + "\n", words.guideName);
    }
    return std::nullopt;
}

}  // namespace tavelle
