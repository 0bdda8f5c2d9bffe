#include "format/random_exercises.h"

#include "core/screens/entry_screens.h"
#include "core/trade/list_items.h"
#include "core/trade/trade_tables.h"
#include "format/splitmix64.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <stdexcept>

namespace tavelle {

namespace {

class Random : public Splitmix64 {
public:
    using Splitmix64::Splitmix64;

    bool chance(std::size_t oneIn) { return below(oneIn) == 0; }

    std::string pick(std::span<const std::string_view> items) { return std::string(items[below(items.size())]); }
    // An optional list: left empty now and then.
    std::string pickOrEmpty(std::span<const std::string_view> items)
    {
        return chance(items.size() + 1) ? std::string() : pick(items);
    }
};

// List items are whole numbers.
int itemNumber(std::string_view item)
{
    int value = 0;
    std::from_chars(item.data(), item.data() + item.size(), value);
    return value;
}

// The flows the nozzle screens accept for a type; a fixed-flow type leaves no choice, and nothing is drawn.
std::string fittingFlow(Random& random, const NozzleType& type)
{
    std::vector<std::string_view> flows;
    for (std::string_view flow : listItems::nozzleFlows)
        if (flowFits(type, static_cast<float>(itemNumber(flow)))) flows.push_back(flow);
    return flows.size() == 1 ? std::string(flows.front()) : random.pick(flows);
}

// A slope as a trainer sets it, so that no entry screen has to warn of it: level (the kind "nulle" or left
// empty, the percent 0 or left empty), or rising or falling by a percent above 0. `kinds` are the list's
// items: level, rising, falling. A line of `lengthMetres` climbs or falls at most `mostHeightMetres`.
void drawSlope(Random& random, std::span<const std::string_view> kinds, int lengthMetres, int mostHeightMetres,
               std::string& kind, std::string& percent)
{
    std::vector<std::string_view> percents;
    for (std::string_view item : listItems::slopePercents)
        if (itemNumber(item) != 0 && itemNumber(item) * lengthMetres <= mostHeightMetres * 100)
            percents.push_back(item);
    const std::size_t drawn = random.below(kinds.size());
    if (drawn == 0 || percents.empty()) {
        kind = random.chance(2) ? std::string() : std::string(kinds.front());
        percent = random.chance(2) ? std::string() : std::string("0");
        return;
    }
    kind = kinds[drawn];
    percent = random.pick(percents);
}

// The feed line climbs or falls at most 40 m (4 b): the lightest nozzle needs 3.5 b at its orifice and the
// division 1 b, so the pump always has a pressure to give.
constexpr int kMostFeedHeightMetres = 40;
// Nozzle 3's hoses are three at most (60 m): every percent fits.
constexpr int kMostNozzle3HeightMetres = 60;

ExerciseInput drawExercise(Random& random)
{
    ExerciseInput in;
    in.exercise.pumpRating = random.pick(listItems::pumpRatings);
    in.exercise.feedLength = random.pick(listItems::feedLengths);
    in.exercise.nozzleCount = random.pick(listItems::nozzleCounts);
    drawSlope(random, listItems::feedSlopeKinds, itemNumber(in.exercise.feedLength), kMostFeedHeightMetres,
              in.exercise.slopeKind, in.exercise.slopePercent);
    const int count = itemNumber(in.exercise.nozzleCount);

    std::vector<const NozzleType*> drawn;
    const auto describe = [&](std::string& type, std::string& flow, std::string& hoseCount) {
        type = random.pick(listItems::nozzleTypes);
        drawn.push_back(findNozzleType(type));
        flow = fittingFlow(random, *drawn.back());
        hoseCount = random.pick(listItems::hoseCounts);
    };

    describe(in.nozzle1.type, in.nozzle1.flow, in.nozzle1.hoseCount);
    const auto hoses = static_cast<std::uint8_t>(itemNumber(in.nozzle1.hoseCount));
    do {
        in.nozzle1.height = random.pickOrEmpty(listItems::nozzle1Heights);
    } while (heightOutOfReach(hoses, static_cast<std::int16_t>(itemNumber(in.nozzle1.height))));

    if (count >= 2) {
        describe(in.nozzle2.type, in.nozzle2.flow, in.nozzle2.hoseCount);
        if (!random.chance(6)) {
            in.nozzle2.divisionElevation = random.pick(listItems::elevations);
            in.nozzle2.nozzleElevation = random.pick(listItems::elevations);
        }
    }
    if (count >= 3) {
        describe(in.nozzle3.type, in.nozzle3.flow, in.nozzle3.hoseCount);
        drawSlope(random, listItems::nozzle3SlopeKinds, itemNumber(in.nozzle3.hoseCount) * hoseLengthMetres,
                  kMostNozzle3HeightMetres, in.nozzle3.slopeKind, in.nozzle3.slopePercent);
    }

    std::vector<std::string_view> diameters;
    for (std::string_view diameter : listItems::feedDiameters) {
        const auto feed = static_cast<std::int16_t>(itemNumber(diameter));
        if (std::ranges::all_of(drawn, [&](const NozzleType* type) { return feedFits(*type, feed); }))
            diameters.push_back(diameter);
    }
    in.exercise.feedDiameter = random.pick(diameters);
    return in;
}

}  // namespace

ExerciseInput RandomExercises::next()
{
    Random random(m_state);
    ExerciseInput input = drawExercise(random);
    m_state = random.state();
    ExerciseRecord scratch;
    const WalkResult walk = walkExercise(input, scratch, ".");
    if (!walk.accepted || !walk.messages.empty())
        throw std::logic_error("a drawn exercise was refused or warned of by the entry rules");
    return input;
}

std::vector<ExerciseInput> randomExercises(std::size_t count, std::uint64_t seed)
{
    RandomExercises draw(seed);
    std::vector<ExerciseInput> exercises;
    exercises.reserve(count);
    for (std::size_t i = 0; i < count; ++i) exercises.push_back(draw.next());
    return exercises;
}

}  // namespace tavelle
