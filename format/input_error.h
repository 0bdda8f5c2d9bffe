#pragma once

#include <stdexcept>

namespace tavelle {

// Bad input: unreadable, malformed JSON, an unknown or repeated key, a value that is not one of
// its list's items. The message is one line naming the exercise (from 1) and the key.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tavelle
