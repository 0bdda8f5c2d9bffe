#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_id.h"
#include "core/trade/trade_tables.h"

#include <cstdint>
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

// The trade's rules that the nozzle screens check, for whoever draws exercises that pass them: the flow
// that a nozzle type allows, the feed it needs, and the height one hose can reach.
bool flowFits(const NozzleType& type, float flow);
bool feedFits(const NozzleType& type, std::int16_t feedDiameter);
bool heightOutOfReach(std::uint8_t hoseCount, std::int16_t height);

PressOutcome pressExerciseSuite(const ExerciseChoices& choices, ExerciseRecord& record);
PressOutcome pressNozzle1Suite(const Nozzle1Choices& choices, ExerciseRecord& record);
PressOutcome pressNozzle2Suite(const Nozzle2Choices& choices, ExerciseRecord& record);
PressOutcome pressNozzle3Suite(const Nozzle3Choices& choices, ExerciseRecord& record);

}  // namespace tavelle
