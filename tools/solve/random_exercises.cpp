#include "tools/solve/random_exercises.h"

#include "core/list_items.h"
#include "core/entry_screens.h"
#include "tools/solve/json_writer.h"

#include <charconv>
#include <span>
#include <stdexcept>

namespace tavelle {

namespace {


// splitmix64: small, fast, and the same sequence on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    // Where the sequence stands: a Random made from it goes on with the same sequence.
    std::uint64_t state() const { return m_state; }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }
    bool chance(std::size_t oneIn) { return below(oneIn) == 0; }

    std::string pick(std::span<const std::string_view> items) { return std::string(items[below(items.size())]); }
    // An optional list: left empty now and then.
    std::string pickOrEmpty(std::span<const std::string_view> items)
    {
        return chance(items.size() + 1) ? std::string() : pick(items);
    }

private:
    std::uint64_t m_state;
};

int diameterNeeded(const std::string& type)
{
    if (type == "100/25") return 110;
    if (type == "65/18" || type == "LDV 1000") return 70;
    return 45;
}

std::string fittingFlow(Random& random, const std::string& type)
{
    if (type == "40/14") return "250";
    if (type == "65/18") return "500";
    if (type == "100/25") return "1000";
    const int maximum = type == "LDV 500" ? 500 : 1000;
    std::vector<std::string_view> flows;
    for (std::string_view flow : listItems::nozzleFlows) {
        int value = 0;
        std::from_chars(flow.data(), flow.data() + flow.size(), value);
        if (value <= maximum) flows.push_back(flow);
    }
    return random.pick(flows);
}

ExerciseInput drawExercise(Random& random)
{
    ExerciseInput in;
    in.exercise.pumpRating = random.pick(listItems::pumpRatings);
    in.exercise.feedLength = random.pick(listItems::feedLengths);
    in.exercise.nozzleCount = random.pick(listItems::nozzleCounts);
    in.exercise.slopeKind = random.pickOrEmpty(listItems::feedSlopeKinds);
    in.exercise.slopePercent = random.pickOrEmpty(listItems::slopePercents);
    const int count = in.exercise.nozzleCount[0] - '0';

    int needed = 45;
    const auto describe = [&](std::string& type, std::string& flow, std::string& hoseCount) {
        type = random.pick(listItems::nozzleTypes);
        flow = fittingFlow(random, type);
        hoseCount = random.pick(listItems::hoseCounts);
        needed = std::max(needed, diameterNeeded(type));
    };

    describe(in.nozzle1.type, in.nozzle1.flow, in.nozzle1.hoseCount);
    do {
        in.nozzle1.height = random.pickOrEmpty(listItems::nozzle1Heights);
    } while (in.nozzle1.hoseCount == "1" && !in.nozzle1.height.empty() && std::stoi(in.nozzle1.height) > 20);

    if (count >= 2) {
        describe(in.nozzle2.type, in.nozzle2.flow, in.nozzle2.hoseCount);
        if (!random.chance(6)) {
            in.nozzle2.divisionElevation = random.pick(listItems::elevations);
            in.nozzle2.nozzleElevation = random.pick(listItems::elevations);
        }
    }
    if (count >= 3) {
        describe(in.nozzle3.type, in.nozzle3.flow, in.nozzle3.hoseCount);
        in.nozzle3.slopeKind = random.pickOrEmpty(listItems::nozzle3SlopeKinds);
        in.nozzle3.slopePercent = random.pickOrEmpty(listItems::slopePercents);
    }

    std::vector<std::string_view> diameters;
    for (std::string_view diameter : listItems::feedDiameters)
        if (std::stoi(std::string(diameter)) >= needed) diameters.push_back(diameter);
    in.exercise.feedDiameter = random.pick(diameters);
    return in;
}

bool isWholeNumber(const std::string& text)
{
    long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace

ExerciseInput RandomExercises::next()
{
    Random random(m_state);
    ExerciseInput input = drawExercise(random);
    m_state = random.state();
    ExerciseRecord scratch;
    if (!walkExercise(input, scratch, ".").accepted)
        throw std::logic_error("a drawn exercise was refused by the entry rules");
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

void writeExercise(JsonWriter& out, ExerciseInput exercise)
{
    out.beginObject();
    for (const EntryList& key : allEntryLists()) {
        const std::string& choice = key.choice(exercise);
        if (choice.empty()) continue;
        out.key(key.key);
        if (isWholeNumber(choice)) out.integer(std::stoll(choice));
        else out.string(choice);
    }
    out.endObject();
}

}  // namespace tavelle
