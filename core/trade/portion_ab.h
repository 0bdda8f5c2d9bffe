#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_texts.h"

#include <string_view>

namespace tavelle {

// The portion AB screen's load, written over an earlier one, whose storage it reuses: the seventeen label
// texts, in the order they are set, and worstNozzleLoss / worstNozzlePressure written into the record.
void loadPortionAb(ExerciseRecord& record, std::string_view decimalSeparator, ScreenLoad& into);

// The most unfavourable nozzle as the portion AB load decides it, numbered from 1, with the loss from the
// division to its orifice and its orifice pressure.
struct WorstNozzle {
    int nozzle = 1;
    float worstNozzleLoss = 0;
    float worstNozzlePressure = 0;
};
WorstNozzle worstNozzle(const ExerciseRecord& record);

}  // namespace tavelle
