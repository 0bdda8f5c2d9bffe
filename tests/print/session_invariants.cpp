#include "session_invariants.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tavelle::testing {

namespace {

struct NozzleFields {
    const std::string& type;
    float flow;
    int hoseCount;
};

NozzleFields nozzle(const ExerciseRecord& record, int number)
{
    if (number == 1) return {record.nozzle1Type, record.nozzle1Flow, record.nozzle1HoseCount};
    if (number == 2) return {record.nozzle2Type, record.nozzle2Flow, record.nozzle2HoseCount};
    return {record.nozzle3Type, record.nozzle3Flow, record.nozzle3HoseCount};
}

template <typename Value, std::size_t N>
bool oneOf(const Value& value, const std::array<Value, N>& allowed)
{
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

bool flowFits(const std::string& type, float flow)
{
    if (type == "40/14") return flow == 250.0f;
    if (type == "65/18") return flow == 500.0f;
    if (type == "100/25") return flow == 1000.0f;
    if (type == "LDV 500") return flow > 0.0f && flow <= 500.0f;
    if (type == "LDV 1000") return flow > 0.0f && flow <= 1000.0f;
    return false;
}

int diameterNeeded(const std::string& type)
{
    if (type == "100/25") return 110;
    if (type == "65/18" || type == "LDV 1000") return 70;
    return 45;
}

void checkNozzle(const ExerciseRecord& record, int number, std::vector<std::string>& breaches)
{
    const std::string which = "nozzle " + std::to_string(number) + ": ";
    const NozzleFields fields = nozzle(record, number);
    static const std::array<std::string, 5> types{"40/14", "65/18", "100/25", "LDV 500", "LDV 1000"};
    if (!oneOf(fields.type, types)) breaches.push_back(which + "no type (\"" + fields.type + "\")");
    if (!flowFits(fields.type, fields.flow))
        breaches.push_back(which + "flow " + std::to_string(fields.flow) + " does not fit type \"" + fields.type +
                           "\"");
    if (fields.hoseCount < 1 || fields.hoseCount > 3)
        breaches.push_back(which + "hose count " + std::to_string(fields.hoseCount));
    if (record.feedDiameter < diameterNeeded(fields.type))
        breaches.push_back(which + "type \"" + fields.type + "\" on a " + std::to_string(record.feedDiameter) +
                           " mm feed");
}

}  // namespace

std::vector<std::string> entryInvariantBreaches(const ExerciseRecord& record, int nozzlesEntered)
{
    std::vector<std::string> breaches;
    static const std::array<std::string, 6> pumps{"1000/10", "1000/15", "1500/10", "1500/15", "2000/10", "2000/15"};
    static const std::array<std::int16_t, 3> diameters{45, 70, 110};
    if (!oneOf(record.pumpRating, pumps)) breaches.push_back("pump not set (\"" + record.pumpRating + "\")");
    if (!oneOf(record.feedDiameter, diameters))
        breaches.push_back("feed diameter " + std::to_string(record.feedDiameter));
    if (record.feedLength <= 0) breaches.push_back("feed length " + std::to_string(record.feedLength));
    if (record.nozzleCount < 1 || record.nozzleCount > 3)
        breaches.push_back("nozzle count " + std::to_string(record.nozzleCount));

    const int entered = std::min<int>(nozzlesEntered, record.nozzleCount);
    for (int number = 1; number <= entered; ++number) checkNozzle(record, number, breaches);
    if (entered >= 1 && record.nozzle1HoseCount == 1 && record.nozzle1Height > 20)
        breaches.push_back("nozzle 1 is " + std::to_string(record.nozzle1Height) + " m high on one hose");

    if (nozzlesEntered >= record.nozzleCount) {
        if (record.nozzleCount < 2 && record.nozzle2Flow != 0.0f)
            breaches.push_back("absent nozzle 2 has flow " + std::to_string(record.nozzle2Flow));
        if (record.nozzleCount < 3 && record.nozzle3Flow != 0.0f)
            breaches.push_back("absent nozzle 3 has flow " + std::to_string(record.nozzle3Flow));
    }
    return breaches;
}

}  // namespace tavelle::testing
