#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tavelle {

// The trade's facts, each stated once: the entry rules, the statement, the schematic, the calculations
// and whoever draws exercises read them from here.

inline constexpr int hoseLengthMetres = 20;

// A hose of the trade: its diameter and its loss per 100 m (J1, "b/hm") at its reference flow (Q1, L/min).
struct Hose {
    std::int16_t diameter;
    double j1;
    float q1;
};

inline constexpr std::array<Hose, 3> hoses{{
    {45, 1.5, 250.0f},
    {70, 0.55, 500.0f},
    {110, 0.28, 1000.0f},
}};

// A nozzle type: its orifice pressure, the diameter of its hose, the flow it allows and the feed it needs.
struct NozzleType {
    std::string_view name;  // as the type lists offer it
    float pressure;  // bar, at the orifice
    std::uint8_t hoseDiameter;
    bool fixedFlow;  // true: the flow must be `flow` exactly; false: `flow` is the highest allowed
    float flow;
    std::string_view flowWarning;  // what the nozzle screens say of a flow that does not fit
    std::int16_t narrowestFeed;  // mm; 0 where the nozzle screens check no feed diameter
};

inline constexpr std::array<NozzleType, 5> nozzleTypes{{
    {"40/14", 3.5f, 45, true, 250.0f, "une 40/14 à un débit de 250 L/min !!!", 0},
    {"65/18", 5.7f, 70, true, 500.0f, "une 65/18 à un débit de 500 L/min !!!", 70},
    {"100/25", 6.1f, 110, true, 1000.0f, "une 100/25 à un débit de 1000 L/min !!!", 110},
    {"LDV 500", 6.0f, 45, false, 500.0f, "Le débit maximum d'un LDV500 est de 500 L/min !!!", 0},
    {"LDV 1000", 6.0f, 70, false, 1000.0f, "Le débit maximum d'un LDV1000 est de 1000 L/min !!!", 70},
}};

// A pump rating: rated flow (L/min) and rated pressure (bar).
struct PumpRating {
    std::string_view name;  // as the pump list offers it
    std::int16_t flow;
    std::int16_t pressure;
};

inline constexpr std::array<PumpRating, 6> pumpRatings{{
    {"1000/10", 1000, 10},
    {"1000/15", 1000, 15},
    {"1500/10", 1500, 10},
    {"1500/15", 1500, 15},
    {"2000/10", 2000, 10},
    {"2000/15", 2000, 15},
}};

// Exact, case-sensitive look-ups; none for a name or diameter outside the tables.
const Hose* findHose(std::int16_t diameter);
const NozzleType* findNozzleType(std::string_view name);
const PumpRating* findPumpRating(std::string_view name);
// The hose of a nozzle type.
const Hose* nozzleHose(std::string_view nozzleType);

// The names of a table's rows, in its order, as the lists offer them.
template <typename Row, std::size_t N>
constexpr std::array<std::string_view, N> rowNames(const std::array<Row, N>& table)
{
    std::array<std::string_view, N> names{};
    for (std::size_t i = 0; i < N; ++i) names[i] = table[i].name;
    return names;
}

}  // namespace tavelle
