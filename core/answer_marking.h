#pragma once

#include <optional>
#include <string_view>

namespace tavelle {

// A pressure or loss the trainee typed, read as a French or English number: a comma or a point as
// decimal separator, blanks (no-break ones too) anywhere around it, an optional sign and an optional unit "b", "bar"
// or "bars".
// None when it is not such a number (empty, a second sign, an exponent, a value out of any pressure's
// range), so the question is asked again rather than marked against a silent zero.
std::optional<double> typedPressure(std::string_view typed);

// A typed pressure is right within a tenth of a bar of the exact value, either side.
inline constexpr double pressureTolerance = 0.1;
bool pressureIsRight(double typed, double exact);

}  // namespace tavelle
