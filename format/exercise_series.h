#pragma once

#include "core/screens/entry_screens.h"
#include "format/exercise_reader.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// A file of exercises as practice and the exam sheets take it: every exercise read, and each accepted by
// the entry screens, the record carrying over from one to the next as in one run of the application.
struct SeriesReading {
    std::vector<ExerciseInput> exercises;
    // Why it cannot be taken, in French, and the exercise at fault (from 1; 0 when it is the file's).
    std::optional<std::string> refusal;
    std::size_t refusedExercise = 0;
};
SeriesReading readSeries(ExerciseReader& reader);

// The text of a series with `added` after its exercises, the others kept byte for byte: an array gains an
// element; a single exercise becomes an array of two; a text of blanks only gives an array of one.
// `series` must be blank or one that readSeries takes.
std::string seriesWithExercise(std::string_view series, const ExerciseInput& added);

}  // namespace tavelle
