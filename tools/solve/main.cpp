// tavelle-solve: the instructor's answer key. Walks exercises through the same entry rules and
// calculations as the application's screens and writes what each screen would show.
#include "core/walkthrough.h"
#include "platform/system_locale.h"
#include "tools/solve/answer_key.h"
#include "tools/solve/exercise_json.h"
#include "tools/solve/random_exercises.h"
#include "tools/solve/result_json.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tavelle-solve [--text] [FILE]\n"
    "       tavelle-solve --random N [--seed S]\n"
    "Reads exercises as JSON from FILE or standard input and writes what every screen shows.\n";

struct Options {
    bool text = false;
    bool help = false;
    std::optional<std::string> file;
    std::optional<std::uint64_t> randomCount;
    std::optional<std::uint64_t> seed;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::uint64_t wholeNumber(const std::string& option, const std::string& value)
{
    std::uint64_t number = 0;
    const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || result.ec != std::errc() || result.ptr != value.data() + value.size())
        throw UsageError("option " + option + " takes a whole number, not \"" + value + "\"");
    return number;
}

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw UsageError("option " + argument + " needs a value");
            return argv[++i];
        };
        if (argument == "--text") options.text = true;
        else if (argument == "--help" || argument == "-h") options.help = true;
        else if (argument == "--random") options.randomCount = wholeNumber(argument, value());
        else if (argument == "--seed") options.seed = wholeNumber(argument, value());
        else if (argument.size() > 1 && argument[0] == '-') throw UsageError("unknown option \"" + argument + "\"");
        else if (options.file) throw UsageError("only one FILE may be given");
        else options.file = argument;
    }
    if (options.randomCount && (options.text || options.file))
        throw UsageError("--random takes no FILE and no --text");
    if (options.seed && !options.randomCount) throw UsageError("--seed goes with --random");
    if (options.randomCount && *options.randomCount > 10'000'000)
        throw UsageError("--random takes at most 10000000 exercises");
    return options;
}

std::string readInput(const std::optional<std::string>& file)
{
    if (!file) return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    std::ifstream stream(*file, std::ios::binary);
    if (!stream) throw tavelle::InputError("cannot read " + *file);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

int solve(const Options& options)
{
    const tavelle::ExerciseBatch batch = tavelle::parseExercises(readInput(options.file));
    const std::string separator = tavelle::systemDecimalSeparator();

    // One record for the whole batch, as for one run of the application.
    tavelle::ExerciseRecord record;
    bool anyRefused = false;
    std::string output;
    if (options.text) {
        for (std::size_t i = 0; i < batch.exercises.size(); ++i) {
            const tavelle::WalkResult walk = tavelle::walkExercise(batch.exercises[i], record, separator);
            anyRefused |= !walk.accepted;
            if (i > 0) output += "\n\n";
            output += tavelle::answerKey(walk, i + 1);
        }
    } else {
        tavelle::JsonWriter out;
        if (batch.isArray) out.beginArray();
        for (const auto& exercise : batch.exercises) {
            const tavelle::WalkResult walk = tavelle::walkExercise(exercise, record, separator);
            anyRefused |= !walk.accepted;
            if (batch.isArray) out.nextLine();
            tavelle::writeWalkResult(out, walk, record);
        }
        if (batch.isArray) {
            out.newline();
            out.endArray();
        }
        out.newline();
        output = std::move(out.text());
    }
    std::fwrite(output.data(), 1, output.size(), stdout);
    return anyRefused ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const Options options = parseOptions(argc, argv);
        if (options.help) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (options.randomCount) {
            const std::uint64_t seed = options.seed ? *options.seed : std::random_device{}();
            const std::string json = tavelle::exercisesJson(tavelle::randomExercises(*options.randomCount, seed));
            std::fwrite(json.data(), 1, json.size(), stdout);
            return 0;
        }
        return solve(options);
    } catch (const UsageError& error) {
        std::cerr << "tavelle-solve: " << error.what() << "; run tavelle-solve --help for usage\n";
    } catch (const tavelle::InputError& error) {
        std::cerr << "tavelle-solve: " << error.what() << '\n';
    }
    return 2;
}
