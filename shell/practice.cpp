#include "shell/practice.h"

#include "core/progress/attempt_id.h"
#include "core/progress/class_database_texts.h"
#include "core/practice/practice_texts.h"
#include "core/trade/values_to_find.h"
#include "core/screens/walkthrough.h"
#include "core/progress/storage_fault.h"
#include "screens/entry_screen.h"
#include "screens/question_screen.h"
#include "screens/summary_screen.h"
#include "classdb/class_database_setting.h"
#include "shell/class_module.h"
#include "shell/command_line.h"
#include "shell/message_boxes.h"
#include "shell/progress_module.h"
#include "shell/trainee_setting.h"
#include "screens/trainee_screen.h"
#include "platform/system_locale.h"
#include "format/exercise_reader.h"
#include "format/random_exercises.h"

#include <QDateTime>
#include <QFileInfo>

#include <cstdio>

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

// The trainee the command line names for this run; else the one the settings keep; else, at the first
// practice, the one the trainee names in the naming window, kept for the next runs. Declined: anonymous.
Trainee practisingTrainee(const Launch& launch)
{
    if (launch.trainee) return *launch.trainee;
    if (std::optional<Trainee> kept = keptTrainee()) return *kept;
    TraineeScreen window(offeredTrainee(accountFullName()));
    if (window.exec() != QDialog::Accepted || !window.trainee()) return {};
    keepTrainee(*window.trainee());
    return *window.trainee();
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

Practice::Practice(PracticeExercises exercises, MessageBoxes& messages, ProgressWorker::OpenStore openStore,
                   std::string decimalSeparator, Trainee trainee, ClassDatabaseLink classDatabase)
    : m_exercises(std::move(exercises))
    , m_messages(messages)
    , m_decimalSeparator(std::move(decimalSeparator))
    , m_trainee(std::move(trainee))
    , m_classConnection(classDatabase.connection)
    , m_worker(std::move(openStore), std::chrono::seconds(30), std::move(classDatabase.open), classDatabase.retry)
{
    m_worker.onSent([this](ProgressWorker::SendOutcome outcome) {
        if (outcome.failure && outcome.failure->fault != ServerFault::unreachable)
            std::fprintf(stderr, "tavelle: %s\n", qPrintable(outcome.failure->text(m_classConnection)));
        m_sending = std::move(outcome);
        showSummary();
    });
    // What an earlier run left unsent goes first.
    m_worker.send();
    m_exercises.advance();
    startExercise();
}

Practice::~Practice() = default;

void Practice::startExercise()
{
    ++m_exerciseNumber;
    m_session.emplace(m_exercises.current(), m_exercises.heading(), m_decimalSeparator,
                      QDateTime::currentSecsSinceEpoch());
}

std::optional<Navigation> Practice::navigate(ScreenId from, std::string_view control, const ExerciseRecord& record)
{
    if (from == ScreenId::Bilan && control == practiceControls::changeTrainee) {
        // For the next attempts; the one just finished keeps who practised it.
        TraineeScreen window(m_trainee, m_summary.data());
        if (window.exec() == QDialog::Accepted && window.trainee()) {
            m_trainee = *window.trainee();
            keepTrainee(m_trainee);
        }
        return std::nullopt;
    }
    std::optional<Navigation> to = m_session->navigate(from, control, record);
    if (to && from == ScreenId::Bilan && control == practiceControls::nextExercise) {
        m_exercises.advance();
        startExercise();
    }
    return to;
}

void Practice::prepare(ScreenWindow& screen, const ExerciseRecord& record)
{
    if (auto* entry = qobject_cast<EntryScreen*>(&screen)) {
        entry->fixChoices(m_session->exercise());
    } else if (auto* question = qobject_cast<QuestionScreen*>(&screen)) {
        question->showWindow(m_session->questionWindow(screen.screenId(), record.nozzleCount));
    } else if (qobject_cast<SummaryScreen*>(&screen) != nullptr) {
        m_summary = &screen;
        showSummary();
    } else if (screen.screenId() == ScreenId::Dessin) {
        ScreenLoad hidden;
        for (std::string_view control : schematicValuesToFind(record)) hidden.push_back({control, {}, false, false});
        screen.showLoad(hidden);
    }
}

void Practice::answerTyped(Question question, std::string text) { m_session->type(question, std::move(text)); }

void Practice::check(ScreenWindow& screen, const ExerciseRecord& record)
{
    auto* question = qobject_cast<QuestionScreen*>(&screen);
    if (question == nullptr) return;
    const CheckOutcome outcome = m_session->check(screen.screenId(), record, QDateTime::currentSecsSinceEpoch());
    question->showWindow(m_session->questionWindow(screen.screenId(), record.nozzleCount));
    if (outcome == CheckOutcome::finished) finishExercise();
}

void Practice::finishExercise()
{
    m_finished = m_session->attempt();
    m_finished.exercise = exerciseJson(m_session->exercise());
    m_finished.seed = m_exercises.seed();
    m_finished.source = m_exercises.source().toStdString();
    m_finished.id = newAttemptId();
    m_finished.surname = m_trainee.surname;
    m_finished.givenName = m_trainee.givenName;
    m_finished.group = m_trainee.group;
    m_keeping = {};
    m_reading = {};
    const int number = m_exerciseNumber;
    m_worker.keep(m_finished, [this, number](ProgressWorker::KeepOutcome outcome) {
        if (outcome.setAside)
            m_messages.information(toQString(practiceTexts::storageTitle),
                                   toQString(damagedFileSetAside(progressDatabaseFile().toStdString(),
                                                                 outcome.setAside->toStdString())));
        if (outcome.fault && !outcome.fault->detail.isEmpty())
            std::fprintf(stderr, "tavelle: the progress was not kept: %s\n", qPrintable(outcome.fault->detail));
        const KeepStatus status = outcome.fault ? KeepStatus{KeepState::notKept, outcome.fault->reason(), {}}
                                                : KeepStatus{KeepState::kept, {}, {}};
        if (number != m_exerciseNumber) {
            // The trainee has moved on: the summary that would have said it is gone.
            if (outcome.fault) m_messages.warning(toQString(notKeptMessage(status.reason)));
            return;
        }
        m_keeping = status;
        showSummary();
    });
    m_worker.send();
    m_worker.read(10, [this, number](StoreReadout readout) {
        if (number != m_exerciseNumber) return;
        m_reading.done = true;
        if (readout.fault) m_reading.failure = readout.fault->reason();
        m_reading.recent = std::move(readout.recent);
        m_reading.records = readout.records;
        showSummary();
    });
}

void Practice::showSummary()
{
    auto* summary = qobject_cast<SummaryScreen*>(m_summary.data());
    if (summary == nullptr) return;
    const auto offset = static_cast<std::int64_t>(QDateTime::currentDateTime().offsetFromUtc());
    KeepStatus keeping = m_keeping;
    if (m_sending)
        keeping.sending = classSendingText(
            m_sending->waiting, m_sending->failure ? m_sending->failure->text(m_classConnection).toStdString() : "");
    summary->showSummary(summaryTexts(m_session->heading(), m_finished, keeping, m_reading, offset));
}

std::unique_ptr<Practice> startPractice(const Launch& launch, MessageBoxes& messages)
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
    ClassDatabaseLink classDatabase;
    classDatabase.connection = classDatabaseConnection(launch.classDatabase);
    if (!classDatabase.connection.isEmpty())
        classDatabase.open = [connection = classDatabase.connection] {
            return loadClassDatabase(progressModuleFile(), connection);
        };
    return std::make_unique<Practice>(
        std::move(exercises), messages,
        [] { return loadProgressStore(progressModuleFile(), progressDatabaseFile()); }, systemDecimalSeparator(),
        practisingTrainee(launch), std::move(classDatabase));
}

}  // namespace tavelle
