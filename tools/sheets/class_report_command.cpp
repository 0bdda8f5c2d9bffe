#include "tools/sheets/class_report_command.h"

#include "classdb/class_database_setting.h"
#include "classdb/class_server.h"
#include "core/papers/class_report.h"
#include "core/progress/progress_csv.h"
#include "core/text/system_reason.h"
#include "core/text/wording.h"
#include "format/attempt_marks.h"
#include "format/input_error.h"
#include "format/printable_text.h"
#include "platform/kept_file.h"
#include "platform/system_locale.h"
#include "screens/application_look.h"
#include "tools/common/help_or_version.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_command_line.h"
#include "tools/common/tool_texts.h"
#include "tools/sheets/class_report_pages.h"
#include "tools/sheets/reproducible_output.h"

#include <QApplication>
#include <QDateTime>
#include <QHashSeed>
#include <QPdfWriter>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace tavelle {

namespace {

constexpr const char* program = "tavelle-sheets";

constexpr Wording kDescription{
    "Writes the class report as an A4 PDF from progress exports (tavelle --progression) or from the class database: "
    "the class's page (attempts, share of right answers per question, mean mark week by week, the trainees' table), "
    "then a page per trainee. An attempt found twice counts once. With no file and no --base, the class database of "
    "the setting classe/base. DATE is YYYY-MM-DD.",
    "Écrit le bilan de la classe en PDF A4 à partir d'exports de progression (tavelle --progression) ou de la base "
    "de la classe : la page de la classe (exercices faits, part de réponses justes par question, note moyenne "
    "semaine par semaine, le tableau des stagiaires), puis une page par stagiaire. Un exercice trouvé deux fois "
    "compte une fois. Sans fichier ni --base, la base de la classe du réglage classe/base. DATE s'écrit "
    "AAAA-MM-JJ."};
constexpr Wording kForm{
    "--bilan [{csv} …] [--base CONNINFO] [--groupe G] [--depuis DATE] [--jusqu-a DATE] -o {output}",
    "--bilan [{csv} …] [--base CONNINFO] [--groupe G] [--depuis DATE] [--jusqu-a DATE] -o {output}"};
constexpr Wording kCsvPlaceholder{"FILE.csv", "FICHIER.csv"};
constexpr Wording kBilanOption{"Write the class report.", "Écrire le bilan de la classe."};
constexpr Wording kBaseOption{"The class database: a libpq connection string or a service name.",
                              "La base de la classe : une chaîne de connexion libpq ou un nom de service."};
constexpr Wording kGroupOption{"Only this group's attempts.", "Seulement les exercices de ce groupe."};
constexpr Wording kFromOption{"Attempts from this day on.", "Les exercices à partir de ce jour."};
constexpr Wording kToOption{"Attempts up to this day.", "Les exercices jusqu'à ce jour."};
constexpr Wording kOutputOption{"The PDF file to write; - for standard output.",
                                "Le fichier PDF à écrire ; - pour la sortie standard."};
constexpr Wording kFilesArgument{"Progress exports; - for standard input.",
                                 "Exports de progression ; - pour l'entrée standard."};
constexpr Wording kBadDay{"{option} takes a date as YYYY-MM-DD, such as 2026-12-08, not \"{value}\"",
                          "{option} attend une date sous la forme AAAA-MM-JJ, comme 2026-12-08, pas \"{value}\""};
constexpr Wording kNothingToRead{
    "--bilan reads files exported by tavelle --progression, or the class database (--base, or the setting "
    "classe/base)",
    "--bilan lit des fichiers exportés par tavelle --progression, ou la base de la classe (--base, ou le réglage "
    "classe/base)"};
constexpr Wording kFromAfterTo{"--depuis comes after --jusqu-a", "--depuis vient après --jusqu-a"};
constexpr Wording kIsAnInput{"it is one of the files read; name another file for the report",
                             "c'est un des fichiers lus ; nommez un autre fichier pour le bilan"};
constexpr Wording kUnknownGroup{"no attempt read is of group {group}; the groups are: {groups}",
                                "aucun exercice lu n'est du groupe {group} ; les groupes sont : {groups}"};
constexpr Wording kQuotedName{"\"{name}\"", "« {name} »"};
constexpr Wording kListSeparator{", ", ", "};

std::string shownPath(const std::string& path, Language language = userLanguage())
{
    return path == "-" ? std::string(kStandardInput.in(language)) : printableText(path, kLongestPathShown);
}

std::string shownOutput(const std::string& path, Language language)
{
    return path == "-" ? std::string(kStandardOutput.in(language)) : printableText(path, kLongestPathShown);
}

std::optional<std::int64_t> dayOption(const ToolCommandLine& commandLine, const QCommandLineOption& option,
                                      const std::string& name)
{
    if (!commandLine.isSet(option)) return std::nullopt;
    const std::string value = commandLine.value(option);
    const std::optional<std::int64_t> day = parseIsoDay(value);
    if (!day)
        throw UsageError(
            composed(kBadDay, commandLine.language(), {{"option", name}, {"value", printableText(value)}}));
    return day;
}

// The file cannot be read: said as the exercise files' own reading fault, in the user's language.
InputError unreadable(const std::string& path, int systemError)
{
    InputProblem problem;
    problem.fault = InputFault::cannotRead;
    problem.file = shownPath(path);
    problem.systemError = systemError;
    return InputError(std::move(problem));
}

// Adds one export to the report, or ends the run with the one line that says why it cannot.
void readExport(const std::string& path, ClassReport& report)
{
    std::ifstream file;
    std::istream* in = &std::cin;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) throw unreadable(path, errno);
        in = &file;
    }
    ProgressCsvReader reader(*in, shownPath(path), userLanguage() == Language::french, AttemptMarker());
    if (!report.read(reader)) throw InputError(*reader.fault());
    if (in->bad()) throw unreadable(path, errno);
}

constexpr std::int64_t secondsPerDay = 86'400;

// The start of a day (since 1970) on this machine's clock, in seconds since 1970.
std::int64_t localMidnight(std::int64_t day)
{
    constexpr std::int64_t julianDayOf1970 = 2'440'588;
    return QDateTime(QDate::fromJulianDay(day + julianDayOf1970), QTime(0, 0)).toSecsSinceEpoch();
}

// The machine's clock ahead of UTC at an instant, by its time zone's rules for that instant.
std::int64_t localOffsetAt(std::int64_t secondsSince1970)
{
    return QDateTime::fromSecsSinceEpoch(secondsSince1970).offsetFromUtc();
}

void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg) std::fprintf(stderr, "%s: %s\n", program, qPrintable(message));
}

// Adds the class database's attempts to the report; the one line that says why it cannot.
std::optional<std::string> readClassDatabase(const QString& connection, ClassReport& report)
{
    ClassServer server(connection);
    const ReportChoice& choice = report.choice();
    AttemptChoice asked;
    if (choice.group) asked.group = QString::fromStdString(*choice.group);
    // The server leaves out what lies a day or more beyond the period, whatever a clock change does to local
    // midnight; the report keeps the period's exact days.
    if (choice.fromDay) asked.from = localMidnight(*choice.fromDay) - secondsPerDay;
    if (choice.toDay) asked.before = localMidnight(*choice.toDay + 2);
    auto attempts = server.attempts(asked);
    if (const auto* failure = std::get_if<ServerFailure>(&attempts)) return failure->text().toStdString();
    ServerAttempts& source = *std::get<std::unique_ptr<ServerAttempts>>(attempts);
    if (!report.read(source)) return source.fault();
    return std::nullopt;
}

// A group that no attempt read bears, nor any on the class database, is a mistyped one: the line names the
// groups there are. Nothing when the group is known, or nothing at all was read.
std::optional<std::string> unknownGroup(const ClassReport& report, const QString& connection)
{
    const std::optional<std::string>& group = report.choice().group;
    if (!group || report.groupsRead().count(*group) == 1) return std::nullopt;
    std::set<std::string> groups = report.groupsRead();
    if (!connection.isEmpty()) {
        ClassServer server(connection);
        auto onServer = server.groups();
        if (const auto* failure = std::get_if<ServerFailure>(&onServer)) return failure->text().toStdString();
        for (const QString& name : std::get<std::vector<QString>>(onServer)) groups.insert(name.toStdString());
    }
    if (groups.empty() || groups.count(*group) == 1) return std::nullopt;
    const Language language = userLanguage();
    std::string names;
    for (const std::string& name : groups)
        names += (names.empty() ? "" : std::string(kListSeparator.in(language))) +
                 composed(kQuotedName, language, {{"name", printableText(name)}});
    return composed(kUnknownGroup, language,
                    {{"group", composed(kQuotedName, language, {{"name", printableText(*group)}})}, {"groups", names}});
}

std::optional<std::string> writeReport(const std::string& output, const ClassReport& report,
                                       const std::string& separator)
{
    const Language language = userLanguage();
    const auto failed = [&](int systemError) {
        return composed(kCannotWrite, language,
                        {{"file", shownOutput(output, language)}, {"reason", systemReason(systemError, language)}});
    };
    KeptFile file(QString::fromLocal8Bit(output.c_str()));
    if (!file.open()) return failed(file.systemError());
    {
        ReproducibleOutput out(file.device());
        out.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&out);
        pdf.setResolution(96);
        pdf.setCreator(QStringLiteral("Tavelle"));
        pdf.setTitle(QStringLiteral("Bilan de la classe"));
        ClassReportPages pages(pdf, separator);
        if (!pages.draw(report) || !out.flushTarget()) return failed(out.systemError() != 0 ? out.systemError() : EIO);
    }
    if (!file.commit()) return failed(file.systemError());
    return std::nullopt;
}

}  // namespace

std::string classReportForm(Language language)
{
    return composed(kForm, language, {{"csv", kCsvPlaceholder.in(language)}, {"output", kPdfPlaceholder.in(language)}});
}

bool asksForClassReport(int argc, char** argv)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], "--bilan") == 0) return true;
    return false;
}

int runClassReport(int argc, char** argv)
{
    // A reproducible report counts its days in UTC, as every machine does.
    if (std::getenv("SOURCE_DATE_EPOCH") != nullptr) qputenv("TZ", "UTC");
    std::string output;
    QString connection;
    std::optional<ClassReport> report;
    const std::string separator = systemDecimalSeparator();
    const Language language = userLanguage();
    const std::optional<int> ended = runStage(
        program,
        [&]() -> std::optional<int> {
            const std::string_view pdf = kPdfPlaceholder.in(language);
            const std::string_view csv = kCsvPlaceholder.in(language);
            ToolCommandLine commandLine(language, program, {classReportForm(language)}, kDescription.in(language));
            const QCommandLineOption bilan(QStringLiteral("bilan"), qtText(kBilanOption.in(language)));
            const QCommandLineOption base(QStringLiteral("base"), qtText(kBaseOption.in(language)),
                                          QStringLiteral("CONNINFO"));
            const QCommandLineOption group(QStringLiteral("groupe"), qtText(kGroupOption.in(language)),
                                           QStringLiteral("G"));
            const QCommandLineOption from(QStringLiteral("depuis"), qtText(kFromOption.in(language)),
                                          QStringLiteral("DATE"));
            const QCommandLineOption to(QStringLiteral("jusqu-a"), qtText(kToOption.in(language)),
                                        QStringLiteral("DATE"));
            const QCommandLineOption out(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                         qtText(kOutputOption.in(language)), qtText(pdf));
            commandLine.parser().addOptions({bilan, base, group, from, to, out});
            commandLine.parser().addPositionalArgument(qtText(csv), qtText(kFilesArgument.in(language)),
                                                       qtText(csv) + QStringLiteral("…"));
            commandLine.parse(argc, argv);
            if (const std::optional<int> answered = answerHelpOrVersion(commandLine)) return answered;
            const std::vector<std::string> files = commandLine.positionalArguments();
            // A named database is read beside the files; the setting's only when nothing else is named.
            if (commandLine.isSet(base) || files.empty())
                connection = classDatabaseConnection(
                    QString::fromStdString(commandLine.isSet(base) ? commandLine.value(base) : ""));
            if (files.empty() && connection.isEmpty()) throw UsageError(std::string(kNothingToRead.in(language)));
            ReportChoice choice;
            if (commandLine.isSet(group)) choice.group = commandLine.value(group);
            choice.fromDay = dayOption(commandLine, from, "--depuis");
            choice.toDay = dayOption(commandLine, to, "--jusqu-a");
            if (choice.fromDay && choice.toDay && *choice.fromDay > *choice.toDay)
                throw UsageError(std::string(kFromAfterTo.in(language)));
            if (!commandLine.isSet(out) || commandLine.value(out).empty())
                throw UsageError(composed(kMissingOutput, language, {{"output", pdf}}));
            output = commandLine.value(out);
            // An output that is one of the inputs would be lost as it is written.
            const std::optional<FileIdentity> written = fileIdentity(output, STDOUT_FILENO);
            for (const std::string& path : files)
                if (written && written == fileIdentity(path, STDIN_FILENO))
                    throw WriteError(
                        composed(kCannotWrite, language,
                                 {{"file", shownOutput(output, language)}, {"reason", kIsAnInput.in(language)}}));
            choice.utcOffsetAt = localOffsetAt;
            report.emplace(choice);
            for (const std::string& path : files) readExport(path, *report);
            return std::nullopt;
        },
        language);
    if (ended) return *ended;

    // The report is drawn, never shown: no display is opened, and the fonts are written in the same order on
    // every run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QHashSeed::setDeterministicGlobalSeed();
    qInstallMessageHandler(quietQtNotes);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    applyApplicationLook();
    // Qt SQL finds its drivers through the application.
    if (!connection.isEmpty())
        if (const std::optional<std::string> failure = readClassDatabase(connection, *report)) {
            std::fprintf(stderr, "%s: %s\n", program, failure->c_str());
            return 2;
        }
    if (const std::optional<std::string> unknown = unknownGroup(*report, connection)) {
        std::fprintf(stderr, "%s: %s\n", program, unknown->c_str());
        return 2;
    }
    if (const std::optional<std::string> failure = writeReport(output, *report, separator)) {
        std::fprintf(stderr, "%s: %s\n", program, failure->c_str());
        return 2;
    }
    return 0;
}

}  // namespace tavelle
