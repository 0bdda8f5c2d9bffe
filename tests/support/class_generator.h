#pragma once

#include "core/progress/practice_attempt.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavelle::testing {

// A class as the tests make it: named trainees, some of whom never practise, each with a skill of
// their own, practising over a few weeks. The same shape always gives the same attempts.
struct ClassShape {
    int trainees = 25;
    int idleTrainees = 3;  // the last ones of the roster, who never practise
    int weeks = 5;
    int mostAttemptsPerWeek = 5;
    std::int64_t firstMonday = 20'787;  // 30 November 2026, in days since 1970
    std::uint64_t seed = 1;
};

struct RosterEntry {
    std::string surname;
    std::string givenName;
    std::string group;
};

// The class of the example export in examples/: a few trainees over a few weeks.
ClassShape exampleClassShape();

// The class's trainees, in the roster's order.
std::vector<RosterEntry> classRoster(const ClassShape& shape);

// Every attempt of the class, in the order they were made; the answers are marked as practice marks them.
std::vector<PracticeAttempt> generatedClass(const ClassShape& shape);

// The attempts as `tavelle --progression` exports them.
std::string progressExport(const std::vector<PracticeAttempt>& attempts);

}  // namespace tavelle::testing
