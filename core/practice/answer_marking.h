#pragma once

#include "core/exercise_record.h"
#include "core/practice/practice_questions.h"

#include <optional>
#include <string>
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

// What the calculation screens will show, as values: the answers the trainee is marked against.
struct ExpectedAnswers {
    int worstNozzle = 1;
    float worstNozzleLoss = 0;
    float feedLoss = 0;
    float pumpPressure = 0;
    bool pumpSufficient = false;
};

// The answers of the exercise in the record, once the schematic has derived the nozzle values.
ExpectedAnswers expectedAnswers(const ExerciseRecord& record);

enum class MarkKind { right, wrong, notANumber };

struct Mark {
    MarkKind kind = MarkKind::notANumber;
    std::string text;  // what the window shows beside the answer
};

// Marks one typed answer against the expected value; numbers use `decimalSeparator` in the text.
Mark markAnswer(Question question, std::string_view typed, const ExpectedAnswers& expected,
                std::string_view decimalSeparator);

}  // namespace tavelle
