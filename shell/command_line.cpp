// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include "classdb/class_database_setting.h"
#include "core/progress/class_database_texts.h"
#include "core/progress/progress_csv.h"
#include "core/progress/storage_fault.h"
#include "core/screens/about_texts.h"
#include "core/text/system_reason.h"
#include "core/text/wording.h"
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
#include <string_view>

namespace tavelle {

namespace {

constexpr int usageErrorStatus = 2;
constexpr const char* programName = "tavelle";

constexpr qsizetype longestEcho = 60;

// The command line's own words in both languages; Qt's (Usage, Options, its errors) come with Qt's
// translations. Lines of at most 80 columns.
struct CommandLineTexts {
    Wording description;
    Wording help;
    Wording practice;
    Wording progression;
    Wording fileName;
    Wording fileArgument;
    Wording fileSyntax;
    Wording tooManyFiles;
    Wording unknownOption;
    Wording tryHelp;
    Wording notWritten;
    Wording fileNotWritten;
    Wording helpName;
    Wording versionName;
    Wording guideName;
    Wording base;
    Wording prepareBase;
    Wording checkBase;
    Wording trainee;
    Wording traineeName;
    Wording group;
    Wording needsBase;
    Wording prepareOrCheck;
    Wording groupNeedsBase;
    Wording groupAlone;
};

constexpr CommandLineTexts kTexts{
    {"Tavelle: exercises in fire-fighting hydraulics (head losses of a hose layout,\n"
     "step by step, in French). The exercise is set up in its windows; with FILE, or\n"
     "with --entrainement, the trainee practises: answers first, is marked, and the\n"
     "progress is kept.\n"
     "Without a display, run it under a virtual X server: xvfb-run -a tavelle",
     "Tavelle : exercices d'hydraulique de lutte contre l'incendie (pertes de charge\n"
     "d'un établissement, pas à pas, en français). L'exercice se pose dans ses\n"
     "fenêtres ; avec FICHIER, ou avec --entrainement, le stagiaire s'entraîne : il\n"
     "répond d'abord, il est noté, et sa progression est gardée.\n"
     "Sans écran, lancez-le sous un serveur X virtuel : xvfb-run -a tavelle"},
    {"Displays help on commandline options.", "Afficher cette aide."},
    {"Practise: on the exercises of FILE, or on drawn ones.",
     "S'entraîner : sur les exercices de FICHIER, ou sur des exercices tirés."},
    {"Writes every practice exercise kept so far to FILE as CSV (- for standard output).",
     "Écrire en CSV dans FICHIER chaque exercice d'entraînement gardé jusqu'ici (- pour la sortie "
     "standard)."},
    {"FILE", "FICHIER"},
    {"Exercises to practise (JSON, as tavelle-solve reads; *.tavelle).",
     "Exercices pour s'entraîner (JSON, comme les lit tavelle-solve ; *.tavelle)."},
    {"[FILE]", "[FICHIER]"},
    {"takes at most one FILE to practise, and none with --progression, but was given",
     "prend au plus un FICHIER pour s'entraîner, et aucun avec --progression, mais a reçu"},
    {"unknown option", "option inconnue"},
    {"; run tavelle --help for usage", " ; lancez tavelle --help pour l'usage"},
    {"the {what} could not be written: {reason}", "impossible d'écrire {what} : {reason}"},
    {"cannot write {file}: {reason}", "impossible d'écrire {file} : {reason}"},
    {"help", "l'aide"},
    {"version", "la version"},
    {"guide's file name", "le nom du fichier du guide"},
    {"For this run, the class database that keeps every trainee's practice: a "
     "PostgreSQL connection string or service name (instead of the setting classe/base).",
     "Pour ce lancement, la base de la classe qui garde l'entraînement de chaque "
     "stagiaire : une chaîne de connexion PostgreSQL ou un nom de service (au lieu du "
     "réglage classe/base)."},
    {"For the administrator, once: prepares the class database.",
     "Pour l'administrateur, une fois : prépare la base de la classe."},
    {"For the administrator, from a trainee's or an instructor's machine: connects "
     "as its user and says what the account may do on the class database.",
     "Pour l'administrateur, depuis le poste d'un stagiaire ou d'un formateur : se "
     "connecte comme son utilisateur et dit ce que le compte peut faire sur la base de "
     "la classe."},
    {"Names the trainee who practises, as \"NAME First name\".",
     "Nomme le stagiaire qui s'entraîne, sous la forme \"NOM Prénom\"."},
    {"NAME", "NOM"},
    {"The trainee's group; with --progression, exports this group only.",
     "Le groupe du stagiaire ; avec --progression, n'exporte que ce groupe."},
    {"{option} needs --base CONNINFO or the setting classe/base",
     "{option} demande --base CONNINFO ou le réglage classe/base"},
    {"--preparer-base and --verifier-base go one at a time: the check connects as the machine's user",
     "--preparer-base et --verifier-base vont l'un sans l'autre : la vérification se connecte comme "
     "l'utilisateur du poste"},
    {"--groupe with --progression needs a class database: --base CONNINFO or the setting classe/base",
     "--groupe avec --progression demande une base de la classe : --base CONNINFO ou le réglage classe/base"},
    {"--groupe goes with --stagiaire or --progression", "--groupe va avec --stagiaire ou --progression"}};

QString qtText(const Wording& wording)
{
    const std::string_view text = wording.in(userLanguage());
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string said(const Wording& wording)
{
    return std::string(wording.in(userLanguage()));
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

// Refuses the command line: `line`, where the usage is told, and the usage error's status.
int refusedUsage(std::string_view line)
{
    std::fprintf(stderr, "%s: %.*s%s\n", programName, static_cast<int>(line.size()), line.data(),
                 said(kTexts.tryHelp).c_str());
    return usageErrorStatus;
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
        const Language language = userLanguage();
        const std::string line = composed(kTexts.fileNotWritten, language,
                                          {{"file", echoed(file, file.size()).toStdString()},
                                           {"reason", systemReason(kept.systemError(), language)}});
        std::fprintf(stderr, "%s: %s\n", programName, line.c_str());
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
    const Language language = userLanguage();
    const std::string line = composed(kTexts.notWritten, language,
                                      {{"what", what}, {"reason", systemReason(errno != 0 ? errno : EIO, language)}});
    std::fprintf(stderr, "%s: %s\n", programName, line.c_str());
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

    const CommandLineTexts& words = kTexts;
    QCommandLineParser parser;
    parser.setApplicationDescription(qtText(words.description));
    // Not addHelpOption(): its --help-all would offer Qt's own options, which this program does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, qtText(words.help));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // For the package's checks: starts the print program as a print does, without a display.
    QCommandLineOption checkPrintModule(QStringLiteral("check-print-module"));
    checkPrintModule.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(checkPrintModule);
    const QCommandLineOption practice(QStringLiteral("entrainement"), qtText(words.practice));
    parser.addOption(practice);
    const QCommandLineOption progression(QStringLiteral("progression"), qtText(words.progression),
                                         qtText(words.fileName));
    parser.addOption(progression);
    const QCommandLineOption base(QStringLiteral("base"), qtText(words.base), QStringLiteral("CONNINFO"));
    parser.addOption(base);
    const QCommandLineOption prepareBase(QStringLiteral("preparer-base"), qtText(words.prepareBase));
    parser.addOption(prepareBase);
    const QCommandLineOption checkBase(QStringLiteral("verifier-base"), qtText(words.checkBase));
    parser.addOption(checkBase);
    const QCommandLineOption trainee(QStringLiteral("stagiaire"), qtText(words.trainee), qtText(words.traineeName));
    parser.addOption(trainee);
    const QCommandLineOption group(QStringLiteral("groupe"), qtText(words.group), QStringLiteral("G"));
    parser.addOption(group);
    parser.addPositionalArgument(qtText(words.fileName), qtText(words.fileArgument), qtText(words.fileSyntax));
    // For the package's checks: the user guide F1 opens, found as the running program finds it.
    QCommandLineOption guideFile(QStringLiteral("guide-file"));
    guideFile.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(guideFile);
    if (!parser.parse(arguments)) {
        // Worded as the tools word it: the option as typed, or Qt's reason as a clause.
        QString error;
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
            const QString dashes = unknown.constFirst().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            error = qtText(words.unknownOption) % QStringLiteral(" \"") % dashes % unknown.constFirst() %
                    QStringLiteral("\"");
        } else {
            error = parser.errorText();
            if (error.endsWith(QLatin1Char('.'))) error.chop(1);
            if (!error.isEmpty()) error[0] = error[0].toLower();
        }
        return refusedUsage(echoed(error).toStdString());
    }
    if (parser.isSet(help)) {
        // Without a QCoreApplication yet, the parser cannot name the program itself.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QString::fromLatin1(programName));
        return answer(text.toStdString(), said(words.helpName).c_str());
    }
    if (parser.isSet(version))
        return answer(std::string(programName) + " " + versionNumberText() + "\n", said(words.versionName).c_str());

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 || (!files.isEmpty() && parser.isSet(progression))) {
        return refusedUsage(said(words.tooManyFiles) + " \"" + echoed(files.constLast()).toStdString() + "\"");
    }
    if (parser.isSet(prepareBase) && parser.isSet(checkBase)) return refusedUsage(said(words.prepareOrCheck));
    if (parser.isSet(prepareBase) || parser.isSet(checkBase)) {
        const QString connection = classDatabaseConnection(parser.value(base));
        const bool preparing = parser.isSet(prepareBase);
        if (connection.isEmpty())
            return refusedUsage(composed(words.needsBase, userLanguage(),
                                         {{"option", preparing ? "--preparer-base" : "--verifier-base"}}));
        return preparing ? prepareClassDatabase(connection) : checkClassAccount(connection);
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
        if (parser.isSet(group)) return refusedUsage(said(words.groupNeedsBase));
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
        return refusedUsage(said(words.groupAlone));
    }
    launch.classDatabase = parser.value(base).trimmed();
    launch.practice = parser.isSet(practice) || !files.isEmpty();
    if (!files.isEmpty()) launch.exercisesFile = files.constFirst();
    if (parser.isSet(checkPrintModule)) return printProgramRuns(printProgramFile()) ? 0 : 1;
    if (parser.isSet(guideFile)) {
        const QString guide = userGuideFile();
        return guide.isEmpty() ? 1 : answer(guide.toStdString() + "\n", said(words.guideName).c_str());
    }
    return std::nullopt;
}

}  // namespace tavelle
