#pragma once

#include "core/exercise_record.h"
#include "core/progress/practice_attempt.h"
#include "core/screens/walkthrough.h"

#include <optional>
#include <string_view>

namespace tavelle {

// The exercise of a kept attempt (one JSON object of the exercise file format), walked as practice walks
// it; nothing when it does not read as one exercise the entry screens accept.
std::optional<ExerciseRecord> attemptExercise(std::string_view json, std::string_view decimalSeparator);

// Marks an attempt again from its own exercise and given answers, with practice's own marking, so that no
// mark rests on what its sender wrote: `right` becomes the marks proven (none when the exercise does not
// read), and `marksCheck` says how the marks sent stood. Reuses its storage from one attempt to the next.
class AttemptMarker {
public:
    void operator()(PracticeAttempt& attempt);

private:
    ExerciseRecord m_record;
    WalkResult m_walk;
};

}  // namespace tavelle
