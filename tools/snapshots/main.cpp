// tavelle-snapshots: pictures every screen of the application, as it shows after a walk through
// an exercise, one PNG file per screen. Needs no display: it renders off screen by default.
#include "core/screen_id.h"
#include "core/screen_load.h"
#include "core/walkthrough.h"
#include "screens/screen_factory.h"
#include "shell/application_look.h"
#include "platform/system_locale.h"
#include "tools/snapshots/built_in_exercise.h"
#include "tools/snapshots/silent_host.h"
#include "tools/snapshots/window_picture.h"
#include "tools/solve/exercise_json.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tavelle-snapshots OUTDIR [FILE]\n"
    "Walks the exercise in FILE (tavelle-solve's JSON input; a built-in three-nozzle exercise when\n"
    "FILE is not given) and writes a picture of each of the eleven screens to OUTDIR/<screen>.png.\n"
    "An array of exercises is walked as one run; the pictures show the last exercise, which must be\n"
    "accepted by the entry screens.\n"
    "Renders off screen unless -platform NAME or QT_QPA_PLATFORM names another platform.\n";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    bool help = false;
    std::string outputDirectory;
    std::optional<std::string> file;
    std::optional<std::string> platform;
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "-platform" || argument == "--platform") {
            if (i + 1 >= argc) throw UsageError("option " + argument + " needs a value");
            options.platform = argv[++i];
        } else if (argument.size() > 1 && argument[0] == '-') {
            throw UsageError("unknown option \"" + argument + "\"");
        } else {
            positional.push_back(argument);
        }
    }
    if (options.help) return options;
    if (positional.empty()) throw UsageError("missing OUTDIR");
    if (positional.size() > 2) throw UsageError("too many arguments: give OUTDIR and at most one FILE");
    options.outputDirectory = positional[0];
    if (positional.size() == 2) options.file = positional[1];
    return options;
}

std::string readFile(const std::string& path)
{
    std::ifstream stream(path, std::ios::binary);
    if (!stream) throw tavelle::InputError("cannot read " + path);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

// Walks every exercise on one record, as one run of the application would: an exercise refused on
// the way is part of the run, as when the trainee starts again. Returns an explanation when the
// last one is refused, since the screens would then show no finished exercise.
std::optional<std::string> walk(const tavelle::ExerciseBatch& batch, tavelle::ExerciseRecord& record,
                                const std::string& separator)
{
    tavelle::WalkResult result;
    for (const tavelle::ExerciseInput& exercise : batch.exercises)
        result = tavelle::walkExercise(exercise, record, separator);
    if (result.accepted) return std::nullopt;

    std::string reason = "exercise " + std::to_string(batch.exercises.size()) + " is refused by screen " +
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
        screen->show();
        const QString name = QString::fromUtf8(tavelle::screenName(id).data(),
                                               static_cast<qsizetype>(tavelle::screenName(id).size()));
        const QString path = directory.filePath(name + QStringLiteral(".png"));
        if (!tavelle::windowPicture(*screen).save(path, "PNG")) {
            std::cerr << "tavelle-snapshots: cannot write " << path.toStdString() << '\n';
            ++failures;
        }
        screen->closeForNavigation();
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
    std::optional<std::string> platform;
    try {
        const Options options = parseOptions(argc, argv);
        if (options.help) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        platform = options.platform;
        const tavelle::ExerciseBatch batch =
            tavelle::parseExercises(options.file ? readFile(*options.file) : std::string(tavelle::builtInExercise));
        if (batch.exercises.empty()) throw tavelle::InputError("the file holds no exercise");

        directory.setPath(QString::fromStdString(options.outputDirectory));
        if (!directory.mkpath(QStringLiteral(".")))
            throw UsageError("cannot create the directory " + options.outputDirectory);

        separator = tavelle::systemDecimalSeparator();
        if (const auto refusal = walk(batch, record, separator)) {
            std::cerr << "tavelle-snapshots: " << *refusal << '\n';
            return 1;
        }
    } catch (const UsageError& error) {
        std::cerr << "tavelle-snapshots: " << error.what() << "; run tavelle-snapshots --help for usage\n";
        return 2;
    } catch (const tavelle::InputError& error) {
        std::cerr << "tavelle-snapshots: " << error.what() << '\n';
        return 2;
    }

    // Pictures need no screen: render off screen unless a platform is asked for.
    if (platform) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
    else if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool's own arguments are not Qt's: the application gets the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    tavelle::applyApplicationLook();
    return pictureScreens(record, separator, directory) == 0 ? 0 : 1;
}
