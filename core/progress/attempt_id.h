#pragma once

#include <string>
#include <string_view>

namespace tavelle {

// A new attempt's id: a random UUID (version 4) in its 36 lowercase characters, drawn from the
// system's random source, so that attempts made on many machines never share one.
std::string newAttemptId();

// Whether `text` is written as an attempt's id is: 8-4-4-4-12 lowercase hexadecimal digits.
bool isAttemptId(std::string_view text);

}  // namespace tavelle
