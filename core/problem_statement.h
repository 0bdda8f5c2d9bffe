#pragma once

#include "core/exercise_record.h"

#include <string>
#include <string_view>

namespace tavelle {

// The French word problem that the statement screen shows.
std::string problemStatement(const ExerciseRecord& record, std::string_view decimalSeparator);

}  // namespace tavelle
