#include "core/progress/practice_attempt.h"

namespace tavelle {

int PracticeAttempt::score() const
{
    int total = 0;
    for (bool mark : right) total += mark ? 1 : 0;
    return total;
}

}  // namespace tavelle
