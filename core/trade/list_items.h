#pragma once

#include "core/trade/trade_tables.h"

#include <array>
#include <span>
#include <string_view>

namespace tavelle::listItems {

// The fixed items of every drop-down list of the entry screens, in their order; the pumps and the
// nozzle types are the rows of the trade's tables.
inline constexpr auto pumpRatings = rowNames(tavelle::pumpRatings);
inline constexpr std::array<std::string_view, 3> feedDiameters{"45", "70", "110"};
inline constexpr std::array<std::string_view, 25> feedLengths{
    "20",  "40",  "60",  "80",  "120", "160", "200", "240",  "280",  "320",  "360",  "400", "440",
    "480", "500", "750", "800", "850", "900", "950", "1000", "1500", "2000", "2500", "3000"};
inline constexpr std::array<std::string_view, 3> nozzleCounts{"1", "2", "3"};
inline constexpr std::array<std::string_view, 3> feedSlopeKinds{"nulle", "positive", "négative"};
inline constexpr std::array<std::string_view, 7> slopePercents{"0", "2", "3", "5", "6", "10", "12"};

inline constexpr auto nozzleTypes = rowNames(tavelle::nozzleTypes);
inline constexpr std::array<std::string_view, 10> nozzleFlows{"125", "200", "250", "300", "400",
                                                              "450", "500", "600", "750", "1000"};
inline constexpr std::array<std::string_view, 19> nozzle1Heights{
    "0", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "15", "17", "20", "22", "24", "25", "30", "32"};
inline constexpr std::array<std::string_view, 3> hoseCounts{"1", "2", "3"};
inline constexpr std::array<std::string_view, 5> elevations{"310", "312", "314", "326", "330"};
inline constexpr std::array<std::string_view, 3> nozzle3SlopeKinds{"nulle", "Positive", "négative"};

}  // namespace tavelle::listItems
