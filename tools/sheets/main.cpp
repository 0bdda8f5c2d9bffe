// tavelle-sheets: exam sheets for instructors. Walks exercises through the application's entry rules
// and writes an A4 PDF: for each accepted exercise a trainee page (statement and schematic) and an
// answer page (portion AB and the final calculation), drawn by the application's own screens.
#include "core/walkthrough.h"
#include "shell/application_look.h"
#include "shell/system_locale.h"
#include "tools/sheets/exam_sheets.h"
#include "tools/solve/exercise_json.h"
#include "tools/solve/random_exercises.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPdfWriter>
#include <QSaveFile>

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

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::optional<std::string> file;  // "-" is standard input
    std::optional<std::uint64_t> randomCount;
    std::optional<std::uint64_t> seed;
    std::string output;
    bool trainee = true;
    bool key = true;
};

std::uint64_t wholeNumber(const QString& option, const QString& value)
{
    const std::string text = value.toStdString();
    std::uint64_t number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw UsageError("option --" + option.toStdString() + " takes a whole number, not \"" + text + "\"");
    return number;
}

Options parseOptions(QCommandLineParser& parser, const QStringList& arguments)
{
    const QCommandLineOption random(QStringLiteral("random"), QStringLiteral("Draw N exercises, as tavelle-solve --random does."),
                                    QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("The seed of the random set."), QStringLiteral("S"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The PDF file to write."), QStringLiteral("OUT.pdf"));
    const QCommandLineOption trainee(QStringLiteral("trainee"), QStringLiteral("Only the trainee pages."));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("Only the answer pages."));
    parser.setApplicationDescription(QStringLiteral(
        "Writes exam sheets as an A4 PDF: for each exercise a trainee page (statement and schematic),\n"
        "then the answer key (portion AB and the final calculation). Reads the exercises of\n"
        "tavelle-solve from FILE or standard input (-), or draws a random set."));
    parser.addOptions({random, seed, output, trainee, key});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Exercises as JSON; - for standard input."),
                                 QStringLiteral("[FILE | - | --random N [--seed S]]"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) throw UsageError(parser.errorText().toStdString());
    if (parser.isSet(help) || parser.isSet(version)) return {};

    Options options;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) throw UsageError("only one FILE may be given");
    if (!positional.isEmpty()) options.file = positional.front().toStdString();
    if (parser.isSet(random)) options.randomCount = wholeNumber(random.names().front(), parser.value(random));
    if (parser.isSet(seed)) options.seed = wholeNumber(seed.names().front(), parser.value(seed));
    if (options.randomCount && options.file) throw UsageError("--random takes no FILE");
    if (options.seed && !options.randomCount) throw UsageError("--seed goes with --random");
    if (options.randomCount && *options.randomCount > 100'000)
        throw UsageError("--random takes at most 100000 exercises for sheets");
    if (!parser.isSet(output) || parser.value(output).isEmpty()) throw UsageError("missing -o OUT.pdf");
    options.output = parser.value(output).toStdString();
    if (parser.isSet(trainee) && parser.isSet(key)) throw UsageError("--trainee and --key exclude each other");
    options.trainee = !parser.isSet(key);
    options.key = !parser.isSet(trainee);
    return options;
}

std::string readInput(const std::optional<std::string>& file)
{
    if (!file || *file == "-") return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    std::ifstream stream(*file, std::ios::binary);
    if (!stream) throw tavelle::InputError("cannot read " + *file);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

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

// Qt's notes about the off-screen platform (a missing runtime folder and the like) are not the
// instructor's business: only this tool's own lines go to the error output.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg) std::fprintf(stderr, "tavelle-sheets: %s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<tavelle::SheetExercise> accepted;
    Options options;
    std::optional<std::uint64_t> seed;
    std::string separator;
    bool anyRefused = false;
    // Everything that can be refused is checked before the window system starts.
    try {
        QCommandLineParser parser;
        QStringList arguments;
        for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
        options = parseOptions(parser, arguments);
        if (parser.isSet(QStringLiteral("help"))) {
            std::fputs(qPrintable(parser.helpText()), stdout);
            return 0;
        }
        if (parser.isSet(QStringLiteral("version"))) {
            std::printf("tavelle-sheets %d.%d.%d\n", tavelle::versionMajor, tavelle::versionMinor, tavelle::versionRevision);
            return 0;
        }

        std::vector<tavelle::ExerciseInput> exercises;
        if (options.randomCount) {
            seed = options.seed ? *options.seed : std::random_device{}();
            exercises = tavelle::randomExercises(*options.randomCount, *seed);
        } else {
            exercises = tavelle::parseExercises(readInput(options.file)).exercises;
        }

        separator = tavelle::systemDecimalSeparator();
        // One record for the whole set, as for one run of the application.
        tavelle::ExerciseRecord record;
        for (std::size_t i = 0; i < exercises.size(); ++i) {
            const tavelle::WalkResult walk = tavelle::walkExercise(exercises[i], record, separator);
            if (walk.accepted) {
                accepted.push_back({i + 1, record});
            } else {
                anyRefused = true;
                std::cerr << "tavelle-sheets: " << refusal(i + 1, walk) << '\n';
            }
        }
    } catch (const UsageError& error) {
        std::cerr << "tavelle-sheets: " << error.what() << "; run tavelle-sheets --help for usage\n";
        return 2;
    } catch (const tavelle::InputError& error) {
        std::cerr << "tavelle-sheets: " << error.what() << '\n';
        return 2;
    }
    if (accepted.empty()) {
        std::cerr << "tavelle-sheets: no exercise to put on the sheets; " << options.output << " is not written\n";
        return anyRefused ? 1 : 2;
    }

    // The sheets are drawn, never shown: no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtNotes);
    // The tool's own arguments are not Qt's: the application gets the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    tavelle::applyApplicationLook();
    // Written beside the destination and renamed over it only when whole.
    QSaveFile file(QString::fromStdString(options.output));
    if (!file.open(QIODevice::WriteOnly)) {
        std::cerr << "tavelle-sheets: cannot write " << options.output << ": " << file.errorString().toStdString() << '\n';
        return 2;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(96);
        pdf.setCreator(QStringLiteral("Tavelle"));
        pdf.setTitle(QStringLiteral("Tavelle"));
        const std::size_t pages = accepted.size() * ((options.trainee ? 1 : 0) + (options.key ? 1 : 0));
        tavelle::ExamSheets sheets(pdf, separator, seed, pages);
        if (options.trainee)
            for (const auto& exercise : accepted) sheets.addTraineePage(exercise);
        if (options.key)
            for (const auto& exercise : accepted) sheets.addKeyPage(exercise);
        sheets.finish();
    }
    if (!file.commit()) {
        std::cerr << "tavelle-sheets: cannot write " << options.output << ": " << file.errorString().toStdString() << '\n';
        return 2;
    }
    return anyRefused ? 1 : 0;
}
