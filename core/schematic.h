#pragma once

#include "core/exercise_record.h"
#include "core/screen_texts.h"

#include <string_view>
#include <vector>

namespace tavelle {

// Writes the derived values (nozzle pressures and hose diameters, totalFlow) into the record.
void deriveNozzleValues(ExerciseRecord& record);

// The schematic's load: derives the values, then returns every label set at load (in the order
// it is set) followed by the controls whose visibility alone depends on the record.
std::vector<ControlState> loadSchematic(ExerciseRecord& record, std::string_view decimalSeparator);
// The same load written over an earlier one, whose storage it reuses.
void loadSchematic(ExerciseRecord& record, std::string_view decimalSeparator, ScreenLoad& into);

}  // namespace tavelle
