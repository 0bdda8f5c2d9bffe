#pragma once

#include "core/exercise_record.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// The points of the way from the pump (C) to the most unfavourable nozzle (A), through the division (B).
enum class PressurePlace { pump, divisionInlet, divisionOutlet, nozzle };

struct PressurePoint {
    PressurePlace place;
    int metres;  // along the way from the pump
    float bar;
};

// The pressure along the way, in the calculation screens' own numbers: the pump's pressure, less Jbc along
// the feed line, less the division's 1 b, less Jab along the nozzle's hoses, leaves its orifice pressure.
struct PressureLine {
    std::array<PressurePoint, 4> points{};
    int worstNozzle = 1;  // numbered from 1
    std::string pumpRating;
    float feedLoss = 0;  // Jbc
    float nozzleLineLoss = 0;  // Jab
    float totalFlow = 0;
    bool pumpSufficient = true;
    float ratedProduct = 0;
    // What the pump gives at the total flow under the power rule, rated product / total flow (bar).
    float pumpCanGive = 0;
};

// From a record that the entry screens accepted and the schematic has completed.
PressureLine pressureLine(const ExerciseRecord& record);

// The line's texts, as the answer key and the drawings show them.
struct PressureLineTexts {
    std::string title;
    std::array<std::string, 4> places;  // "Pompe (C)" … "Lance n°3 (A)"
    std::array<std::string, 4> distances;  // "200 m"
    std::array<std::string, 4> pressures;  // "13,9 b"
    // The loss of the way that arrives at each point, none at the pump: "Jbc = 5,4 b", "Js = 1 b", "Jab = 1,5 b".
    std::array<std::string, 4> losses;
    std::string pumpCanGive;  // only when the pump is not powerful enough
    std::string zero;  // "0 b", the foot of the drawings' scale
    // What the drawings write under the pump, the division and the nozzle, a line each: the place, its
    // distance, its pressure (the division's on the way in and on the way out).
    std::array<std::vector<std::string>, 3> columns;
};
PressureLineTexts pressureLineTexts(const PressureLine& line, std::string_view decimalSeparator);

}  // namespace tavelle
