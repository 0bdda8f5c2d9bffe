#pragma once

#include "core/screens/entry_screens.h"

namespace tavelle::testing {

// Exercises as a trainee enters them on the exercise and nozzle screens, each accepted by the rules.

// The walk-through's exercise: pump 1000/15, 70 mm over 200 m, no slope, with one to three nozzles.
ExerciseInput walkThroughExercise(int nozzleCount);

ExerciseInput oneNozzle();
ExerciseInput twoNozzles();
// Three nozzles of three kinds at different heights, so that every part of every result screen shows.
ExerciseInput threeNozzles();

}  // namespace tavelle::testing
