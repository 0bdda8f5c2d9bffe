// tavelle-sheets: exam sheets for instructors. Walks exercises through the application's entry rules
// and writes an A4 PDF: for each accepted exercise a trainee page (statement and schematic), then an
// answer page (portion AB and the final calculation), drawn by the application's own screens.
#include "core/papers/sheet_texts.h"
#include "core/screens/walkthrough.h"
#include "format/exercise_reader.h"
#include "format/printable_text.h"
#include "format/random_exercises.h"
#include "platform/kept_file.h"
#include "platform/system_locale.h"
#include "screens/application_look.h"
#include "tools/common/help_or_version.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_command_line.h"
#include "tools/sheets/class_list.h"
#include "tools/sheets/class_report_command.h"
#include "tools/sheets/exam_sheets.h"
#include "tools/sheets/reproducible_output.h"
#include "tools/sheets/set_code.h"
#include "tools/sheets/user_language.h"

#include <QApplication>
#include <QHashSeed>
#include <QPdfWriter>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

using tavelle::mostExercisesInASet;
using tavelle::UsageError;

struct Options {
    std::optional<std::string> file;  // "-" is standard input
    std::optional<std::uint64_t> randomCount;
    std::optional<std::uint64_t> seed;
    std::optional<std::string> classFile;
    std::string output;
    bool trainee = true;
    bool key = true;
};

std::string refusal(std::size_t number, const tavelle::WalkResult& walk)
{
    std::string line = "exercise " + std::to_string(number) + " is refused on " +
                       std::string(tavelle::screenName(*walk.refusedAt)) + ", left out:";
    const char* separator = " ";
    for (const auto& message : walk.messages) {
        line += separator;
        line += message.text;
        separator = " / ";
    }
    return line;
}

// Walks the exercises on one record, as one run of the application; the refused ones are reported and
// left out. A set read from a file keeps the record of each accepted one as its final screen left it; a set
// drawn at random keeps nothing but its seed and is walked again for each part, so that memory does not
// grow with the set.
class SetWalk {
public:
    explicit SetWalk(std::string separator)
        : m_separator(std::move(separator))
    {
    }

    void walk(const tavelle::ExerciseInput& input)
    {
        ++m_number;
        const tavelle::WalkResult result = tavelle::walkExercise(input, m_record, m_separator);
        if (result.accepted) {
            ++m_acceptedCount;
            if (!m_drawn) m_accepted.push_back({m_number, m_record, {}});
        } else {
            m_refused.push_back(m_number);
            m_refusals.push_back(refusal(m_number, result));
        }
        if (m_number > mostExercisesInASet)
            throw UsageError("a set holds at most " + std::to_string(mostExercisesInASet) + " exercises");
    }

    // Draws the set; a class's trainees are named on their exercises, in the class's order.
    void draw(std::uint64_t seed, std::uint64_t count, std::vector<std::string> trainees)
    {
        m_drawn = seed;
        m_trainees = std::move(trainees);
        tavelle::RandomExercises draw(seed);
        for (std::uint64_t i = 0; i < count; ++i) walk(draw.next());
    }

    std::size_t acceptedCount() const { return m_acceptedCount; }
    const std::vector<std::size_t>& refused() const { return m_refused; }
    bool anyRefused() const { return !m_refused.empty(); }

    // Once the sheets are written: when the set cannot be read or written, its one failure line is all
    // that is said.
    void reportRefusals() const
    {
        for (const std::string& line : m_refusals)
            std::fprintf(stderr, "tavelle-sheets: %s\n", tavelle::inUserLanguage(line).c_str());
    }

    // Hands each accepted exercise to `accepted` and each refused one's number to `refused`, in the set's order.
    template <class Accepted, class Refused>
    void replay(Accepted&& accepted, Refused&& refused) const
    {
        auto nextRefused = m_refused.begin();
        const auto refusedBefore = [&](std::size_t number) {
            while (nextRefused != m_refused.end() && *nextRefused < number) refused(*nextRefused++);
        };
        if (m_drawn) {
            tavelle::ExerciseRecord record;
            tavelle::RandomExercises draw(*m_drawn);
            tavelle::SheetExercise exercise;
            for (std::size_t number = 1; number <= m_number; ++number) {
                if (!tavelle::walkExercise(draw.next(), record, m_separator).accepted) continue;
                refusedBefore(number);
                exercise.number = number;
                exercise.record = record;
                exercise.trainee = number <= m_trainees.size() ? m_trainees[number - 1] : std::string();
                accepted(exercise);
            }
        } else {
            for (const tavelle::SheetExercise& exercise : m_accepted) {
                refusedBefore(exercise.number);
                accepted(exercise);
            }
        }
        refusedBefore(m_number + 1);
    }

private:
    std::string m_separator;
    tavelle::ExerciseRecord m_record;
    std::optional<std::uint64_t> m_drawn;  // the seed of a set drawn at random
    std::vector<std::string> m_trainees;
    std::vector<tavelle::SheetExercise> m_accepted;
    std::vector<std::size_t> m_refused;
    std::vector<std::string> m_refusals;
    std::size_t m_acceptedCount = 0;
    std::size_t m_number = 0;
};

void warnAboutClass(const std::string& line)
{
    std::fprintf(stderr, "tavelle-sheets: %s\n", tavelle::inUserLanguage(line).c_str());
}

void readExercises(const Options& options, SetWalk& set)
{
    tavelle::ExerciseFile input(options.file.value_or("-"));
    input.reader().readStart();
    while (const std::optional<tavelle::ExerciseInput> exercise = input.reader().next()) set.walk(*exercise);
}

// Qt's notes about the off-screen platform (a missing runtime folder and the like) are not the
// instructor's business: only this tool's own lines go to the error output.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg) std::fprintf(stderr, "tavelle-sheets: %s\n", qPrintable(message));
}

std::string outputName(const std::string& path)
{
    return path == "-" ? "standard output" : tavelle::printableText(path, tavelle::kLongestPathShown);
}

// An output that is one of the inputs, under any name, would be lost as it is written: the exercises'
// file (standard input when no set is drawn) and the class list.
void refuseOutputOverInput(const Options& options)
{
    const std::optional<tavelle::FileIdentity> output = tavelle::fileIdentity(options.output, STDOUT_FILENO);
    if (!output) return;
    if (!options.randomCount && output == tavelle::fileIdentity(options.file.value_or("-"), STDIN_FILENO))
        throw tavelle::WriteError("cannot write " + outputName(options.output) +
                                  ": it is the file the exercises are read from; name another file for the sheets");
    if (options.classFile && output == tavelle::fileIdentity(*options.classFile, -1))
        throw tavelle::WriteError("cannot write " + outputName(options.output) +
                                  ": it is the class list; name another file for the sheets");
}

// The reproducible-builds convention: a stamp that is not a whole number of seconds is refused, not ignored.
void refuseBadSourceDateEpoch()
{
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == '\0') return;
    const std::string_view text(epoch);
    if (text.size() > 18 || text.find_first_not_of("0123456789") != std::string_view::npos)
        throw UsageError("SOURCE_DATE_EPOCH is not a whole number of seconds: \"" + tavelle::printableText(text) +
                         "\"");
}

// Opening a FIFO waits for its reader: said once, after a second, so that a silent wait is not taken for a hang.
class WaitNote {
public:
    explicit WaitNote(std::string line)
        : m_thread([this, line = std::move(line)] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, std::chrono::seconds(1), [this] { return m_finished; }))
                std::fprintf(stderr, "tavelle-sheets: %s\n", line.c_str());
        })
    {
    }
    ~WaitNote()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

// The PDF goes to standard output, into a device or FIFO, or beside a regular file and renamed over it
// only when whole; the reason when it cannot be written.
std::optional<std::string> writeSheets(const Options& options, const SetWalk& set, const std::string& separator,
                                       std::optional<std::uint64_t> seed)
{
    std::optional<std::string> code;
    if (seed) code = tavelle::setCodeText({*seed, std::size_t(*options.randomCount)});
    const std::string failed = "cannot write " + outputName(options.output) + ": ";
    tavelle::KeptFile file(QString::fromLocal8Bit(options.output.c_str()));
    bool opened = false;
    std::error_code unknown;
    if (options.output != "-" && std::filesystem::is_fifo(options.output, unknown)) {
        const WaitNote note(tavelle::inUserLanguage("waiting for a reader of " + outputName(options.output)));
        opened = file.open();
    } else {
        opened = file.open();
    }
    if (!opened) return failed + file.errorString().toStdString();
    {
        tavelle::ReproducibleOutput output(file.device());
        output.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&output);
        pdf.setResolution(96);
        pdf.setCreator(QStringLiteral("Tavelle"));
        std::optional<std::string> name = code;
        if (!name && options.file && *options.file != "-") name = std::filesystem::path(*options.file).stem().string();
        pdf.setTitle(QString::fromStdString(tavelle::setTitle(name, set.acceptedCount())));
        tavelle::ExamSheets sheets(pdf, separator, {seed, code});
        const auto skip = [](auto&&...) {};
        if (options.trainee) {
            std::size_t pages = 0;
            set.replay([&](const tavelle::SheetExercise& exercise) { pages += sheets.traineePageCount(exercise); },
                       skip);
            sheets.startPart(pages);
            set.replay([&](const tavelle::SheetExercise& exercise) { sheets.addTraineePage(exercise); }, skip);
        }
        if (options.key) {
            const std::size_t rows = set.acceptedCount() + set.refused().size();
            sheets.startPart(tavelle::ExamSheets::answerTablePageCount(rows) + set.acceptedCount());
            set.replay([&](const tavelle::SheetExercise& exercise) { sheets.addAnswerRow(exercise); },
                       [&](std::size_t number) { sheets.addRefusedRow(number); });
            set.replay([&](const tavelle::SheetExercise& exercise) { sheets.addKeyPage(exercise); }, skip);
        }
        if (!sheets.finish() || !output.flushTarget()) {
            const QString reason = output.failure().isEmpty() ? file.errorString() : output.failure();
            return failed + reason.toStdString();
        }
    }
    if (!file.commit()) return failed + file.errorString().toStdString();
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    if (tavelle::asksForClassReport(argc, argv)) return tavelle::runClassReport(argc, argv);
    Options options;
    std::optional<std::uint64_t> seed;
    const std::string separator = tavelle::systemDecimalSeparator();
    SetWalk set(separator);
    // Everything that can be refused is checked before the window system starts.
    const std::optional<int> ended = tavelle::runStage(
        "tavelle-sheets", tavelle::inUserLanguage("tavelle-sheets", [&]() -> std::optional<int> {
            tavelle::ToolCommandLine commandLine(
                "tavelle-sheets",
                "Usage: tavelle-sheets [FILE | - | --random N [--seed S] | --code CODE | --class FILE [--seed S]]\n"
                "                      -o OUT.pdf [--trainee | --key]\n"
                "       tavelle-sheets --bilan FILE.csv [FILE.csv …] [--groupe G] [--depuis DATE]\n"
                "                      [--jusqu-a DATE] -o OUT.pdf\n",
                "Writes exam sheets as an A4 PDF: for each exercise one or two trainee pages (the statement, the\n"
                "schematic without the values to find, numbered questions and ruled room for the model answer and\n"
                "a quarter more), then the answer key (a table of the set's answers to the hundredth of a bar, then\n"
                "portion AB and the final calculation of each exercise).\n"
                "Reads the exercises of tavelle-solve from FILE or standard input (-), or draws the random set\n"
                "that tavelle-solve --random N --seed S draws; the trainee pages carry its code for --code.\n"
                "Refused exercises are reported and left out.\n"
                "--class FILE: one trainee a line, UTF-8. \"Nom, Prénom\" splits at the comma; otherwise the words\n"
                "in capitals at the start or end of the line are the Nom (\"DUPONT Jean-Marc\"), the others the\n"
                "Prénom; a line that does not tell them apart goes whole into Nom.");
            const QCommandLineOption random(QStringLiteral("random"), QStringLiteral("Draw N exercises."),
                                            QStringLiteral("N"));
            const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("The seed of the random set."),
                                                QStringLiteral("S"));
            const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                            QStringLiteral("The PDF file to write; - for standard output."),
                                            QStringLiteral("OUT.pdf"));
            const QCommandLineOption codeOption(
                QStringLiteral("code"), QStringLiteral("The set code printed on the trainee pages: the same set."),
                QStringLiteral("CODE"));
            const QCommandLineOption classOption(QStringLiteral("class"),
                                                 QStringLiteral("One trainee a line: one exercise each, named."),
                                                 QStringLiteral("FILE"));
            const QCommandLineOption trainee(QStringLiteral("trainee"), QStringLiteral("Only the trainee pages."));
            const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("Only the answer pages."));
            commandLine.parser().addOptions({random, seedOption, codeOption, classOption, output, trainee, key});
            commandLine.parser().addPositionalArgument(QStringLiteral("FILE"),
                                                       QStringLiteral("Exercises as JSON; - for standard input."),
                                                       QStringLiteral("[FILE]"));
            commandLine.parse(argc, argv);
            if (const std::optional<int> answered = tavelle::answerHelpOrVersion(commandLine)) return answered;

            const std::vector<std::string> files = commandLine.positionalArguments();
            if (files.size() > 1) throw UsageError("only one FILE may be given");
            if (!files.empty()) options.file = files.front();
            if (commandLine.isSet(random))
                options.randomCount = tavelle::wholeNumber("--random", commandLine.value(random));
            if (commandLine.isSet(seedOption))
                options.seed = tavelle::wholeNumber("--seed", commandLine.value(seedOption));
            if (commandLine.isSet(codeOption)) {
                if (options.randomCount || options.seed) throw UsageError("--code stands for --random and --seed");
                const std::optional<tavelle::SetCode> code = tavelle::parseSetCode(commandLine.value(codeOption));
                if (!code || code->exerciseCount == 0)
                    throw UsageError("--code takes the code printed on the trainee pages, such as 7-12");
                options.seed = code->seed;
                options.randomCount = code->exerciseCount;
            }
            std::vector<std::string> trainees;
            if (commandLine.isSet(classOption)) {
                if (options.file) throw UsageError("--class draws the exercises: it takes no FILE");
                options.classFile = commandLine.value(classOption);
                trainees = tavelle::readClassList(*options.classFile, mostExercisesInASet, warnAboutClass);
                if (options.randomCount && *options.randomCount != trainees.size())
                    throw UsageError("--class names " + std::to_string(trainees.size()) + " trainees, the set holds " +
                                     std::to_string(*options.randomCount));
                options.randomCount = trainees.size();
            }
            if (options.randomCount && options.file) throw UsageError("--random takes no FILE");
            if (options.seed && !options.randomCount) throw UsageError("--seed goes with --random");
            if (options.randomCount && *options.randomCount > mostExercisesInASet)
                throw UsageError("--random takes at most " + std::to_string(mostExercisesInASet) + " exercises");
            if (!commandLine.isSet(output) || commandLine.value(output).empty()) throw UsageError("missing -o OUT.pdf");
            options.output = commandLine.value(output);
            refuseOutputOverInput(options);
            refuseBadSourceDateEpoch();
            if (commandLine.isSet(trainee) && commandLine.isSet(key))
                throw UsageError("--trainee and --key exclude each other");
            options.trainee = !commandLine.isSet(key);
            options.key = !commandLine.isSet(trainee);

            if (options.randomCount) {
                // A set drawn without a seed names the one it was drawn with, so that it can be drawn again.
                seed = options.seed ? *options.seed : std::random_device{}();
                set.draw(*seed, *options.randomCount, std::move(trainees));
            } else {
                readExercises(options, set);
            }
            return std::nullopt;
        }));
    if (ended) return *ended;
    if (set.acceptedCount() == 0) {
        set.reportRefusals();
        const std::string none = "no exercise to put on the sheets; " + outputName(options.output) + " is not written";
        std::fprintf(stderr, "tavelle-sheets: %s\n", tavelle::inUserLanguage(none).c_str());
        return set.anyRefused() ? 1 : 2;
    }

    // The sheets are drawn, never shown: no display is opened, whatever the environment names, and the
    // fonts are written in the same order on every run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A reproducible set is stamped in UTC, whose stamp has the same length on every machine.
    if (qEnvironmentVariableIsSet("SOURCE_DATE_EPOCH")) qputenv("TZ", "UTC");
    QHashSeed::setDeterministicGlobalSeed();
    qInstallMessageHandler(quietQtNotes);
    // The tool's own arguments are not Qt's: the application gets the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    tavelle::applyApplicationLook();
    if (const std::optional<std::string> failure = writeSheets(options, set, separator, seed)) {
        std::fprintf(stderr, "tavelle-sheets: %s\n", tavelle::inUserLanguage(*failure).c_str());
        return 2;
    }
    set.reportRefusals();
    return set.anyRefused() ? 1 : 0;
}
