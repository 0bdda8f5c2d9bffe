#pragma once

#include "core/exercise_record.h"
#include "core/screen_texts.h"

#include <string_view>

namespace tavelle {

// The final screen's load, written over an earlier one, whose storage it reuses: the ten label texts in the
// order they are set, the pump verdict last. Writes nothing into the record.
void loadFinalCalculation(const ExerciseRecord& record, std::string_view decimalSeparator, ScreenLoad& into);

// What the final screen concludes, as values: the loss of the feed line, the pressure the pump must
// deliver, and whether its rated product covers the required one.
struct FinalResults {
    float feedLoss = 0;
    float pumpPressure = 0;
    bool pumpSufficient = false;
};
FinalResults finalResults(const ExerciseRecord& record);

}  // namespace tavelle
