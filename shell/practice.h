#pragma once

#include "core/entry_screens.h"
#include "core/practice_attempt.h"
#include "core/practice_flow.h"
#include "core/practice_questions.h"
#include "shell/progress_store.h"

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
class ScreenWindow;

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

// Practice mode: the trainee is given an exercise, answers before each calculation screen, is marked,
// and the finished exercise is kept with the trainee's progress. The shell's navigator asks it where
// each button leads and lets it fill each window it opens.
class Practice {
public:
    Practice(PracticeExercises exercises, MessageBoxes& messages,
             std::function<std::unique_ptr<ProgressStore>()> openStore, std::string decimalSeparator);
    ~Practice();

    std::optional<Navigation> navigate(ScreenId from, std::string_view control, const ExerciseRecord& record);
    // Fills a window just opened and loaded: the exercise's choices, the schematic without what the
    // trainee has to find, the questions, the summary.
    void prepare(ScreenWindow& screen, const ExerciseRecord& record);
    // "Suite >>" on an entry screen: what the trainee entered is the exercise answered.
    void noteChoices(ScreenId screen, const ExerciseInput& input);
    // "Vérifier" on a question window.
    void check(ScreenWindow& screen, const ExerciseRecord& record);

private:
    void startExercise();
    void finishExercise();
    ProgressStore* store();

    PracticeExercises m_exercises;
    MessageBoxes& m_messages;
    std::function<std::unique_ptr<ProgressStore>()> m_openStore;
    std::unique_ptr<ProgressStore> m_store;
    bool m_storeTried = false;
    std::string m_decimalSeparator;

    PracticeProgress m_progress;
    ExerciseInput m_entered;
    PracticeAttempt m_attempt;
    std::chrono::steady_clock::time_point m_started;
};

class Navigator;
struct Launch;

// Starts practice as the command line asked, on the navigator: the file's exercises, or drawn ones.
// A file that cannot be practised is refused in one message box, and nothing is started: the caller
// opens the home screen.
std::unique_ptr<Practice> startPractice(const Launch& launch, MessageBoxes& messages, Navigator& navigator);

}  // namespace tavelle
