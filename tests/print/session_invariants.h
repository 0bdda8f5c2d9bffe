#pragma once

#include "core/exercise_record.h"

#include <string>
#include <vector>

namespace tavelle::testing {

// What the record must hold once the exercise screen and the first `nozzlesEntered` nozzle screens
// have accepted their "Suite >>": the exercise is set, and every nozzle entered so far has a type, a
// flow that fits it, a hose count and a feed line wide enough for it. Once every nozzle up to
// nozzleCount is entered, the flows of absent nozzles are 0 as well.
// Each breach found is described in a line; none when the record is sound.
std::vector<std::string> entryInvariantBreaches(const ExerciseRecord& record, int nozzlesEntered);

}  // namespace tavelle::testing
