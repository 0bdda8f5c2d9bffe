// tavelle-sheets: exam sheets for instructors. Walks exercises through the application's entry rules
// and writes an A4 PDF: for each accepted exercise a trainee page (statement and schematic), then an
// answer page (portion AB and the final calculation), drawn by the application's own screens.
#include "core/papers/sheet_texts.h"
#include "core/screens/walkthrough.h"
#include "core/text/system_reason.h"
#include "core/text/wording.h"
#include "format/exercise_reader.h"
#include "format/printable_text.h"
#include "format/random_exercises.h"
#include "platform/kept_file.h"
#include "platform/system_locale.h"
#include "screens/application_look.h"
#include "tools/common/help_or_version.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_command_line.h"
#include "tools/common/tool_texts.h"
#include "tools/sheets/class_list.h"
#include "tools/sheets/class_report_command.h"
#include "tools/sheets/exam_sheets.h"
#include "tools/sheets/reproducible_output.h"
#include "tools/sheets/set_code.h"

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

using tavelle::composed;
using tavelle::Language;
using tavelle::mostExercisesInASet;
using tavelle::UsageError;
using tavelle::Wording;

constexpr const char* kProgram = "tavelle-sheets";

constexpr Wording kDescription{
    "Writes exam sheets as an A4 PDF: for each exercise one or two trainee pages (the statement, the schematic "
    "without the values to find, numbered questions and ruled room for the model answer and a quarter more), then "
    "the answer key (a table of the set's answers to the hundredth of a bar, then portion AB and the final "
    "calculation of each exercise).\n"
    "Reads the exercises of tavelle-solve from FILE or standard input (-), or draws the random set that "
    "tavelle-solve --random N --seed S draws; the trainee pages carry its code for --code. Refused exercises are "
    "reported and left out.\n"
    "--class FILE: one trainee a line, UTF-8. \"Nom, Prénom\" splits at the comma; otherwise the words in capitals "
    "at the start or end of the line are the Nom (\"DUPONT Jean-Marc\"), the others the Prénom; a line that does "
    "not tell them apart goes whole into Nom.",
    "Écrit des feuilles d'examen en PDF A4 : pour chaque exercice une ou deux pages du stagiaire (l'énoncé, le "
    "schéma sans les valeurs à trouver, des questions numérotées et de la place réglée pour la réponse modèle et un "
    "quart en plus), puis le corrigé (un tableau des réponses de la série au centième de bar, puis la portion AB et "
    "le calcul final de chaque exercice).\n"
    "Lit les exercices de tavelle-solve dans FICHIER ou sur l'entrée standard (-), ou tire la série que tire "
    "tavelle-solve --random N --seed S ; les pages des stagiaires portent son code pour --code. Les exercices "
    "refusés sont signalés et laissés de côté.\n"
    "--class FICHIER : un stagiaire par ligne, en UTF-8. « Nom, Prénom » se coupe à la virgule ; sinon les mots "
    "en capitales au début ou à la fin de la ligne sont le Nom (« DUPONT Jean-Marc »), les autres le Prénom ; une "
    "ligne qui ne les distingue pas va entière dans Nom."};
constexpr Wording kSheetsForm{"[{file} | - | --random N [--seed S] | --code CODE | --class {file} [--seed S]] -o "
                              "{output} [--trainee | --key]",
                              "[{file} | - | --random N [--seed S] | --code CODE | --class {file} [--seed S]] -o "
                              "{output} [--trainee | --key]"};
constexpr Wording kRandomOption{"Draw N exercises.", "Tirer N exercices."};
constexpr Wording kSeedOption{"The seed of the random set.", "La graine de la série tirée."};
constexpr Wording kOutputOption{"The PDF file to write; - for standard output.",
                                "Le fichier PDF à écrire ; - pour la sortie standard."};
constexpr Wording kCodeOption{"The set code printed on the trainee pages: the same set.",
                              "Le code de la série imprimé sur les pages des stagiaires : la même série."};
constexpr Wording kClassOption{"One trainee a line: one exercise each, named.",
                               "Un stagiaire par ligne : un exercice chacun, à son nom."};
constexpr Wording kTraineeOption{"Only the trainee pages.", "Seulement les pages des stagiaires."};
constexpr Wording kKeyOption{"Only the answer pages.", "Seulement les pages du corrigé."};
constexpr Wording kFileArgument{"Exercises as JSON; - for standard input.",
                                "Exercices en JSON ; - pour l'entrée standard."};

constexpr Wording kRefused{"exercise {number} is refused on {screen}, left out: {messages}",
                           "l'exercice {number} est refusé sur {screen}, il est laissé de côté : {messages}"};
constexpr Wording kSetTooLong{"a set holds at most {count} exercises", "une série compte au plus {count} exercices"};
constexpr Wording kIsTheExercises{
    "it is the file the exercises are read from; name another file for the sheets",
    "c'est le fichier d'où les exercices sont lus ; nommez un autre fichier pour les feuilles"};
constexpr Wording kIsTheClass{"it is the class list; name another file for the sheets",
                              "c'est la liste de la classe ; nommez un autre fichier pour les feuilles"};
constexpr Wording kBadEpoch{"SOURCE_DATE_EPOCH is not a whole number of seconds: \"{value}\"",
                            "SOURCE_DATE_EPOCH n'est pas un nombre entier de secondes : \"{value}\""};
constexpr Wording kWaiting{"waiting for a reader of {file}", "en attente d'un lecteur de {file}"};
constexpr Wording kCodeAlone{"--code stands for --random and --seed", "--code tient lieu de --random et de --seed"};
constexpr Wording kCodeForm{"--code takes the code printed on the trainee pages, such as 7-12",
                            "--code attend le code imprimé sur les pages des stagiaires, comme 7-12"};
constexpr Wording kClassAlone{"--class draws the exercises: it takes no {file}",
                              "--class tire les exercices : elle ne prend pas de {file}"};
constexpr Wording kClassCount{"--class names {trainees} trainees, the set holds {count}",
                              "--class nomme {trainees} stagiaires, la série en compte {count}"};
constexpr Wording kRandomNoFile{"--random takes no {file}", "--random ne prend pas de {file}"};
constexpr Wording kPartsExclude{"--trainee and --key exclude each other", "--trainee et --key s'excluent"};
constexpr Wording kNothingToWrite{"no exercise to put on the sheets; {file} is not written",
                                  "aucun exercice à mettre sur les feuilles ; {file} n'est pas écrit"};

void say(const std::string& line)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, line.c_str());
}

struct Options {
    std::optional<std::string> file;  // "-" is standard input
    std::optional<std::uint64_t> randomCount;
    std::optional<std::uint64_t> seed;
    std::optional<std::string> classFile;
    std::string output;
    bool trainee = true;
    bool key = true;
};

std::string refusal(std::size_t number, const tavelle::WalkResult& walk, Language language)
{
    std::string messages;
    for (const auto& message : walk.messages) {
        if (!messages.empty()) messages += " / ";
        messages += message.text;
    }
    return composed(
        kRefused, language,
        {{"number", std::to_string(number)}, {"screen", tavelle::screenName(*walk.refusedAt)}, {"messages", messages}});
}

// Walks the exercises on one record, as one run of the application; the refused ones are reported and
// left out. A set read from a file keeps the record of each accepted one as its final screen left it; a set
// drawn at random keeps nothing but its seed and is walked again for each part, so that memory does not
// grow with the set.
class SetWalk {
public:
    SetWalk(std::string separator, Language language)
        : m_separator(std::move(separator))
        , m_language(language)
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
            m_refusals.push_back(refusal(m_number, result, m_language));
        }
        if (m_number > mostExercisesInASet)
            throw UsageError(composed(kSetTooLong, m_language, {{"count", std::to_string(mostExercisesInASet)}}));
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
        for (const std::string& line : m_refusals) say(line);
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
    Language m_language;
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
    say(line);
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
    if (type == QtFatalMsg || type == QtCriticalMsg) say(message.toStdString());
}

std::string outputName(const std::string& path, Language language)
{
    return path == "-" ? std::string(tavelle::kStandardOutput.in(language))
                       : tavelle::printableText(path, tavelle::kLongestPathShown);
}

std::string cannotWrite(const std::string& path, std::string_view reason, Language language)
{
    return composed(tavelle::kCannotWrite, language, {{"file", outputName(path, language)}, {"reason", reason}});
}

// An output that is one of the inputs, under any name, would be lost as it is written: the exercises'
// file (standard input when no set is drawn) and the class list.
void refuseOutputOverInput(const Options& options, Language language)
{
    const std::optional<tavelle::FileIdentity> output = tavelle::fileIdentity(options.output, STDOUT_FILENO);
    if (!output) return;
    if (!options.randomCount && output == tavelle::fileIdentity(options.file.value_or("-"), STDIN_FILENO))
        throw tavelle::WriteError(cannotWrite(options.output, kIsTheExercises.in(language), language));
    if (options.classFile && output == tavelle::fileIdentity(*options.classFile, -1))
        throw tavelle::WriteError(cannotWrite(options.output, kIsTheClass.in(language), language));
}

// The reproducible-builds convention: a stamp that is not a whole number of seconds is refused, not ignored.
void refuseBadSourceDateEpoch(Language language)
{
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == '\0') return;
    const std::string_view text(epoch);
    if (text.size() > 18 || text.find_first_not_of("0123456789") != std::string_view::npos)
        throw UsageError(composed(kBadEpoch, language, {{"value", tavelle::printableText(text)}}));
}

// Opening a FIFO waits for its reader: said once, after a second, so that a silent wait is not taken for a hang.
class WaitNote {
public:
    explicit WaitNote(std::string line)
        : m_thread([this, line = std::move(line)] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, std::chrono::seconds(1), [this] { return m_finished; })) say(line);
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
                                       std::optional<std::uint64_t> seed, Language language)
{
    std::optional<std::string> code;
    if (seed) code = tavelle::setCodeText({*seed, std::size_t(*options.randomCount)});
    const auto failed = [&](int systemError) {
        return cannotWrite(options.output, tavelle::systemReason(systemError, language), language);
    };
    tavelle::KeptFile file(QString::fromLocal8Bit(options.output.c_str()));
    bool opened = false;
    std::error_code unknown;
    if (options.output != "-" && std::filesystem::is_fifo(options.output, unknown)) {
        const WaitNote note(composed(kWaiting, language, {{"file", outputName(options.output, language)}}));
        opened = file.open();
    } else {
        opened = file.open();
    }
    if (!opened) return failed(file.systemError());
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
        if (!sheets.finish() || !output.flushTarget())
            return failed(output.systemError() != 0 ? output.systemError() : EIO);
    }
    if (!file.commit()) return failed(file.systemError());
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    if (tavelle::asksForClassReport(argc, argv)) return tavelle::runClassReport(argc, argv);
    const Language language = tavelle::userLanguage();
    Options options;
    std::optional<std::uint64_t> seed;
    const std::string separator = tavelle::systemDecimalSeparator();
    SetWalk set(separator, language);
    // Everything that can be refused is checked before the window system starts.
    const std::optional<int> ended = tavelle::runStage(
        kProgram,
        [&]() -> std::optional<int> {
            const std::string_view file = tavelle::kFilePlaceholder.in(language);
            const std::string_view pdf = tavelle::kPdfPlaceholder.in(language);
            tavelle::ToolCommandLine commandLine(language, kProgram,
                                                 {composed(kSheetsForm, language, {{"file", file}, {"output", pdf}}),
                                                  tavelle::classReportForm(language)},
                                                 kDescription.in(language));
            const QCommandLineOption random(QStringLiteral("random"), tavelle::qtText(kRandomOption.in(language)),
                                            QStringLiteral("N"));
            const QCommandLineOption seedOption(QStringLiteral("seed"), tavelle::qtText(kSeedOption.in(language)),
                                                QStringLiteral("S"));
            const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                            tavelle::qtText(kOutputOption.in(language)), tavelle::qtText(pdf));
            const QCommandLineOption codeOption(QStringLiteral("code"), tavelle::qtText(kCodeOption.in(language)),
                                                QStringLiteral("CODE"));
            const QCommandLineOption classOption(QStringLiteral("class"), tavelle::qtText(kClassOption.in(language)),
                                                 tavelle::qtText(file));
            const QCommandLineOption trainee(QStringLiteral("trainee"), tavelle::qtText(kTraineeOption.in(language)));
            const QCommandLineOption key(QStringLiteral("key"), tavelle::qtText(kKeyOption.in(language)));
            commandLine.parser().addOptions({random, seedOption, codeOption, classOption, output, trainee, key});
            commandLine.parser().addPositionalArgument(tavelle::qtText(file),
                                                       tavelle::qtText(kFileArgument.in(language)),
                                                       tavelle::qtText("[" + std::string(file) + "]"));
            commandLine.parse(argc, argv);
            if (const std::optional<int> answered = tavelle::answerHelpOrVersion(commandLine)) return answered;

            const std::vector<std::string> files = commandLine.positionalArguments();
            if (files.size() > 1) throw UsageError(composed(tavelle::kOnlyOneFile, language, {{"file", file}}));
            if (!files.empty()) options.file = files.front();
            if (commandLine.isSet(random))
                options.randomCount = tavelle::wholeNumber("--random", commandLine.value(random), language);
            if (commandLine.isSet(seedOption))
                options.seed = tavelle::wholeNumber("--seed", commandLine.value(seedOption), language);
            if (commandLine.isSet(codeOption)) {
                if (options.randomCount || options.seed) throw UsageError(composed(kCodeAlone, language));
                const std::optional<tavelle::SetCode> code = tavelle::parseSetCode(commandLine.value(codeOption));
                if (!code || code->exerciseCount == 0) throw UsageError(composed(kCodeForm, language));
                options.seed = code->seed;
                options.randomCount = code->exerciseCount;
            }
            std::vector<std::string> trainees;
            if (commandLine.isSet(classOption)) {
                if (options.file) throw UsageError(composed(kClassAlone, language, {{"file", file}}));
                options.classFile = commandLine.value(classOption);
                trainees = tavelle::readClassList(*options.classFile, mostExercisesInASet, warnAboutClass, language);
                if (options.randomCount && *options.randomCount != trainees.size())
                    throw UsageError(composed(kClassCount, language,
                                              {{"trainees", std::to_string(trainees.size())},
                                               {"count", std::to_string(*options.randomCount)}}));
                options.randomCount = trainees.size();
            }
            if (options.randomCount && options.file)
                throw UsageError(composed(kRandomNoFile, language, {{"file", file}}));
            if (options.seed && !options.randomCount) throw UsageError(composed(tavelle::kSeedWithRandom, language));
            if (options.randomCount && *options.randomCount > mostExercisesInASet)
                throw UsageError(
                    composed(tavelle::kMostRandom, language, {{"count", std::to_string(mostExercisesInASet)}}));
            if (!commandLine.isSet(output) || commandLine.value(output).empty())
                throw UsageError(composed(tavelle::kMissingOutput, language, {{"output", pdf}}));
            options.output = commandLine.value(output);
            refuseOutputOverInput(options, language);
            refuseBadSourceDateEpoch(language);
            if (commandLine.isSet(trainee) && commandLine.isSet(key))
                throw UsageError(composed(kPartsExclude, language));
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
        },
        language);
    if (ended) return *ended;
    if (set.acceptedCount() == 0) {
        set.reportRefusals();
        say(composed(kNothingToWrite, language, {{"file", outputName(options.output, language)}}));
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
    if (const std::optional<std::string> failure = writeSheets(options, set, separator, seed, language)) {
        say(*failure);
        return 2;
    }
    set.reportRefusals();
    return set.anyRefused() ? 1 : 0;
}
