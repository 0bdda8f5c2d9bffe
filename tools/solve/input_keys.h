#pragma once

#include "core/walkthrough.h"

#include <span>
#include <string>
#include <string_view>

namespace tavelle {

// One entry list of the input format: its key, its items and the choice of the entry screen it fills.
struct InputKey {
    std::string_view name;
    std::span<const std::string_view> items;
    std::string& (*choice)(ExerciseInput&);
};

// The input format's keys, in record order. The only place that ties a JSON key to an entry
// screen's list.
std::span<const InputKey> inputKeys();

// The key named `name`, or null when the input format has none.
const InputKey* findInputKey(std::string_view name);

}  // namespace tavelle
