#pragma once

#include "core/practice/practice_session.h"
#include "core/practice/practice_texts.h"
#include "core/practice/trainee.h"
#include "shell/navigation_mode.h"
#include "shell/practice_exercises.h"
#include "shell/progress_worker.h"

#include <QPointer>
#include <QString>

#include <chrono>
#include <optional>
#include <string>

namespace tavelle {

class MessageBoxes;
class QuestionScreen;

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
// The question windows tell it what the trainee types and checks directly, not through the navigator.
class Practice final : public NavigationMode {
public:
    Practice(PracticeExercises exercises, MessageBoxes& messages, ProgressWorker::OpenStore openStore,
             std::string decimalSeparator, Trainee trainee = {}, ClassDatabaseLink classDatabase = {});
    ~Practice() override;

    ScreenId firstScreen() const override { return ScreenId::Form2; }
    std::optional<Navigation> navigate(ScreenId from, std::string_view control, const ExerciseRecord& record) override;
    // The exercise's choices, shown and fixed; the schematic without what the trainee has to find; the
    // questions as the session has them, listening to the window; the summary.
    void prepare(ScreenWindow& screen, const ExerciseRecord& record) override;

    const KeepStatus& keeping() const { return m_keeping; }
    // Where the sending to the class database stood at its last try; nullopt before the first answer.
    const std::optional<ProgressWorker::SendOutcome>& sending() const { return m_sending; }

private:
    void startExercise();
    // "Vérifier" on `window`, against the exercise in `record`.
    void check(QuestionScreen& window, const ExerciseRecord& record);
    void finishExercise();
    void showSummary();

    PracticeExercises m_exercises;
    MessageBoxes& m_messages;
    std::string m_decimalSeparator;
    Trainee m_trainee;
    std::optional<ProgressWorker::SendOutcome> m_sending;
    std::optional<PracticeSession> m_session;
    int m_exerciseNumber = 0;
    KeepStatus m_keeping;
    ProgressReading m_reading;
    QPointer<ScreenWindow> m_summary;
    // Last: destroyed first, it runs what is queued before the rest goes.
    ProgressWorker m_worker;
};

}  // namespace tavelle
