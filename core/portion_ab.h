#pragma once

#include "core/exercise_record.h"
#include "core/screen_texts.h"

#include <string_view>

namespace tavelle {

// The portion AB screen's load, written over an earlier one, whose storage it reuses: the seventeen label
// texts, in the order they are set, and worstNozzleLoss / worstNozzlePressure written into the record.
void loadPortionAb(ExerciseRecord& record, std::string_view decimalSeparator, ScreenLoad& into);

// The most unfavourable nozzle (from 1) and what it needs at the division, as the load decides them.
struct WorstNozzle {
    int nozzle = 1;
    float loss = 0;
    float orificePressure = 0;
};
WorstNozzle worstNozzle(const ExerciseRecord& record);

}  // namespace tavelle
