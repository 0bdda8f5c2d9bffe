#include "session_choices.h"

#include "core/trade/list_items.h"

#include <array>
#include <charconv>

namespace tavelle::testing {

namespace {

namespace items = listItems;

int number(std::string_view text)
{
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The trade's rules, as a trainee who knows them applies them.
int diameterNeeded(std::string_view type)
{
    if (type == "100/25") return 110;
    if (type == "65/18" || type == "LDV 1000") return 70;
    return 45;
}

bool flowFits(std::string_view type, int flow)
{
    if (type == "40/14") return flow == 250;
    if (type == "65/18") return flow == 500;
    if (type == "100/25") return flow == 1000;
    if (type == "LDV 500") return flow <= 500;
    return flow <= 1000;
}

std::string pickWhere(SessionRandom& random, std::span<const std::string_view> all, auto&& accepted)
{
    std::vector<std::string_view> fitting;
    for (std::string_view item : all)
        if (accepted(item)) fitting.push_back(item);
    return fitting.empty() ? random.pick(all) : random.pick(fitting);
}

// Type, flow and hose count of a nozzle that the rules accept on this feed diameter.
void drawAcceptedNozzle(std::vector<ListChoice>& choices, int feedDiameter, SessionRandom& random)
{
    const std::string type =
        pickWhere(random, items::nozzleTypes, [&](std::string_view t) { return diameterNeeded(t) <= feedDiameter; });
    choices.push_back({"Combo1", type});
    choices.push_back({"Combo2", pickWhere(random, items::nozzleFlows,
                                           [&](std::string_view f) { return flowFits(type, number(f)); })});
    choices.push_back({"Combo4", random.pick(items::hoseCounts)});
}

std::vector<ListChoice> drawAcceptedChoices(ScreenId screen, const ExerciseRecord& record, SessionRandom& random)
{
    std::vector<ListChoice> choices;
    switch (screen) {
    case ScreenId::Form2:
        choices = {{"Combo1", random.pick(items::pumpRatings)},
                   {"Combo2", random.pick(items::feedDiameters)},
                   {"Combo4", random.pick(items::feedLengths)},
                   {"Combo3", random.pick(items::nozzleCounts)},
                   {"Combo11", random.pickOrNothing(items::feedSlopeKinds)},
                   {"Combo5", random.pickOrNothing(items::slopePercents)}};
        break;
    case ScreenId::Lance1: {
        drawAcceptedNozzle(choices, record.feedDiameter, random);
        const bool oneHose = choices.back().item == "1";
        std::string height = random.pickOrNothing(items::nozzle1Heights);
        if (oneHose && number(height) > 20)
            height = pickWhere(random, items::nozzle1Heights, [](std::string_view h) { return number(h) <= 20; });
        choices.push_back({"Combo3", height});
        break;
    }
    case ScreenId::Lance2: {
        drawAcceptedNozzle(choices, record.feedDiameter, random);
        // Both elevations or neither.
        const bool elevations = !random.percent(15);
        choices.push_back({"Combo6", elevations ? random.pick(items::elevations) : std::string()});
        choices.push_back({"Combo3", elevations ? random.pick(items::elevations) : std::string()});
        break;
    }
    case ScreenId::Lance3:
        drawAcceptedNozzle(choices, record.feedDiameter, random);
        choices.push_back({"Combo3", random.pickOrNothing(items::nozzle3SlopeKinds)});
        choices.push_back({"Combo6", random.pickOrNothing(items::slopePercents)});
        break;
    default: break;
    }
    return choices;
}

}  // namespace

std::vector<ListChoice> drawEntryChoices(ScreenId screen, const ExerciseRecord& record, SessionRandom& random)
{
    if (random.percent(70)) return drawAcceptedChoices(screen, record, random);
    std::vector<ListChoice> choices;
    for (const EntryList& list : entryLists(screen))
        choices.push_back({std::string(list.control), random.pickOrNothing(list.items)});
    return choices;
}

PressOutcome pressSuite(ScreenId screen, const ChosenItems& chosen, ExerciseRecord& record)
{
    ExerciseInput input;
    for (const EntryList& list : entryLists(screen)) {
        const auto found = chosen.find(std::string(list.control));
        if (found != chosen.end()) list.choice(input) = found->second;
    }
    return pressEntryScreen(screen, input, record);
}

}  // namespace tavelle::testing
