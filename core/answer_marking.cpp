#include "core/answer_marking.h"

#include <cmath>
#include <string>

namespace tavelle {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The no-break space and the narrow no-break space French puts before a unit, in UTF-8.
constexpr std::string_view noBreakSpaces[] = {"\xC2\xA0", "\xE2\x80\xAF"};

std::string_view trimmed(std::string_view text)
{
    for (bool more = true; more;) {
        more = false;
        while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
        while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
        for (std::string_view space : noBreakSpaces) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                more = true;
            }
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                more = true;
            }
        }
    }
    return text;
}

bool endsWithUnit(std::string_view text, std::string_view unit)
{
    if (text.size() < unit.size()) return false;
    const std::string_view tail = text.substr(text.size() - unit.size());
    for (std::size_t i = 0; i < unit.size(); ++i)
        if ((tail[i] | 0x20) != unit[i]) return false;
    return true;
}

// No pressure of a hose layout comes near this; anything beyond is a slip of the keyboard.
constexpr double largestPressure = 1e6;

}  // namespace

std::optional<double> typedPressure(std::string_view typed)
{
    std::string_view text = trimmed(typed);
    for (std::string_view unit : {"bars", "bar", "b"}) {
        if (endsWithUnit(text, unit)) {
            text = trimmed(text.substr(0, text.size() - unit.size()));
            break;
        }
    }

    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text = trimmed(text.substr(1));
    }

    double whole = 0;
    double fraction = 0;
    double scale = 1;
    int digits = 0;
    bool separatorSeen = false;
    for (char c : text) {
        if (isDigit(c)) {
            ++digits;
            if (separatorSeen) {
                scale /= 10;
                fraction += (c - '0') * scale;
            } else {
                whole = whole * 10 + (c - '0');
            }
        } else if ((c == ',' || c == '.') && !separatorSeen) {
            separatorSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    const double value = whole + fraction;
    if (!(value < largestPressure)) return std::nullopt;
    return negative ? -value : value;
}

bool pressureIsRight(double typed, double exact)
{
    // The exact value is a single-precision one: a tenth away from what the screen shows may stand a few
    // millionths further from the float itself.
    return std::fabs(typed - exact) <= pressureTolerance + 1e-5;
}

}  // namespace tavelle
