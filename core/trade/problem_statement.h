#pragma once

#include "core/exercise_record.h"

#include <string>
#include <string_view>

namespace tavelle {

// The French word problem that the statement screen shows, written over `text`, whose storage it reuses.
void writeProblemStatement(const ExerciseRecord& record, std::string_view decimalSeparator, std::string& text);

}  // namespace tavelle
