#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace tavelle {

// The one conversion of a number to its display text.
// Integers: plain digits, leading "-" when negative.
std::string integerText(long long value);

template <std::integral T>
std::string numberText(T value)
{
    return integerText(static_cast<long long>(value));
}

// Single precision: at most 7 significant digits; double: at most 15.
// Trailing zeros and a trailing separator are dropped; no exponent, no grouping.
std::string numberText(float value, std::string_view decimalSeparator);
std::string numberText(double value, std::string_view decimalSeparator);

}  // namespace tavelle
