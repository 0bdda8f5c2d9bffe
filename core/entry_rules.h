#pragma once

#include "core/exercise_record.h"
#include "core/screen_id.h"

#include <string>
#include <vector>

namespace tavelle {

// What one press of "Suite >>" on an entry screen leads to: the warnings in the order they
// are shown (after the screen has closed), and the screen opened last.
struct PressOutcome {
    std::vector<std::string> warnings;
    bool accepted = false;
    ScreenId next = ScreenId::Form2;
};

// The lists' current texts; an empty text is a list left without a choice.
struct ExerciseChoices {
    std::string pumpRating;
    std::string feedDiameter;
    std::string feedLength;
    std::string nozzleCount;
    std::string slopeKind;
    std::string slopePercent;
};

struct Nozzle1Choices {
    std::string type;
    std::string flow;
    std::string height;
    std::string hoseCount;
};

struct Nozzle2Choices {
    std::string type;
    std::string flow;
    std::string nozzleElevation;
    std::string divisionElevation;
    std::string hoseCount;
};

struct Nozzle3Choices {
    std::string type;
    std::string flow;
    std::string hoseCount;
    std::string slopeKind;
    std::string slopePercent;
};

PressOutcome pressExerciseSuite(const ExerciseChoices& choices, ExerciseRecord& record);
PressOutcome pressNozzle1Suite(const Nozzle1Choices& choices, ExerciseRecord& record);
PressOutcome pressNozzle2Suite(const Nozzle2Choices& choices, ExerciseRecord& record);
PressOutcome pressNozzle3Suite(const Nozzle3Choices& choices, ExerciseRecord& record);

}  // namespace tavelle
