#include "core/practice/answer_marking.h"

#include "core/text/joined_text.h"
#include "core/text/number_text.h"
#include "core/trade/portion_ab.h"
#include "core/trade/portion_bc.h"

#include <cmath>
#include <string>

namespace tavelle {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

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

namespace tavelle {

namespace {

Mark right()
{
    return {MarkKind::right, "Juste"};
}

Mark wrongValue(double expected, std::string_view sep)
{
    return {MarkKind::wrong,
            joinedText("Faux : la valeur attendue est ", numberChars(static_cast<float>(expected), sep), " b")};
}

Mark wrongChoice(std::string_view expected)
{
    return {MarkKind::wrong, joinedText("Faux : la réponse attendue est « ", expected, " »")};
}

Mark markPressure(std::string_view typed, double exact, std::string_view sep)
{
    const std::optional<double> value = typedPressure(typed);
    if (typed.find_first_not_of(" \t") == std::string_view::npos)
        return {MarkKind::notANumber, joinedText("Répondez : tapez une pression en bars, par exemple 6", sep, "5")};
    if (!value)
        return {MarkKind::notANumber,
                joinedText("Ce n'est pas un nombre : tapez une pression en bars, par exemple 6", sep, "5")};
    return pressureIsRight(*value, exact) ? right() : wrongValue(exact, sep);
}

Mark markChoice(std::string_view typed, std::string_view expected)
{
    if (typed.empty()) return {MarkKind::notANumber, "Choisissez une réponse dans la liste"};
    return typed == expected ? right() : wrongChoice(expected);
}

}  // namespace

Mark markAnswer(Question question, std::string_view typed, const ExpectedAnswers& expected, std::string_view sep)
{
    switch (question) {
    case Question::worstNozzle: return markChoice(typed, nozzleAnswer(expected.worstNozzle));
    case Question::worstNozzleLoss: return markPressure(typed, expected.worstNozzleLoss, sep);
    case Question::feedLoss: return markPressure(typed, expected.feedLoss, sep);
    case Question::pumpPressure: return markPressure(typed, expected.pumpPressure, sep);
    case Question::pumpVerdict:
        return markChoice(typed, expected.pumpSufficient ? pumpSufficesAnswer : relayNeededAnswer);
    }
    return {};
}

ExpectedAnswers expectedAnswers(const ExerciseRecord& record)
{
    const WorstNozzle worst = worstNozzle(record);
    // The final screen reads the most unfavourable nozzle from the record, as the portion AB load leaves it.
    ExerciseRecord worked = record;
    worked.worstNozzleLoss = worst.worstNozzleLoss;
    worked.worstNozzlePressure = worst.worstNozzlePressure;
    const FinalResults final = finalResults(worked);
    return {worst.nozzle, worst.worstNozzleLoss, final.feedLoss, final.pumpPressure, final.pumpSufficient};
}

}  // namespace tavelle
