// tavelle-solve: the instructor's answer key. Walks exercises through the same entry rules and
// calculations as the application's screens and writes what each screen would show, one exercise
// at a time: each is read, walked and written before the next is read.
#include "core/screens/walkthrough.h"
#include "format/exercise_reader.h"
#include "format/printable_text.h"
#include "format/random_exercises.h"
#include "platform/system_locale.h"
#include "tools/common/help_or_version.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_command_line.h"
#include "tools/solve/answer_key.h"
#include "tools/solve/result_json.h"

#include <cstdio>
#include <optional>
#include <random>
#include <string>

namespace {

using tavelle::UsageError;

constexpr std::uint64_t kMostRandomExercises = 10'000'000;

struct Options {
    bool text = false;
    std::optional<std::string> file;
    std::optional<std::uint64_t> randomCount;
    std::optional<std::uint64_t> seed;
};

Options readOptions(const tavelle::ToolCommandLine& commandLine, const QCommandLineOption& text,
                    const QCommandLineOption& random, const QCommandLineOption& seed)
{
    Options options;
    options.text = commandLine.isSet(text);
    if (commandLine.isSet(random)) options.randomCount = tavelle::wholeNumber("--random", commandLine.value(random));
    if (commandLine.isSet(seed)) options.seed = tavelle::wholeNumber("--seed", commandLine.value(seed));
    const std::vector<std::string> files = commandLine.positionalArguments();
    if (files.size() > 1) throw UsageError("only one FILE may be given");
    if (!files.empty()) options.file = files.front();

    if (options.randomCount && (options.text || options.file)) throw UsageError("--random takes no FILE and no --text");
    if (options.seed && !options.randomCount) throw UsageError("--seed goes with --random");
    if (options.randomCount && *options.randomCount > kMostRandomExercises)
        throw UsageError("--random takes at most " + std::to_string(kMostRandomExercises) + " exercises");
    return options;
}

void writeRandom(std::uint64_t count, std::uint64_t seed, tavelle::OutputFile& output)
{
    tavelle::RandomExercises draw(seed);
    tavelle::JsonWriter json;
    json.beginArray();
    for (std::uint64_t i = 0; i < count; ++i) {
        json.nextLine();
        tavelle::writeExercise(json, draw.next());
        output.write(json.text());
        json.text().clear();
    }
    json.newline();
    json.endArray();
    json.newline();
    output.write(json.text());
}

// Returns the exit status: 0 when every exercise was accepted, 1 when one was refused.
int solve(tavelle::ExerciseReader& reader, bool text, tavelle::OutputFile& output)
{
    reader.beforeWaiting([&output] { output.flush(); });
    const bool isArray = reader.readStart();
    const std::string separator = tavelle::systemDecimalSeparator();

    // One record for the whole input, as for one run of the application.
    tavelle::ExerciseRecord record;
    bool anyRefused = false;
    std::size_t number = 0;
    tavelle::JsonWriter json;
    std::string answer;
    tavelle::WalkResult walk;
    if (!text && isArray) json.beginArray();
    while (const std::optional<tavelle::ExerciseInput> exercise = reader.next()) {
        tavelle::walkExercise(*exercise, record, separator, walk);
        anyRefused |= !walk.accepted;
        ++number;
        if (text) {
            answer = number > 1 ? "\n\n" : "";
            answer += tavelle::answerKey(walk, number, record, separator);
            output.write(answer);
        } else {
            if (isArray) json.nextLine();
            tavelle::writeWalkResult(json, walk, record);
            output.write(json.text());
            json.text().clear();
        }
    }
    if (!text) {
        if (isArray) {
            json.newline();
            json.endArray();
        }
        json.newline();
        output.write(json.text());
    }
    return anyRefused ? 1 : 0;
}

int run(int argc, char** argv)
{
    tavelle::ToolCommandLine commandLine(
        "tavelle-solve",
        "Usage: tavelle-solve [--text] [FILE]\n"
        "       tavelle-solve --random N [--seed S]\n",
        "Reads exercises as JSON from FILE, or from standard input when FILE is - or not given, and\n"
        "writes what every screen shows: JSON, or with --text a French answer key. With --random,\n"
        "writes N exercises that every entry rule accepts instead. Formats: answer_key_format.md in\n"
        "/usr/share/doc/tavelle (docs/ in the sources), beside the user guide and example exercises.\n"
        "tavelle-sheets makes printable A4 exam sheets of the same exercises.");
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("Write a French answer key instead of JSON."));
    const QCommandLineOption random(QStringLiteral("random"), QStringLiteral("Write N random exercises."),
                                    QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of --random (default: any)."),
                                  QStringLiteral("S"));
    commandLine.parser().addOptions({text, random, seed});
    commandLine.parser().addPositionalArgument(
        QStringLiteral("FILE"), QStringLiteral("Exercises as JSON; - for standard input."), QStringLiteral("[FILE]"));
    commandLine.parse(argc, argv);
    if (const std::optional<int> answered = tavelle::answerHelpOrVersion(commandLine)) return *answered;

    tavelle::OutputFile output(stdout, "standard output");
    const Options options = readOptions(commandLine, text, random, seed);
    if (options.randomCount) {
        writeRandom(*options.randomCount, options.seed ? *options.seed : std::random_device{}(), output);
        output.close();
        return 0;
    }

    tavelle::ExerciseFile input(options.file.value_or("-"));
    const int status = solve(input.reader(), options.text, output);
    output.close();
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    return *tavelle::runStage("tavelle-solve", [&]() -> std::optional<int> { return run(argc, argv); });
}
