#pragma once

#include "core/progress/practice_attempt.h"

#include <QString>

namespace tavelle {

// An attempt's answers as the class database keeps them, one JSON object:
// {"questionKey": {"given": "6,5", "right": true}, ...}.
QString answersJson(const PracticeAttempt& attempt);
// Reads them back into `attempt`; a question missing is an empty answer, not right.
void readAnswers(const QString& json, PracticeAttempt& attempt);

}  // namespace tavelle
