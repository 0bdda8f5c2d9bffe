#pragma once

#include "core/screens/walkthrough.h"

#include <string>

namespace tavelle {

// The walk written as a French answer key: statement, messages, schematic values, portion AB
// and final lines, in screen order, blank lines between sections.
std::string answerKey(const WalkResult& walk, std::size_t exerciseNumber);

}  // namespace tavelle
