#include "core/text/number_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tavelle {

void NumberChars::appendTo(std::string& text) const
{
    text.append(m_chars.data(), m_integerEnd);
    if (m_size > m_integerEnd) {
        text += m_separator;
        text.append(m_chars.data() + m_integerEnd, m_size - m_integerEnd);
    }
}

std::string NumberChars::str() const
{
    std::string text;
    text.reserve(size());
    appendTo(text);
    return text;
}

// Lays a number's text out into a NumberChars, its fraction after the separator's place.
class NumberCharsWriter {
public:
    explicit NumberCharsWriter(NumberChars& out)
        : m_out(out)
    {
    }

    void put(char c) { m_out.m_chars[m_out.m_size++] = c; }
    void put(std::string_view text)
    {
        std::memcpy(m_out.m_chars.data() + m_out.m_size, text.data(), text.size());
        m_out.m_size += text.size();
    }
    void zeros(std::size_t count)
    {
        std::memset(m_out.m_chars.data() + m_out.m_size, '0', count);
        m_out.m_size += count;
    }
    void endInteger() { m_out.m_integerEnd = m_out.m_size; }
    void separator(std::string_view separator) { m_out.m_separator = separator; }

private:
    NumberChars& m_out;
};

NumberChars integerChars(long long value)
{
    NumberChars chars;
    NumberCharsWriter out(chars);
    char buffer[24];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.put(std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer)));
    out.endInteger();
    return chars;
}

namespace {

// A decimal value as its significant digits (no trailing zero) and the power of ten of the first one.
struct Significand {
    char digits[24];
    std::size_t count = 0;
    int exponent = 0;
};

// Reads the digits and exponent of to_chars' scientific form, "d.ddde-XX".
Significand fromScientific(const char* text, const char* end)
{
    Significand s;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.') s.digits[s.count++] = *p;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, s.exponent);
    while (s.count > 1 && s.digits[s.count - 1] == '0') --s.count;
    return s;
}

// Rounds the exact binary value to `digits` significant digits, as to_chars' scientific form with a precision does.
Significand roundedSignificand(double magnitude, int digits)
{
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, digits - 1);
    return fromScientific(buffer, written.ptr);
}

constexpr std::array<double, 13> exactPowersOfTen{1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

// The seven significant digits of a positive float, rounded half to even on its exact value, as long as the
// arithmetic stays exact: up to 10^12 times the float's value a double holds the product exactly (m x 5^12 needs
// 52 bits), and a float of 10^7 or more is a whole number that a 64-bit integer holds. False beyond those.
bool sevenDigits(float magnitude, Significand& s)
{
    // floor(log10(2) x binary exponent): the power of ten of the leading digit, or one below it.
    int exponent = ((static_cast<int>(std::bit_cast<std::uint32_t>(magnitude) >> 23) - 127) * 78913) >> 18;
    std::uint64_t quotient = 0;
    bool roundUp = false;
    for (;;) {
        const int scale = 6 - exponent;
        if (scale > 12 || scale < -12) return false;
        if (scale >= 0) {
            const double scaled = magnitude * exactPowersOfTen[static_cast<std::size_t>(scale)];
            if (scaled >= 1e7) {
                ++exponent;
                continue;
            }
            quotient = static_cast<std::uint64_t>(scaled);
            const double fraction = scaled - static_cast<double>(quotient);
            roundUp = fraction > 0.5 || (fraction == 0.5 && (quotient & 1) != 0);
        } else {
            const auto whole = static_cast<std::uint64_t>(magnitude);
            const auto divisor = static_cast<std::uint64_t>(exactPowersOfTen[static_cast<std::size_t>(-scale)]);
            quotient = whole / divisor;
            if (quotient >= 10'000'000) {
                ++exponent;
                continue;
            }
            const std::uint64_t twice = whole % divisor * 2;
            roundUp = twice > divisor || (twice == divisor && (quotient & 1) != 0);
        }
        break;
    }
    if (roundUp) ++quotient;
    if (quotient == 10'000'000) {
        quotient = 1'000'000;
        ++exponent;
    }

    s.exponent = exponent;
    s.count = 7;
    while (quotient % 10 == 0) {
        quotient /= 10;
        --s.count;
    }
    for (std::size_t i = s.count; i-- > 0; quotient /= 10) s.digits[i] = static_cast<char>('0' + quotient % 10);
    return true;
}

NumberChars positional(bool negative, const Significand& s, std::string_view separator)
{
    NumberChars chars;
    NumberCharsWriter out(chars);
    out.separator(separator);
    if (negative) out.put('-');
    const std::string_view digits(s.digits, s.count);
    if (s.exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(s.exponent) + 1;
        if (digits.size() <= integerDigits) {
            out.put(digits);
            out.zeros(integerDigits - digits.size());
            out.endInteger();
        } else {
            out.put(digits.substr(0, integerDigits));
            out.endInteger();
            out.put(digits.substr(integerDigits));
        }
    } else {
        out.put('0');
        out.endInteger();
        out.zeros(static_cast<std::size_t>(-s.exponent - 1));
        out.put(digits);
    }
    return chars;
}

// NaN, the infinities and zero (-0 folds into "0"); null for every other value.
const char* specialText(double value)
{
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) return "0";
    return nullptr;
}

NumberChars wordChars(const char* word)
{
    NumberChars chars;
    NumberCharsWriter out(chars);
    out.put(word);
    out.endInteger();
    return chars;
}

}  // namespace

NumberChars numberChars(float value, std::string_view decimalSeparator)
{
    if (const char* word = specialText(value)) return wordChars(word);
    const float magnitude = std::fabs(value);
    Significand s;
    if (!sevenDigits(magnitude, s)) s = roundedSignificand(magnitude, 7);
    return positional(value < 0, s, decimalSeparator);
}

NumberChars numberChars(double value, std::string_view decimalSeparator)
{
    if (const char* word = specialText(value)) return wordChars(word);
    const double magnitude = std::fabs(value);
    // Any decimal of at most 15 digits survives a trip through a normal double, so the shortest form that reads
    // back, when that short, is the value rounded to 15 digits.
    if (magnitude >= std::numeric_limits<double>::min()) {
        char buffer[40];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
        const Significand shortest = fromScientific(buffer, written.ptr);
        if (shortest.count <= 15) return positional(value < 0, shortest, decimalSeparator);
    }
    return positional(value < 0, roundedSignificand(magnitude, 15), decimalSeparator);
}

std::string integerText(long long value)
{
    return integerChars(value).str();
}

std::string groupedInteger(long long value)
{
    const std::string digits = integerText(value);
    const std::size_t first = value < 0 ? 1 : 0;
    std::string grouped = digits.substr(0, first);
    for (std::size_t i = first; i < digits.size(); ++i) {
        if (i > first && (digits.size() - i) % 3 == 0) grouped += "\u202F";
        grouped += digits[i];
    }
    return grouped;
}

std::string numberText(float value, std::string_view decimalSeparator)
{
    return numberChars(value, decimalSeparator).str();
}

std::string numberText(double value, std::string_view decimalSeparator)
{
    return numberChars(value, decimalSeparator).str();
}

}  // namespace tavelle
