#pragma once

#include "core/screens/walkthrough.h"

#include <string>

namespace tavelle {

// The walk written as a French answer key: statement, messages, schematic values, portion AB
// and final lines, in screen order, then the pressure line from the pump to the worst nozzle; blank lines
// between sections. `record` is the record the walk left.
std::string answerKey(const WalkResult& walk, std::size_t exerciseNumber, const ExerciseRecord& record,
                      std::string_view decimalSeparator);

}  // namespace tavelle
