#pragma once

#include "core/practice/practice_session.h"
#include "core/screens/entry_screens.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tavelle {

// The exercises a practice session works through: those of a file, one after the other, then new
// draws; or only draws, each with a seed of its own that `tavelle-solve --random 1 --seed S` draws again.
class PracticeExercises {
public:
    // Draws only.
    PracticeExercises() = default;
    PracticeExercises(std::vector<ExerciseInput> exercises, QString source);

    // Moves on to the next exercise; the first call gives the first.
    void advance();

    // The exercise the trainee is set now, its heading ("Exercice 2 / 5", or the seed of a draw) and
    // where it came from.
    SetExercise current() const;

private:
    std::vector<ExerciseInput> m_exercises;
    QString m_source;
    std::size_t m_next = 0;
    std::size_t m_number = 0;
    ExerciseInput m_current;
    std::optional<std::uint64_t> m_seed;
};

}  // namespace tavelle
