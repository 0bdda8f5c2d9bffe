#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

namespace tavelle {

// A number's display text held in place, so that a longer text can take it in without a string of its own.
class NumberChars {
public:
    // Wide enough for any double in plain positional notation, sign included; the separator is kept apart.
    static constexpr std::size_t capacity = 352;

    std::size_t size() const { return m_size + (m_size > m_integerEnd ? m_separator.size() : 0); }
    void appendTo(std::string& text) const;
    std::string str() const;

private:
    friend class NumberCharsWriter;
    std::array<char, capacity> m_chars;
    std::size_t m_size = 0;
    std::size_t m_integerEnd = 0;  // where the separator goes when a fraction follows
    std::string_view m_separator;
};

// Integers: plain digits, leading "-" when negative.
NumberChars integerChars(long long value);
// Single precision: at most 7 significant digits; double: at most 15.
// Trailing zeros and a trailing separator are dropped; no exponent, no grouping.
NumberChars numberChars(float value, std::string_view decimalSeparator);
NumberChars numberChars(double value, std::string_view decimalSeparator);

template <std::integral T>
NumberChars numberChars(T value)
{
    return integerChars(static_cast<long long>(value));
}

// The one conversion of a number to its display text.
std::string integerText(long long value);
// A count in a sentence, as French writes it: thousands apart by a narrow no-break space ("100 000").
std::string groupedInteger(long long value);

template <std::integral T>
std::string numberText(T value)
{
    return integerText(static_cast<long long>(value));
}

std::string numberText(float value, std::string_view decimalSeparator);
std::string numberText(double value, std::string_view decimalSeparator);

}  // namespace tavelle
