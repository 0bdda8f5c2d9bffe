#include "format/attempt_marks.h"

#include "core/practice/answer_marking.h"
#include "format/exercise_reader.h"

#include <stdexcept>

namespace tavelle {

namespace {

// One exercise alone: an array is a set, and anything after the object is not part of it.
std::optional<ExerciseInput> oneExercise(std::string_view json)
{
    try {
        ExerciseReader reader(json);
        if (reader.readStart()) return std::nullopt;
        std::optional<ExerciseInput> input = reader.next();
        if (!input || reader.next()) return std::nullopt;
        return input;
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

// The marks depend on values, never on how a number is written.
constexpr std::string_view anySeparator = ",";

}  // namespace

std::optional<ExerciseRecord> attemptExercise(std::string_view json, std::string_view decimalSeparator)
{
    const std::optional<ExerciseInput> input = oneExercise(json);
    ExerciseRecord record;
    if (!input || !walkExercise(*input, record, decimalSeparator).accepted) return std::nullopt;
    return record;
}

void AttemptMarker::operator()(PracticeAttempt& attempt)
{
    const std::optional<ExerciseInput> input = oneExercise(attempt.exercise);
    m_record = ExerciseRecord();
    if (input) walkExercise(*input, m_record, anySeparator, m_walk);
    if (!input || !m_walk.accepted) {
        attempt.right.fill(false);
        attempt.marksCheck = MarksCheck::unreadable;
        return;
    }
    const ExpectedAnswers expected = expectedAnswers(m_record);
    std::array<bool, questionCount> proven{};
    for (std::size_t i = 0; i < questionCount; ++i)
        proven[i] = markAnswer(allQuestions[i], attempt.answers[i], expected, anySeparator).kind == MarkKind::right;
    attempt.marksCheck = proven == attempt.right ? MarksCheck::proven : MarksCheck::corrected;
    attempt.right = proven;
}

}  // namespace tavelle
