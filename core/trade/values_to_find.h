#pragma once

#include "core/exercise_record.h"

#include <string_view>
#include <vector>

namespace tavelle {

// The schematic's values that the statement does not give, so that the trainee has to find them: the
// total flow, and for each nozzle in use its orifice pressure, its hose diameter and, for a fixed-flow
// type, its flow. Given as the schematic's controls that show them, in the order the schematic sets them.
std::vector<std::string_view> schematicValuesToFind(const ExerciseRecord& record);

}  // namespace tavelle
