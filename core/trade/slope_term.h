#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavelle {

// A line of hoses laid on a slope climbs percent / 100 × its length in metres, and every 10 m of height
// costs 1 b: the term is (percent / 100 × length) / 10, negative on a falling slope. The feed line and
// nozzle 3's hoses both count their slope this way.
double slopeTerm(std::int16_t percent, int lengthMetres);

// Appends the slope's line, `name` = "(percent / 100 x length) / 10 = term" ("J pente = (5 / 100 x 200) / 10 = 1b"),
// the term shown unrounded; returns that term.
double appendSlopeLine(std::string& line, std::string_view name, std::int16_t percent, int lengthMetres,
                       std::string_view decimalSeparator);

}  // namespace tavelle
