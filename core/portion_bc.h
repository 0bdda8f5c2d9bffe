#pragma once

#include "core/exercise_record.h"
#include "core/screen_texts.h"

#include <string_view>

namespace tavelle {

// The final screen's load: the ten label texts in the order they are set. Writes nothing.
LabelTexts loadFinalCalculation(const ExerciseRecord& record, std::string_view decimalSeparator);
// The same load written over an earlier one, whose storage it reuses.
void loadFinalCalculation(const ExerciseRecord& record, std::string_view decimalSeparator, LabelTexts& into);

// The pump verdict alone: true when the pump's rated product covers the required one.
bool pumpIsSufficient(const ExerciseRecord& record);

}  // namespace tavelle
