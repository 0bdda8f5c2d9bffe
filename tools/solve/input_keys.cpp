#include "tools/solve/input_keys.h"

#include "core/list_items.h"

#include <algorithm>
#include <array>

namespace tavelle {

namespace {

#define TAVELLE_CHOICE(screen, field) [](ExerciseInput& in) -> std::string& { return in.screen.field; }

const std::array<InputKey, 20> kInputKeys{{
    {"pumpRating", listItems::pumpRatings, TAVELLE_CHOICE(exercise, pumpRating)},
    {"feedDiameter", listItems::feedDiameters, TAVELLE_CHOICE(exercise, feedDiameter)},
    {"feedLength", listItems::feedLengths, TAVELLE_CHOICE(exercise, feedLength)},
    {"nozzleCount", listItems::nozzleCounts, TAVELLE_CHOICE(exercise, nozzleCount)},
    {"slopeKind", listItems::feedSlopeKinds, TAVELLE_CHOICE(exercise, slopeKind)},
    {"slopePercent", listItems::slopePercents, TAVELLE_CHOICE(exercise, slopePercent)},
    {"nozzle1Type", listItems::nozzleTypes, TAVELLE_CHOICE(nozzle1, type)},
    {"nozzle1Flow", listItems::nozzleFlows, TAVELLE_CHOICE(nozzle1, flow)},
    {"nozzle1Height", listItems::nozzle1Heights, TAVELLE_CHOICE(nozzle1, height)},
    {"nozzle1HoseCount", listItems::hoseCounts, TAVELLE_CHOICE(nozzle1, hoseCount)},
    {"nozzle2Type", listItems::nozzleTypes, TAVELLE_CHOICE(nozzle2, type)},
    {"nozzle2Flow", listItems::nozzleFlows, TAVELLE_CHOICE(nozzle2, flow)},
    {"divisionElevation", listItems::elevations, TAVELLE_CHOICE(nozzle2, divisionElevation)},
    {"nozzle2Elevation", listItems::elevations, TAVELLE_CHOICE(nozzle2, nozzleElevation)},
    {"nozzle2HoseCount", listItems::hoseCounts, TAVELLE_CHOICE(nozzle2, hoseCount)},
    {"nozzle3Type", listItems::nozzleTypes, TAVELLE_CHOICE(nozzle3, type)},
    {"nozzle3Flow", listItems::nozzleFlows, TAVELLE_CHOICE(nozzle3, flow)},
    {"nozzle3HoseCount", listItems::hoseCounts, TAVELLE_CHOICE(nozzle3, hoseCount)},
    {"nozzle3SlopeKind", listItems::nozzle3SlopeKinds, TAVELLE_CHOICE(nozzle3, slopeKind)},
    {"nozzle3SlopePercent", listItems::slopePercents, TAVELLE_CHOICE(nozzle3, slopePercent)},
}};

#undef TAVELLE_CHOICE

}  // namespace

std::span<const InputKey> inputKeys() { return kInputKeys; }

const InputKey* findInputKey(std::string_view name)
{
    const auto key = std::find_if(kInputKeys.begin(), kInputKeys.end(), [&](const InputKey& k) { return k.name == name; });
    return key == kInputKeys.end() ? nullptr : &*key;
}

}  // namespace tavelle
