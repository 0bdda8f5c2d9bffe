#pragma once

#include "core/screens/entry_screens.h"

#include <QString>

#include <optional>
#include <vector>

namespace tavelle {

// Reads a file of exercises for practice, checking each against the entry rules. The French message
// naming the file, the exercise and the reason when the file cannot be practised.
struct PracticeFile {
    std::vector<ExerciseInput> exercises;
    std::optional<QString> refusal;
};
PracticeFile readPracticeFile(const QString& path);

}  // namespace tavelle
