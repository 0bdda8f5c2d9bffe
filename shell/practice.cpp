#include "shell/practice.h"

#include "core/practice_texts.h"
#include "core/values_to_find.h"
#include "core/walkthrough.h"
#include "screens/entry_screen.h"
#include "screens/question_screen.h"
#include "screens/summary_screen.h"
#include "shell/command_line.h"
#include "shell/message_boxes.h"
#include "shell/navigator.h"
#include "shell/progress_module.h"
#include "platform/system_locale.h"
#include "format/exercise_reader.h"
#include "format/random_exercises.h"

#include <QDateTime>
#include <QFileInfo>

#include <random>

namespace tavelle {

namespace {

// A class's set for a term fits many times over; a file beyond it is not a practice set.
constexpr std::size_t mostExercises = 10'000;

std::string exerciseJson(const ExerciseInput& exercise)
{
    JsonWriter json;
    writeExercise(json, exercise);
    return std::move(json.text());
}

std::string joinedWarnings(const std::vector<ShownMessage>& messages)
{
    std::string text;
    for (const ShownMessage& message : messages) {
        if (!text.empty()) text += ' ';
        text += message.text;
    }
    return text;
}

}  // namespace

PracticeExercises::PracticeExercises(std::vector<ExerciseInput> exercises, QString source)
    : m_exercises(std::move(exercises))
    , m_source(std::move(source))
{
}

void PracticeExercises::advance()
{
    ++m_number;
    if (m_next < m_exercises.size()) {
        m_current = m_exercises[m_next++];
        m_seed.reset();
        return;
    }
    // Past the file's last exercise, or without a file: a new draw.
    const std::uint64_t seed = (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}();
    m_current = RandomExercises(seed).next();
    m_seed = seed;
}

std::string PracticeExercises::heading() const
{
    return exerciseHeading(m_number, m_exercises.size(), m_seed);
}

PracticeFile readPracticeFile(const QString& path)
{
    PracticeFile file;
    const std::string shown = path.toStdString();
    const auto refuse = [&](std::size_t exercise, std::string_view reason) {
        file.exercises.clear();
        file.refusal = toQString(practiceFileRefusal(shown, exercise, reason));
        return file;
    };
    const QFileInfo info(path);
    // A pipe or a device would hold the window while it waits for data that may never come.
    if (info.exists() && !info.isFile()) return refuse(0, notARegularFile);

    std::size_t number = 0;
    try {
        ExerciseFile exercises(path.toStdString());
        ExerciseReader& reader = exercises.reader();
        reader.readStart();
        // As in one run of the application, the record carries over from one exercise to the next.
        ExerciseRecord record;
        WalkResult walk;
        while (std::optional<ExerciseInput> exercise = reader.next()) {
            ++number;
            if (number > mostExercises) return refuse(0, tooManyExercises(mostExercises));
            walkExercise(*exercise, record, ",", walk);
            if (!walk.accepted) return refuse(number, joinedWarnings(walk.messages));
            file.exercises.push_back(std::move(*exercise));
        }
    } catch (const InputError& error) {
        return refuse(0, wording(error, Language::french));
    }
    if (file.exercises.empty()) return refuse(0, noExercise);
    return file;
}

Practice::Practice(PracticeExercises exercises, MessageBoxes& messages,
                   std::function<std::unique_ptr<ProgressStore>()> openStore, std::string decimalSeparator)
    : m_exercises(std::move(exercises))
    , m_messages(messages)
    , m_openStore(std::move(openStore))
    , m_decimalSeparator(std::move(decimalSeparator))
{
    m_exercises.advance();
    startExercise();
}

Practice::~Practice() = default;

void Practice::startExercise()
{
    m_progress = {};
    m_entered = m_exercises.current();
    m_attempt = {};
    m_started = std::chrono::steady_clock::now();
}

std::optional<Navigation> Practice::navigate(ScreenId from, std::string_view control, const ExerciseRecord& record)
{
    if (from == ScreenId::Bilan && control == practiceControls::nextExercise) {
        m_exercises.advance();
        startExercise();
    }
    return navigateInPractice(from, control, m_progress, record);
}

void Practice::noteChoices(ScreenId screen, const ExerciseInput& input)
{
    // The lists read the input; their accessor only hands out a place to write.
    ExerciseInput from = input;
    for (const EntryList& list : entryLists(screen)) list.choice(m_entered) = list.choice(from);
}

void Practice::prepare(ScreenWindow& screen, const ExerciseRecord& record)
{
    if (auto* entry = qobject_cast<EntryScreen*>(&screen)) {
        entry->showChoices(m_exercises.current());
    } else if (auto* question = qobject_cast<QuestionScreen*>(&screen)) {
        question->showExercise(toQString(m_exercises.heading()), record.nozzleCount);
    } else if (auto* summary = qobject_cast<SummaryScreen*>(&screen)) {
        ProgressStore* kept = store();
        const std::vector<PastResult> recent = kept ? kept->recentResults(10) : std::vector<PastResult>{};
        const QuestionRecords records = kept ? kept->questionRecords() : QuestionRecords{};
        const auto offset = static_cast<std::int64_t>(QDateTime::currentDateTime().offsetFromUtc());
        summary->showSummary(summaryTexts(m_exercises.heading(), m_attempt, recent, records, offset));
    } else if (screen.screenId() == ScreenId::Dessin) {
        ScreenLoad hidden;
        for (std::string_view control : schematicValuesToFind(record)) hidden.push_back({control, {}, false, false});
        screen.showLoad(hidden);
    }
}

void Practice::check(ScreenWindow& screen, const ExerciseRecord& record)
{
    auto* question = qobject_cast<QuestionScreen*>(&screen);
    if (question == nullptr) return;
    const ExpectedAnswers expected = expectedAnswers(record);
    const std::vector<std::string> typed = question->answers();
    std::vector<Mark> marks;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const Question asked = question->questions()[i];
        marks.push_back(markAnswer(asked, typed[i], expected, m_decimalSeparator));
        const auto slot = static_cast<std::size_t>(asked);
        m_attempt.answers[slot] = typed[i];
        m_attempt.right[slot] = marks.back().kind == MarkKind::right;
    }
    question->showMarks(marks);
    if (!question->verified()) return;
    if (screen.screenId() == ScreenId::QuestionAB) {
        m_progress.portionAbVerified = true;
    } else {
        m_progress.portionBcVerified = true;
        finishExercise();
    }
}

void Practice::finishExercise()
{
    m_attempt.finishedAt = QDateTime::currentSecsSinceEpoch();
    m_attempt.secondsTaken =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - m_started).count();
    m_attempt.exercise = exerciseJson(m_entered);
    m_attempt.seed = m_exercises.seed();
    m_attempt.source = m_exercises.source().toStdString();
    ProgressStore* kept = store();
    if (kept == nullptr) return;
    const std::optional<QString> failure = kept->keep(m_attempt);
    if (const std::optional<QString> notice = kept->takeNotice())
        m_messages.information(toQString(practiceTexts::storageTitle), *notice);
    if (failure) m_messages.warning(toQString(notKeptMessage(failure->toStdString())));
}

ProgressStore* Practice::store()
{
    if (!m_storeTried) {
        m_storeTried = true;
        m_store = m_openStore();
    }
    return m_store.get();
}

std::unique_ptr<Practice> startPractice(const Launch& launch, MessageBoxes& messages, Navigator& navigator)
{
    PracticeExercises exercises;
    if (launch.exercisesFile) {
        PracticeFile file = readPracticeFile(*launch.exercisesFile);
        if (file.refusal) {
            messages.plain(toQString(practiceFileTitle), *file.refusal);
            return nullptr;
        }
        exercises = PracticeExercises(std::move(file.exercises), *launch.exercisesFile);
    }
    auto practice = std::make_unique<Practice>(
        std::move(exercises), messages,
        [&messages]() -> std::unique_ptr<ProgressStore> {
            std::unique_ptr<ProgressStore> store = loadProgressStore(progressModuleFile(), progressDatabaseFile());
            if (!store) messages.warning(toQString(notKeptMessage(progressModuleMissing)));
            return store;
        },
        systemDecimalSeparator());
    navigator.startPractice(*practice);
    return practice;
}

}  // namespace tavelle
