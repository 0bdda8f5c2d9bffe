#include "core/screens/entry_screens.h"

#include "core/trade/list_items.h"

#include <algorithm>
#include <array>

namespace tavelle {

namespace {

#define TAVELLE_CHOICE(group, field) [](ExerciseInput& in) -> std::string& { return in.group.field; }

constexpr ScreenId exercise = ScreenId::Form2;
constexpr ScreenId nozzle1 = ScreenId::Lance1;
constexpr ScreenId nozzle2 = ScreenId::Lance2;
constexpr ScreenId nozzle3 = ScreenId::Lance3;

const std::array<EntryList, 20> lists{{
    {exercise, "pumpRating", "Combo1", listItems::pumpRatings, TAVELLE_CHOICE(exercise, pumpRating)},
    {exercise, "feedDiameter", "Combo2", listItems::feedDiameters, TAVELLE_CHOICE(exercise, feedDiameter)},
    {exercise, "feedLength", "Combo4", listItems::feedLengths, TAVELLE_CHOICE(exercise, feedLength)},
    {exercise, "nozzleCount", "Combo3", listItems::nozzleCounts, TAVELLE_CHOICE(exercise, nozzleCount)},
    {exercise, "slopeKind", "Combo11", listItems::feedSlopeKinds, TAVELLE_CHOICE(exercise, slopeKind)},
    {exercise, "slopePercent", "Combo5", listItems::slopePercents, TAVELLE_CHOICE(exercise, slopePercent)},
    {nozzle1, "nozzle1Type", "Combo1", listItems::nozzleTypes, TAVELLE_CHOICE(nozzle1, type)},
    {nozzle1, "nozzle1Flow", "Combo2", listItems::nozzleFlows, TAVELLE_CHOICE(nozzle1, flow)},
    {nozzle1, "nozzle1Height", "Combo3", listItems::nozzle1Heights, TAVELLE_CHOICE(nozzle1, height)},
    {nozzle1, "nozzle1HoseCount", "Combo4", listItems::hoseCounts, TAVELLE_CHOICE(nozzle1, hoseCount)},
    {nozzle2, "nozzle2Type", "Combo1", listItems::nozzleTypes, TAVELLE_CHOICE(nozzle2, type)},
    {nozzle2, "nozzle2Flow", "Combo2", listItems::nozzleFlows, TAVELLE_CHOICE(nozzle2, flow)},
    {nozzle2, "divisionElevation", "Combo6", listItems::elevations, TAVELLE_CHOICE(nozzle2, divisionElevation)},
    {nozzle2, "nozzle2Elevation", "Combo3", listItems::elevations, TAVELLE_CHOICE(nozzle2, nozzleElevation)},
    {nozzle2, "nozzle2HoseCount", "Combo4", listItems::hoseCounts, TAVELLE_CHOICE(nozzle2, hoseCount)},
    {nozzle3, "nozzle3Type", "Combo1", listItems::nozzleTypes, TAVELLE_CHOICE(nozzle3, type)},
    {nozzle3, "nozzle3Flow", "Combo2", listItems::nozzleFlows, TAVELLE_CHOICE(nozzle3, flow)},
    {nozzle3, "nozzle3HoseCount", "Combo4", listItems::hoseCounts, TAVELLE_CHOICE(nozzle3, hoseCount)},
    {nozzle3, "nozzle3SlopeKind", "Combo3", listItems::nozzle3SlopeKinds, TAVELLE_CHOICE(nozzle3, slopeKind)},
    {nozzle3, "nozzle3SlopePercent", "Combo6", listItems::slopePercents, TAVELLE_CHOICE(nozzle3, slopePercent)},
}};

#undef TAVELLE_CHOICE

}  // namespace

bool isEntryScreen(ScreenId screen)
{
    return std::ranges::find(entryScreens, screen) != std::end(entryScreens);
}

std::span<const EntryList> allEntryLists()
{
    return lists;
}

std::span<const EntryList> entryLists(ScreenId screen)
{
    const auto onScreen = [screen](const EntryList& list) { return list.screen == screen; };
    const auto first = std::ranges::find_if(lists, onScreen);
    const auto last = std::find_if_not(first, lists.end(), onScreen);
    return {first, last};
}

const EntryList* findEntryList(ScreenId screen, std::string_view control)
{
    for (const EntryList& list : entryLists(screen))
        if (list.control == control) return &list;
    return nullptr;
}

const EntryList* findEntryListByKey(std::string_view key)
{
    const auto found = std::ranges::find(lists, key, &EntryList::key);
    return found == lists.end() ? nullptr : &*found;
}

PressOutcome pressEntryScreen(ScreenId screen, const ExerciseInput& input, ExerciseRecord& record)
{
    switch (screen) {
    case ScreenId::Form2: return pressExerciseSuite(input.exercise, record);
    case ScreenId::Lance1: return pressNozzle1Suite(input.nozzle1, record);
    case ScreenId::Lance2: return pressNozzle2Suite(input.nozzle2, record);
    default: return pressNozzle3Suite(input.nozzle3, record);
    }
}

}  // namespace tavelle
