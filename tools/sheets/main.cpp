// tavelle-sheets: exam sheets for instructors. Walks exercises through the application's entry rules
// and writes an A4 PDF: for each accepted exercise a trainee page (statement and schematic), then an
// answer page (portion AB and the final calculation), drawn by the application's own screens.
#include "core/walkthrough.h"
#include "platform/system_locale.h"
#include "screens/application_look.h"
#include "tools/sheets/exam_sheets.h"
#include "tools/solve/exercise_reader.h"
#include "tools/solve/output_file.h"
#include "tools/solve/printable_text.h"
#include "tools/solve/random_exercises.h"
#include "tools/solve/tool_command_line.h"

#include <QApplication>
#include <QPdfWriter>
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using tavelle::UsageError;

// A set is printed whole: beyond this it is no exam any more, and the PDF would run to thousands of pages.
constexpr std::uint64_t kMostExercises = 10'000;

struct Options {
    std::optional<std::string> file;  // "-" is standard input
    std::optional<std::uint64_t> randomCount;
    std::optional<std::uint64_t> seed;
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

// Walks the exercises on one record, as one run of the application, and keeps the record of each
// accepted one as its final screen left it; the refused ones are reported and left out.
class SetWalk {
public:
    explicit SetWalk(std::string separator) : m_separator(std::move(separator)) {}

    void walk(const tavelle::ExerciseInput& input)
    {
        ++m_number;
        const tavelle::WalkResult result = tavelle::walkExercise(input, m_record, m_separator);
        if (result.accepted) {
            m_accepted.push_back({m_number, m_record});
        } else {
            m_refusals.push_back(refusal(m_number, result));
        }
        if (m_number > kMostExercises)
            throw UsageError("a set holds at most " + std::to_string(kMostExercises) + " exercises");
    }

    const std::vector<tavelle::SheetExercise>& accepted() const { return m_accepted; }
    bool anyRefused() const { return !m_refusals.empty(); }

    // Once the sheets are written: when the set cannot be read or written, its one failure line is all
    // that is said.
    void reportRefusals() const
    {
        for (const std::string& line : m_refusals) std::fprintf(stderr, "tavelle-sheets: %s\n", line.c_str());
    }

private:
    std::string m_separator;
    tavelle::ExerciseRecord m_record;
    std::vector<tavelle::SheetExercise> m_accepted;
    std::vector<std::string> m_refusals;
    std::size_t m_number = 0;
};

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

// An output that is one of the inputs would be lost as it is written.
void refuseOutputOverInput(const Options& options)
{
    if (options.randomCount) return;
    const std::optional<tavelle::FileIdentity> output = tavelle::fileIdentity(options.output, STDOUT_FILENO);
    if (output && output == tavelle::fileIdentity(options.file.value_or("-"), STDIN_FILENO))
        throw tavelle::WriteError("cannot write " + outputName(options.output) +
                                  ": it is the file the exercises are read from; name another file for the sheets");
}

// The PDF goes to standard output, into a device or FIFO, or beside a regular file and renamed over it
// only when whole; the reason when it cannot be written.
std::optional<std::string> writeSheets(const Options& options, const SetWalk& set, const std::string& separator,
                                       std::optional<std::uint64_t> seed)
{
    const std::string failed = "cannot write " + outputName(options.output) + ": ";
    const tavelle::OutputPlace place = tavelle::outputPlace(options.output);
    std::unique_ptr<QFileDevice> file;
    bool opened = false;
    if (place == tavelle::OutputPlace::beside) {
        file = std::make_unique<QSaveFile>(QString::fromLocal8Bit(options.output.c_str()));
        opened = file->open(QIODevice::WriteOnly);
    } else if (place == tavelle::OutputPlace::into) {
        file = std::make_unique<QFile>(QString::fromLocal8Bit(options.output.c_str()));
        opened = file->open(QIODevice::WriteOnly);
    } else {
        auto out = std::make_unique<QFile>();
        opened = out->open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
        file = std::move(out);
    }
    if (!opened) return failed + file->errorString().toStdString();
    {
        QPdfWriter pdf(file.get());
        pdf.setResolution(96);
        pdf.setCreator(QStringLiteral("Tavelle"));
        pdf.setTitle(QStringLiteral("Tavelle"));
        const std::size_t parts = (options.trainee ? 1u : 0u) + (options.key ? 1u : 0u);
        tavelle::ExamSheets sheets(pdf, separator, seed, set.accepted().size() * parts);
        if (options.trainee)
            for (const auto& exercise : set.accepted()) sheets.addTraineePage(exercise);
        if (options.key)
            for (const auto& exercise : set.accepted()) sheets.addKeyPage(exercise);
        if (!sheets.finish()) return failed + file->errorString().toStdString();
    }
    auto* saveFile = qobject_cast<QSaveFile*>(file.get());
    if (saveFile != nullptr ? !saveFile->commit() : !file->flush() || file->error() != QFileDevice::NoError)
        return failed + file->errorString().toStdString();
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    std::optional<std::uint64_t> seed;
    const std::string separator = tavelle::systemDecimalSeparator();
    SetWalk set(separator);
    // Everything that can be refused is checked before the window system starts.
    const std::optional<int> ended = tavelle::runStage("tavelle-sheets", [&]() -> std::optional<int> {
        tavelle::ToolCommandLine commandLine(
            "tavelle-sheets", "usage: tavelle-sheets [FILE | - | --random N [--seed S]] -o OUT.pdf [--trainee | --key]\n",
            "Writes exam sheets as an A4 PDF: for each exercise a trainee page (the statement and the\n"
            "schematic, with room to work), then the answer key (portion AB and the final calculation).\n"
            "Reads the exercises of tavelle-solve from FILE or standard input (-), or draws the random set\n"
            "that tavelle-solve --random N --seed S draws. Refused exercises are reported and left out.");
        const QCommandLineOption random(QStringLiteral("random"), QStringLiteral("Draw N exercises."), QStringLiteral("N"));
        const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("The seed of the random set."),
                                            QStringLiteral("S"));
        const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                        QStringLiteral("The PDF file to write; - for standard output."),
                                        QStringLiteral("OUT.pdf"));
        const QCommandLineOption trainee(QStringLiteral("trainee"), QStringLiteral("Only the trainee pages."));
        const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("Only the answer pages."));
        commandLine.parser().addOptions({random, seedOption, output, trainee, key});
        commandLine.parser().addPositionalArgument(
            QStringLiteral("FILE"), QStringLiteral("Exercises as JSON; - for standard input."), QStringLiteral("[FILE]"));
        commandLine.parse(argc, argv);
        if (commandLine.wantsHelp() || commandLine.wantsVersion()) {
            tavelle::OutputFile out(stdout, "standard output");
            out.write(commandLine.wantsHelp() ? commandLine.helpText() : commandLine.versionText());
            out.close();
            return 0;
        }

        const std::vector<std::string> files = commandLine.positionalArguments();
        if (files.size() > 1) throw UsageError("only one FILE may be given");
        if (!files.empty()) options.file = files.front();
        if (commandLine.isSet(random)) options.randomCount = tavelle::wholeNumber("--random", commandLine.value(random));
        if (commandLine.isSet(seedOption)) options.seed = tavelle::wholeNumber("--seed", commandLine.value(seedOption));
        if (options.randomCount && options.file) throw UsageError("--random takes no FILE");
        if (options.seed && !options.randomCount) throw UsageError("--seed goes with --random");
        if (options.randomCount && *options.randomCount > kMostExercises)
            throw UsageError("--random takes at most " + std::to_string(kMostExercises) + " exercises");
        if (!commandLine.isSet(output) || commandLine.value(output).empty()) throw UsageError("missing -o OUT.pdf");
        options.output = commandLine.value(output);
        refuseOutputOverInput(options);
        if (commandLine.isSet(trainee) && commandLine.isSet(key)) throw UsageError("--trainee and --key exclude each other");
        options.trainee = !commandLine.isSet(key);
        options.key = !commandLine.isSet(trainee);

        if (options.randomCount) {
            // A set drawn without a seed names the one it was drawn with, so that it can be drawn again.
            seed = options.seed ? *options.seed : std::random_device{}();
            tavelle::RandomExercises draw(*seed);
            for (std::uint64_t i = 0; i < *options.randomCount; ++i) set.walk(draw.next());
        } else {
            readExercises(options, set);
        }
        return std::nullopt;
    });
    if (ended) return *ended;
    if (set.accepted().empty()) {
        set.reportRefusals();
        std::fprintf(stderr, "tavelle-sheets: no exercise to put on the sheets; %s is not written\n",
                     outputName(options.output).c_str());
        return set.anyRefused() ? 1 : 2;
    }

    // The sheets are drawn, never shown: no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtNotes);
    // The tool's own arguments are not Qt's: the application gets the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    tavelle::applyApplicationLook();
    if (const std::optional<std::string> failure = writeSheets(options, set, separator, seed)) {
        std::fprintf(stderr, "tavelle-sheets: %s\n", failure->c_str());
        return 2;
    }
    set.reportRefusals();
    return set.anyRefused() ? 1 : 0;
}
