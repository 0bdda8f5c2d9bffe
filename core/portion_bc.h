#pragma once

#include "core/exercise_record.h"
#include "core/screen_texts.h"

#include <string_view>

namespace tavelle {

// The final screen's load, written over an earlier one, whose storage it reuses: the ten label texts in the
// order they are set, the pump verdict last. Writes nothing into the record.
void loadFinalCalculation(const ExerciseRecord& record, std::string_view decimalSeparator, ScreenLoad& into);

}  // namespace tavelle
