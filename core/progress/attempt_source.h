#pragma once

#include "core/progress/practice_attempt.h"

#include <optional>
#include <string>

namespace tavelle {

// Where a report reads its attempts from, one at a time, so that it never holds them all: an exported
// file, or a class database.
class AttemptSource {
public:
    virtual ~AttemptSource() = default;

    // Fills `attempt` with the next one; false at the end, or at a fault, which `fault()` then says.
    virtual bool next(PracticeAttempt& attempt) = 0;
    // The one line that says why the source cannot be read to its end.
    virtual std::optional<std::string> fault() const = 0;
};

}  // namespace tavelle
