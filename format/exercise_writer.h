#pragma once

#include "core/screens/entry_screens.h"
#include "format/json_writer.h"

namespace tavelle {

// One exercise in the exercise file format that the reader, practice and the tools take: a key for each
// list with a choice, a number for a numeric item, a string for the others.
void writeExercise(JsonWriter& out, ExerciseInput exercise);

}  // namespace tavelle
