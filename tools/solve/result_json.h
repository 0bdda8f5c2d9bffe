#pragma once

#include "core/exercise_record.h"
#include "core/screens/walkthrough.h"
#include "format/json_writer.h"

namespace tavelle {

// One exercise's outcome: accepted, refusedAt, screens, messages, record and, when accepted,
// the texts of Don, Dessin, Calculs and Calculs2.
void writeWalkResult(JsonWriter& out, const WalkResult& walk, const ExerciseRecord& record);

}  // namespace tavelle
