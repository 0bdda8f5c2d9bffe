#include "tools/sheets/class_report_command.h"

#include "classdb/class_database_setting.h"
#include "classdb/class_server.h"
#include "core/papers/class_report.h"
#include "core/progress/progress_csv.h"
#include "format/attempt_marks.h"
#include "format/input_error.h"
#include "format/printable_text.h"
#include "platform/kept_file.h"
#include "platform/qt_own_texts.h"
#include "platform/system_locale.h"
#include "screens/application_look.h"
#include "tools/common/help_or_version.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_command_line.h"
#include "tools/sheets/class_report_pages.h"
#include "tools/sheets/reproducible_output.h"
#include "tools/sheets/user_language.h"

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

// A line of this command in the user's language.
std::string said(std::string_view french, std::string_view english)
{
    return std::string(messagesInFrench() ? french : english);
}

std::string shownPath(const std::string& path)
{
    return path == "-" ? said("l'entrée standard", "standard input") : printableText(path, kLongestPathShown);
}

std::optional<std::int64_t> dayOption(const ToolCommandLine& commandLine, const QCommandLineOption& option,
                                      const std::string& name)
{
    if (!commandLine.isSet(option)) return std::nullopt;
    const std::string value = commandLine.value(option);
    const std::optional<std::int64_t> day = parseIsoDay(value);
    if (!day)
        throw UsageError(said(
            name + " attend une date sous la forme AAAA-MM-JJ, comme 2026-12-08, pas \"" + printableText(value) + "\"",
            name + " takes a date as YYYY-MM-DD, such as 2026-12-08, not \"" + printableText(value) + "\""));
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
    ProgressCsvReader reader(*in, shownPath(path), messagesInFrench(), AttemptMarker());
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
    std::string french;
    std::string english;
    for (const std::string& name : groups) {
        french += (french.empty() ? "« " : ", « ") + printableText(name) + " »";
        english += (english.empty() ? "\"" : ", \"") + printableText(name) + "\"";
    }
    return said("aucun exercice lu n'est du groupe « " + printableText(*group) + " » ; les groupes sont : " + french,
                "no attempt read is of group \"" + printableText(*group) + "\"; the groups are: " + english);
}

std::optional<std::string> writeReport(const std::string& output, const ClassReport& report,
                                       const std::string& separator)
{
    const std::string failed =
        "cannot write " + (output == "-" ? std::string("standard output") : printableText(output, kLongestPathShown)) +
        ": ";
    KeptFile file(QString::fromLocal8Bit(output.c_str()));
    if (!file.open()) return failed + file.errorString().toStdString();
    {
        ReproducibleOutput out(file.device());
        out.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&out);
        pdf.setResolution(96);
        pdf.setCreator(QStringLiteral("Tavelle"));
        pdf.setTitle(QStringLiteral("Bilan de la classe"));
        ClassReportPages pages(pdf, separator);
        if (!pages.draw(report) || !out.succeeded()) return failed + file.errorString().toStdString();
    }
    if (!file.commit()) return failed + file.errorString().toStdString();
    return std::nullopt;
}

}  // namespace

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
    const std::optional<int> ended = runStage(
        program, inUserLanguage(program, [&]() -> std::optional<int> {
            ToolCommandLine commandLine(
                program,
                "Usage: tavelle-sheets --bilan [FILE.csv …] [--base CONNINFO] [--groupe G]\n"
                "                      [--depuis DATE] [--jusqu-a DATE] -o OUT.pdf\n",
                "Writes the class report as an A4 PDF from progress exports (tavelle --progression) or from the class\n"
                "database: the class's page (attempts, share of right answers per question, mean mark week by week,\n"
                "the trainees' table), then a page per trainee. An attempt found twice counts once. With no FILE and\n"
                "no --base, the class database of the setting classe/base. DATE is YYYY-MM-DD.");
            const QCommandLineOption bilan(QStringLiteral("bilan"), QStringLiteral("Write the class report."));
            const QCommandLineOption base(
                QStringLiteral("base"),
                QStringLiteral("The class database: a libpq connection string or a service name."),
                QStringLiteral("CONNINFO"));
            const QCommandLineOption group(QStringLiteral("groupe"), QStringLiteral("Only this group's attempts."),
                                           QStringLiteral("G"));
            const QCommandLineOption from(QStringLiteral("depuis"), QStringLiteral("Attempts from this day on."),
                                          QStringLiteral("DATE"));
            const QCommandLineOption to(QStringLiteral("jusqu-a"), QStringLiteral("Attempts up to this day."),
                                        QStringLiteral("DATE"));
            const QCommandLineOption out(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                         QStringLiteral("The PDF file to write; - for standard output."),
                                         QStringLiteral("OUT.pdf"));
            commandLine.parser().addOptions({bilan, base, group, from, to, out});
            commandLine.parser().addPositionalArgument(QStringLiteral("FILE.csv"),
                                                       QStringLiteral("Progress exports; - for standard input."),
                                                       QStringLiteral("FILE.csv…"));
            commandLine.parse(argc, argv);
            if (const std::optional<int> answered = answerHelpOrVersion(commandLine)) return answered;
            const std::vector<std::string> files = commandLine.positionalArguments();
            // A named database is read beside the files; the setting's only when nothing else is named.
            if (commandLine.isSet(base) || files.empty())
                connection = classDatabaseConnection(
                    QString::fromStdString(commandLine.isSet(base) ? commandLine.value(base) : ""));
            if (files.empty() && connection.isEmpty())
                throw UsageError(
                    said("--bilan lit des fichiers exportés par tavelle --progression, ou la base de la classe "
                         "(--base, ou le réglage classe/base)",
                         "--bilan reads files exported by tavelle --progression, or the class database "
                         "(--base, or the setting classe/base)"));
            ReportChoice choice;
            if (commandLine.isSet(group)) choice.group = commandLine.value(group);
            choice.fromDay = dayOption(commandLine, from, "--depuis");
            choice.toDay = dayOption(commandLine, to, "--jusqu-a");
            if (choice.fromDay && choice.toDay && *choice.fromDay > *choice.toDay)
                throw UsageError(said("--depuis vient après --jusqu-a", "--depuis comes after --jusqu-a"));
            if (!commandLine.isSet(out) || commandLine.value(out).empty()) throw UsageError("missing -o OUT.pdf");
            output = commandLine.value(out);
            // An output that is one of the inputs would be lost as it is written.
            const std::optional<FileIdentity> written = fileIdentity(output, STDOUT_FILENO);
            for (const std::string& path : files)
                if (written && written == fileIdentity(path, STDIN_FILENO))
                    throw WriteError(said("impossible d'écrire " + shownPath(output) +
                                              " : c'est un des fichiers lus ; "
                                              "nommez un autre fichier pour le bilan",
                                          "cannot write " + shownPath(output) +
                                              ": it is one of the files read; name "
                                              "another file for the report"));
            choice.utcOffsetAt = localOffsetAt;
            report.emplace(choice);
            for (const std::string& path : files) readExport(path, *report);
            return std::nullopt;
        }));
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
        std::fprintf(stderr, "%s: %s\n", program, inUserLanguage(*failure).c_str());
        return 2;
    }
    return 0;
}

}  // namespace tavelle
