#pragma once

#include "core/exercise_record.h"
#include "core/screens/entry_screens.h"
#include "core/screens/screen_texts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

struct ShownMessage {
    ScreenId screen;
    std::string text;
};

// What the walk through the screens showed, from the exercise screen to the final screen.
struct WalkResult {
    bool accepted = false;
    std::optional<ScreenId> refusedAt;
    std::vector<ScreenId> screens;
    std::vector<ShownMessage> messages;
    std::string statement;
    ScreenLoad schematic;
    ScreenLoad portionAb;
    ScreenLoad finalCalculation;
};

// "Suite >>" on the exercise screen and on each nozzle screen up to the nozzle count, stopping at
// the first refusal; when all are accepted, loads the statement, schematic and both calculations.
WalkResult walkExercise(const ExerciseInput& input, ExerciseRecord& record, std::string_view decimalSeparator);
// The same walk into an earlier walk's result, whose storage it reuses.
void walkExercise(const ExerciseInput& input, ExerciseRecord& record, std::string_view decimalSeparator,
                  WalkResult& result);

}  // namespace tavelle
