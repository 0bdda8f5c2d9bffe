#pragma once

#include "core/screens/entry_screens.h"
#include "core/progress/practice_attempt.h"
#include "core/practice/practice_session.h"
#include "core/practice/practice_texts.h"
#include "core/practice/trainee.h"
#include "shell/navigation_mode.h"
#include "shell/progress_worker.h"

#include <QPointer>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavelle {

class MessageBoxes;

// The exercises a practice session works through: those of a file, one after the other, then new
// draws; or only draws, each with a seed of its own that `tavelle-solve --random 1 --seed S` draws again.
class PracticeExercises {
public:
    // Draws only.
    PracticeExercises() = default;
    PracticeExercises(std::vector<ExerciseInput> exercises, QString source);

    // Moves on to the next exercise; the first call gives the first.
    void advance();

    const ExerciseInput& current() const { return m_current; }
    std::optional<std::uint64_t> seed() const { return m_seed; }
    const QString& source() const { return m_source; }
    // "Exercice 2 / 5", or the seed of a draw.
    std::string heading() const;

private:
    std::vector<ExerciseInput> m_exercises;
    QString m_source;
    std::size_t m_next = 0;
    std::size_t m_number = 0;
    ExerciseInput m_current;
    std::optional<std::uint64_t> m_seed;
};

// Reads a file of exercises for practice, checking each against the entry rules. The French message
// naming the file, the exercise and the reason when the file cannot be practised.
struct PracticeFile {
    std::vector<ExerciseInput> exercises;
    std::optional<QString> refusal;
};
PracticeFile readPracticeFile(const QString& path);

// The class database practice sends attempts to: how to open it (on the worker), its connection as the
// messages name it, how often waiting attempts are sent again. Empty: attempts stay here.
struct ClassDatabaseLink {
    ProgressWorker::OpenClassDatabase open;
    QString connection;
    std::chrono::milliseconds retry = std::chrono::seconds(30);
};

// Practice mode: the trainee is given an exercise, answers before each calculation screen, is marked,
// and the finished exercise is kept with the trainee's progress, on the progress worker, then sent to
// the class database when there is one (`classDatabase`, the connection named in what it says). The
// navigator walks the screens as it says; the exercise being practised is a core session, which this shows.
class Practice final : public NavigationMode {
public:
    Practice(PracticeExercises exercises, MessageBoxes& messages, ProgressWorker::OpenStore openStore,
             std::string decimalSeparator, Trainee trainee = {}, ClassDatabaseLink classDatabase = {});
    ~Practice() override;

    ScreenId firstScreen() const override { return ScreenId::Form2; }
    std::optional<Navigation> navigate(ScreenId from, std::string_view control, const ExerciseRecord& record) override;
    // The exercise's choices, shown and fixed; the schematic without what the trainee has to find; the
    // questions as the session has them; the summary.
    void prepare(ScreenWindow& screen, const ExerciseRecord& record) override;
    void answerTyped(Question question, std::string text) override;
    void check(ScreenWindow& screen, const ExerciseRecord& record) override;

    const KeepStatus& keeping() const { return m_keeping; }
    // Where the sending to the class database stood at its last try; nullopt before the first answer.
    const std::optional<ProgressWorker::SendOutcome>& sending() const { return m_sending; }
    // Runs every store job asked so far; false when `bound` passed first.
    bool finishKeeping(std::chrono::milliseconds bound) { return m_worker.finish(bound); }

private:
    void startExercise();
    void finishExercise();
    void showSummary();

    PracticeExercises m_exercises;
    MessageBoxes& m_messages;
    std::string m_decimalSeparator;
    Trainee m_trainee;
    QString m_classConnection;
    std::optional<ProgressWorker::SendOutcome> m_sending;
    std::optional<PracticeSession> m_session;
    int m_exerciseNumber = 0;
    PracticeAttempt m_finished;
    KeepStatus m_keeping;
    ProgressReading m_reading;
    QPointer<ScreenWindow> m_summary;
    // Last: destroyed first, it runs what is queued before the rest goes.
    ProgressWorker m_worker;
};

struct Launch;

// Practice as the command line asked: the file's exercises, or drawn ones, kept in the progress
// database. A file that cannot be practised is refused in one message box, and nothing is started: the
// caller opens the home screen.
std::unique_ptr<Practice> startPractice(const Launch& launch, MessageBoxes& messages);

}  // namespace tavelle
