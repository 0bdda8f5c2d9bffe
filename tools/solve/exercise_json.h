#pragma once

#include "core/walkthrough.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// Bad input: malformed JSON, an unknown key, a value that is not one of its list's items.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ExerciseBatch {
    std::vector<ExerciseInput> exercises;
    bool isArray = false;  // an array is one run: the record carries over from one exercise to the next
};

// Reads exercises: an object whose keys are record fields filled by the entry lists, or an array
// of such objects. A value is the chosen item, as a string or a number; missing, null or "" is an
// empty list. Throws InputError naming the exercise, the key, the value and the allowed items.
ExerciseBatch parseExercises(std::string_view json);

// One entry list of the input format: its key, its items and the choice it fills.
struct InputKey {
    std::string_view name;
    std::span<const std::string_view> items;
    std::string& (*choice)(ExerciseInput&);
};

// The input format's keys, in record order.
std::span<const InputKey> inputKeys();

}  // namespace tavelle
