#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_texts.h"

#include <string_view>

namespace tavelle {

// The final screen's load, written over an earlier one, whose storage it reuses: the ten label texts in the
// order they are set, the pump verdict last. Writes nothing into the record.
void loadFinalCalculation(const ExerciseRecord& record, std::string_view decimalSeparator, ScreenLoad& into);

// The final screen's results as it computes them from the record portion AB left.
struct FinalResults {
    float feedLoss = 0;  // Jbc, from the pump to the division
    float pumpPressure = 0;  // worstNozzleLoss + 1 + Jbc
    bool pumpSufficient = false;
    float ratedProduct = 0;  // the pump's rated flow × rated pressure
};
FinalResults finalResults(const ExerciseRecord& record);

// Jab, the loss of portion AB: the most unfavourable nozzle's loss without its orifice pressure.
float abLoss(const ExerciseRecord& record);

}  // namespace tavelle
