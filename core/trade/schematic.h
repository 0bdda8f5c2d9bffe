#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_texts.h"

#include <string_view>

namespace tavelle {

// The schematic's load, written over an earlier one, whose storage it reuses: first writes the derived
// values (nozzle pressures and hose diameters, totalFlow) into the record, then sets every label (in the
// order it is set) followed by the controls whose visibility alone depends on the record.
void loadSchematic(ExerciseRecord& record, std::string_view decimalSeparator, ScreenLoad& into);

}  // namespace tavelle
