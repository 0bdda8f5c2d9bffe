#pragma once

#include "core/entry_rules.h"
#include "core/exercise_record.h"
#include "core/screen_texts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// One exercise as a trainee enters it: the choices of every entry screen.
struct ExerciseInput {
    ExerciseChoices exercise;
    Nozzle1Choices nozzle1;
    Nozzle2Choices nozzle2;
    Nozzle3Choices nozzle3;
};

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
    std::vector<ControlState> schematic;
    LabelTexts portionAb;
    LabelTexts finalCalculation;
};

// "Suite >>" on the exercise screen and on each nozzle screen up to the nozzle count, stopping at
// the first refusal; when all are accepted, loads the statement, schematic and both calculations.
WalkResult walkExercise(const ExerciseInput& input, ExerciseRecord& record, std::string_view decimalSeparator);

}  // namespace tavelle
