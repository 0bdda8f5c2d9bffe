// tavelle-solve: the instructor's answer key. Walks exercises through the same entry rules and
// calculations as the application's screens and writes what each screen would show, one exercise
// at a time: each is read, walked and written before the next is read.
#include "core/screens/walkthrough.h"
#include "core/text/wording.h"
#include "format/exercise_reader.h"
#include "format/printable_text.h"
#include "format/random_exercises.h"
#include "platform/system_locale.h"
#include "tools/common/help_or_version.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_command_line.h"
#include "tools/common/tool_texts.h"
#include "tools/solve/answer_key.h"
#include "tools/solve/result_json.h"

#include <cstdio>
#include <optional>
#include <random>
#include <string>

namespace {

using tavelle::composed;
using tavelle::Language;
using tavelle::UsageError;
using tavelle::Wording;

constexpr std::uint64_t kMostRandomExercises = 10'000'000;

constexpr Wording kDescription{
    "Reads exercises as JSON from FILE, or from standard input when FILE is - or not given, and writes what every "
    "screen shows: JSON, or with --text a French answer key. With --random, writes N exercises that every entry "
    "rule accepts instead. Formats: answer_key_format.md in /usr/share/doc/tavelle (docs/ in the sources), beside "
    "the user guide and example exercises.\n"
    "tavelle-sheets makes printable A4 exam sheets of the same exercises.",
    "Lit des exercices en JSON dans FICHIER, ou sur l'entrée standard quand FICHIER est - ou absent, et écrit ce "
    "que montre chaque écran : en JSON, ou avec --text en corrigé rédigé en français. Avec --random, écrit à la "
    "place N exercices que toutes les règles de saisie acceptent. Formats : answer_key_format.md dans "
    "/usr/share/doc/tavelle (docs/ dans les sources), à côté du guide de l'utilisateur et des exercices "
    "d'exemple.\n"
    "tavelle-sheets fait des mêmes exercices des feuilles d'examen A4 à imprimer."};
constexpr Wording kFileForm{"[--text] [{file}]", "[--text] [{file}]"};
constexpr Wording kTextOption{"Write a French answer key instead of JSON.",
                              "Écrire un corrigé rédigé en français au lieu du JSON."};
constexpr Wording kRandomOption{"Write N random exercises.", "Écrire N exercices tirés au hasard."};
constexpr Wording kSeedOption{"Seed of --random (default: any).", "Graine de --random (par défaut : au hasard)."};
constexpr Wording kFileArgument{"Exercises as JSON; - for standard input.",
                                "Exercices en JSON ; - pour l'entrée standard."};
constexpr Wording kRandomAlone{"--random takes no {file} and no --text", "--random ne prend ni {file} ni --text"};

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

struct Options {
    bool text = false;
    std::optional<std::string> file;
    std::optional<std::uint64_t> randomCount;
    std::optional<std::uint64_t> seed;
};

Options readOptions(const tavelle::ToolCommandLine& commandLine, const QCommandLineOption& text,
                    const QCommandLineOption& random, const QCommandLineOption& seed)
{
    const Language language = commandLine.language();
    const std::string_view file = tavelle::kFilePlaceholder.in(language);
    Options options;
    options.text = commandLine.isSet(text);
    if (commandLine.isSet(random))
        options.randomCount = tavelle::wholeNumber("--random", commandLine.value(random), language);
    if (commandLine.isSet(seed)) options.seed = tavelle::wholeNumber("--seed", commandLine.value(seed), language);
    const std::vector<std::string> files = commandLine.positionalArguments();
    if (files.size() > 1) throw UsageError(composed(tavelle::kOnlyOneFile, language, {{"file", file}}));
    if (!files.empty()) options.file = files.front();

    if (options.randomCount && (options.text || options.file))
        throw UsageError(composed(kRandomAlone, language, {{"file", file}}));
    if (options.seed && !options.randomCount) throw UsageError(composed(tavelle::kSeedWithRandom, language));
    if (options.randomCount && *options.randomCount > kMostRandomExercises)
        throw UsageError(composed(tavelle::kMostRandom, language, {{"count", std::to_string(kMostRandomExercises)}}));
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
    const Language language = tavelle::userLanguage();
    const std::string_view file = tavelle::kFilePlaceholder.in(language);
    tavelle::ToolCommandLine commandLine(language, "tavelle-solve",
                                         {composed(kFileForm, language, {{"file", file}}), "--random N [--seed S]"},
                                         kDescription.in(language));
    const QCommandLineOption text(QStringLiteral("text"), qtText(kTextOption.in(language)));
    const QCommandLineOption random(QStringLiteral("random"), qtText(kRandomOption.in(language)), QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), qtText(kSeedOption.in(language)), QStringLiteral("S"));
    commandLine.parser().addOptions({text, random, seed});
    commandLine.parser().addPositionalArgument(qtText(file), qtText(kFileArgument.in(language)),
                                               qtText("[" + std::string(file) + "]"));
    commandLine.parse(argc, argv);
    if (const std::optional<int> answered = tavelle::answerHelpOrVersion(commandLine)) return *answered;

    tavelle::OutputFile output = tavelle::standardOutput(language);
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
