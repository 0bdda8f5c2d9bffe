// tavelle-snapshots: pictures every screen of the application, as it shows after a walk through
// an exercise, one PNG file per screen. Needs no display: it renders off screen by default.
#include "core/screens/screen_id.h"
#include "core/screens/screen_load.h"
#include "core/screens/walkthrough.h"
#include "format/exercise_reader.h"
#include "format/printable_text.h"
#include "platform/system_locale.h"
#include "screens/application_look.h"
#include "screens/screen_factory.h"
#include "screens/silent_host.h"
#include "tools/common/help_or_version.h"
#include "tools/common/tool_command_line.h"
#include "tools/snapshots/built_in_exercise.h"
#include "tools/snapshots/practice_pictures.h"
#include "tools/snapshots/window_picture.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using tavelle::UsageError;

// Walks every exercise on one record as it is read, as one run of the application would: an
// exercise refused on the way is part of the run, as when the trainee starts again. Returns an
// explanation when the last one is refused, since the screens would then show no finished exercise.
std::optional<std::string> walk(tavelle::ExerciseReader& reader, tavelle::ExerciseRecord& record,
                                const std::string& separator)
{
    tavelle::WalkResult result;
    std::size_t count = 0;
    while (const std::optional<tavelle::ExerciseInput> exercise = reader.next()) {
        result = tavelle::walkExercise(*exercise, record, separator);
        ++count;
    }
    if (count == 0) throw tavelle::InputError("the file holds no exercise");
    if (result.accepted) return std::nullopt;

    std::string reason = "exercise " + std::to_string(count) + " is refused by screen " +
                         std::string(tavelle::screenName(*result.refusedAt));
    for (const auto& message : result.messages) {
        if (message.screen == *result.refusedAt) {
            reason += ": " + message.text;
            break;
        }
    }
    return reason;
}

// Pictures each screen as it shows when opened on the record; returns the number of failures.
int pictureScreens(tavelle::ExerciseRecord& record, const std::string& separator, const QDir& directory)
{
    tavelle::SilentHost host;
    int failures = 0;
    for (const tavelle::ScreenId id : tavelle::allScreens) {
        std::unique_ptr<tavelle::ScreenWindow> screen = tavelle::createScreen(id, host);
        screen->showLoad(tavelle::loadScreen(id, record, separator));
        if (!tavelle::savePicture(*screen, directory)) ++failures;
    }
    return failures;
}

}  // namespace

int main(int argc, char** argv)
{
    // Everything that can be refused is checked before the window system starts, so that a
    // refusal is the only line on the error output.
    tavelle::ExerciseRecord record;
    std::string separator;
    QDir directory;
    std::string platform;
    bool practice = false;
    const std::optional<int> ended = tavelle::runStage(
        "tavelle-snapshots",
        [&]() -> std::optional<int> {
            // A developer's tool, not installed: its words are English under any settings.
            tavelle::ToolCommandLine commandLine(
                tavelle::Language::english, "tavelle-snapshots", {"[-platform NAME] [--practice] OUTDIR [FILE]"},
                "Walks the exercise in FILE (tavelle-solve's JSON input; - for standard input; a built-in\n"
                "three-nozzle exercise when FILE is not given) and writes a picture of each of the eleven\n"
                "screens to OUTDIR/<screen>.png. An array of exercises is walked as one run; the pictures show\n"
                "the last exercise, which must be accepted by the entry screens. Renders off screen unless\n"
                "-platform NAME or QT_QPA_PLATFORM names another platform. With --practice, pictures the\n"
                "practice windows instead: both questions marked and the summary.");
            // Qt's own spelling, -platform, as well as --platform.
            commandLine.parser().setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
            const QCommandLineOption platformOption(QStringLiteral("platform"),
                                                    QStringLiteral("The Qt platform plugin to render with."),
                                                    QStringLiteral("NAME"));
            commandLine.parser().addOption(platformOption);
            const QCommandLineOption practiceOption(QStringLiteral("practice"),
                                                    QStringLiteral("Picture the practice windows instead."));
            commandLine.parser().addOption(practiceOption);
            commandLine.parser().addPositionalArgument(QStringLiteral("OUTDIR"),
                                                       QStringLiteral("Folder of the pictures, made if missing."));
            commandLine.parser().addPositionalArgument(QStringLiteral("FILE"),
                                                       QStringLiteral("Exercises as JSON; - for standard input."),
                                                       QStringLiteral("[FILE]"));
            commandLine.parse(argc, argv);
            if (const std::optional<int> answered = tavelle::answerHelpOrVersion(commandLine)) return answered;
            if (commandLine.isSet(platformOption)) platform = commandLine.value(platformOption);
            practice = commandLine.isSet(practiceOption);
            const std::vector<std::string> arguments = commandLine.positionalArguments();
            if (arguments.empty()) throw UsageError("missing OUTDIR");
            if (arguments.size() > 2) throw UsageError("too many arguments: give OUTDIR and at most one FILE");

            std::optional<tavelle::ExerciseReader> builtIn;
            std::optional<tavelle::ExerciseFile> file;
            if (arguments.size() == 1)
                builtIn.emplace(tavelle::builtInExercise);
            else
                file.emplace(arguments[1]);
            separator = tavelle::systemDecimalSeparator();
            const std::optional<std::string> refusal = walk(builtIn ? *builtIn : file->reader(), record, separator);

            directory.setPath(QString::fromLocal8Bit(arguments[0].c_str()));
            if (!directory.mkpath(QStringLiteral(".")))
                throw UsageError("cannot create the directory " +
                                 tavelle::printableText(arguments[0], tavelle::kLongestPathShown));
            if (refusal) {
                std::fprintf(stderr, "tavelle-snapshots: %s\n", refusal->c_str());
                return 1;
            }
            return std::nullopt;
        },
        tavelle::Language::english);
    if (ended) return *ended;

    // Pictures need no screen: render off screen unless a platform is asked for.
    if (!platform.empty())
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    else if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool's own arguments are not Qt's: the application gets the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    tavelle::applyApplicationLook();
    const int failures = practice ? tavelle::picturePracticeWindows(record, separator, directory)
                                  : pictureScreens(record, separator, directory);
    return failures == 0 ? 0 : 1;
}
