#include "core/trade/slope_term.h"

#include "core/text/joined_text.h"

namespace tavelle {

double slopeTerm(std::int16_t percent, int lengthMetres)
{
    return percent / 1000.0 * lengthMetres;
}

double appendSlopeLine(std::string& line, std::string_view name, std::int16_t percent, int lengthMetres,
                       std::string_view sep)
{
    const double term = slopeTerm(percent, lengthMetres);
    appendJoined(line, name, " = (", numberChars(percent), " / 100 x ", numberChars(lengthMetres),
                 ") / 10 = ", numberChars(term, sep), "b");
    return term;
}

}  // namespace tavelle
