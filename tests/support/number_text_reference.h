#pragma once

#include <string>
#include <string_view>

namespace tavelle::reference {

// Rounds the exact binary value to `digits` significant digits (to_chars' scientific form with a precision) and
// writes it in plain positional notation, trailing zeros dropped: what numberText must show, character for character.
std::string significantText(double value, int digits, std::string_view separator);

inline std::string numberText(float value, std::string_view separator)
{
    return significantText(value, 7, separator);
}

inline std::string numberText(double value, std::string_view separator)
{
    return significantText(value, 15, separator);
}

}  // namespace tavelle::reference
