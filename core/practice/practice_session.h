#pragma once

#include "core/exercise_record.h"
#include "core/practice/answer_marking.h"
#include "core/practice/practice_questions.h"
#include "core/practice/trainee.h"
#include "core/progress/practice_attempt.h"
#include "core/screens/entry_screens.h"
#include "core/screens/screen_flow.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// The exercise a trainee is set, and where it came from, as its kept attempt says.
struct SetExercise {
    ExerciseInput input;
    std::string json;  // the exercise as one JSON object of the exercise file format
    std::string heading;  // "Exercice 2 / 5", or the seed of a draw
    std::optional<std::uint64_t> seed;  // a draw's seed; none for an exercise of a file
    std::string source;  // the exercise file, empty for a draw
};

// One answer row of a question window as the trainee sees it.
struct AnswerRow {
    Question question = Question::worstNozzle;
    std::string typed;
    std::optional<Mark> mark;  // none before "Vérifier", and for a readable answer of an incomplete window
};

// What a question window shows.
struct QuestionWindow {
    std::string heading;  // the exercise: "Exercice 2 / 5"
    int nozzleCount = 1;  // the worst-nozzle list offers nozzles 1 to this
    std::vector<AnswerRow> rows;
    bool marked = false;  // the answers are final: read-only, "Vérifier" done, the calculation open
};

enum class CheckOutcome {
    incomplete,  // an answer is not a readable entry: it is named, nothing is marked
    marked,  // the window's answers are marked, for good
    finished,  // ... and they were the exercise's last: the attempt is complete
    alreadyMarked,  // nothing changes: the first marking stands
};

// One exercise being practised: the exercise, what the trainee typed in each question window, which
// answers are final, their marks and the time taken. Its methods are the trainee's acts; it answers
// what each window shows and where each button leads. A window's answers are marked all at once, only
// when every one of them can be read, so that no expected value shows before the answers are final;
// the first marking is the one kept.
class PracticeSession {
public:
    // `startedAt` and every `now` are seconds since 1970, UTC.
    PracticeSession(SetExercise exercise, const Trainee& trainee, std::string decimalSeparator, std::int64_t startedAt);

    const ExerciseInput& exercise() const { return m_exercise; }
    const std::string& heading() const { return m_heading; }

    // The trainee typed or chose `text` as the answer to `question`; a final answer stays as it is.
    void type(Question question, std::string text);
    // "Vérifier" on the question window `window` (QuestionAB or QuestionBC), against the exercise in `record`.
    CheckOutcome check(ScreenId window, const ExerciseRecord& record, std::int64_t now);
    QuestionWindow questionWindow(ScreenId window, int nozzleCount) const;

    // Where a button leads; none when it leads nowhere now. The trainee answers before each calculation
    // screen shows the worked answer, and a finished exercise ends on its summary. Each calculation screen
    // is reached through its question window, which leads on once its answers are marked (and shows them
    // as marked ever after), and back to where the trainee came from. Any other button goes where the
    // walk-through's own flow says.
    std::optional<Navigation> navigate(ScreenId from, std::string_view control, const ExerciseRecord& record) const;

    bool finished() const { return m_portionBcMarked; }
    // The answers, their marks and the time; once finished, the whole attempt to keep: its own id, who
    // practised, the exercise and where it came from.
    const PracticeAttempt& attempt() const { return m_attempt; }

private:
    bool isMarked(ScreenId window) const;

    ExerciseInput m_exercise;
    std::string m_heading;
    std::string m_decimalSeparator;
    std::int64_t m_startedAt;
    bool m_portionAbMarked = false;
    bool m_portionBcMarked = false;
    PracticeAttempt m_attempt;
    std::array<std::optional<Mark>, questionCount> m_marks;
};

// The questions a window asks: portion AB's for QuestionAB, portion BC's otherwise.
std::span<const Question> questionsOf(ScreenId window);

}  // namespace tavelle
