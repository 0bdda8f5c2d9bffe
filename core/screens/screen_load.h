#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_id.h"
#include "core/screens/screen_texts.h"

#include <string_view>

namespace tavelle {

// Opening a screen on the record: every control whose text or visibility the record decides, in the
// order they are set. The schematic's load derives the nozzle values and the portion AB's load writes
// the most unfavourable nozzle into the record; the other screens write nothing. Screens that show
// only their design load nothing.
ScreenLoad loadScreen(ScreenId screen, ExerciseRecord& record, std::string_view decimalSeparator);
// The same load written over an earlier one, whose storage it reuses.
void loadScreen(ScreenId screen, ExerciseRecord& record, std::string_view decimalSeparator, ScreenLoad& into);

}  // namespace tavelle
