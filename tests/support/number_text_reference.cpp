#include "tests/support/number_text_reference.h"

#include <charconv>
#include <cmath>

namespace tavelle::reference {

std::string significantText(double value, int digits, std::string_view separator)
{
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) return "0";

    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, digits - 1);
    std::string mantissa;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (*p != '.') mantissa.push_back(*p);
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), written.ptr, exponent);

    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string integerPart;
    std::string fraction;
    if (exponent >= 0) {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= intDigits) {
            integerPart = mantissa + std::string(intDigits - mantissa.size(), '0');
        } else {
            integerPart = mantissa.substr(0, intDigits);
            fraction = mantissa.substr(intDigits);
        }
    } else {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }

    std::string text = value < 0 ? "-" : "";
    text += integerPart;
    if (!fraction.empty()) {
        text += separator;
        text += fraction;
    }
    return text;
}

}  // namespace tavelle::reference
