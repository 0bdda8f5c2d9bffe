#include "core/screens/walkthrough.h"

#include "core/screens/screen_flow.h"
#include "core/screens/screen_load.h"
#include "core/trade/problem_statement.h"

namespace tavelle {

WalkResult walkExercise(const ExerciseInput& input, ExerciseRecord& record, std::string_view sep)
{
    WalkResult result;
    walkExercise(input, record, sep, result);
    return result;
}

void walkExercise(const ExerciseInput& input, ExerciseRecord& record, std::string_view sep, WalkResult& result)
{
    result.accepted = false;
    result.refusedAt.reset();
    result.screens.clear();
    result.messages.clear();

    ScreenId screen = ScreenId::Form2;
    while (isEntryScreen(screen)) {
        result.screens.push_back(screen);
        PressOutcome outcome = pressEntryScreen(screen, input, record);
        for (auto& text : outcome.warnings) result.messages.push_back({screen, std::move(text)});
        if (!outcome.accepted) {
            // No result screen opens; an accepted walk writes over the loads instead, keeping their storage.
            result.refusedAt = screen;
            result.statement.clear();
            result.schematic.clear();
            result.portionAb.clear();
            result.finalCalculation.clear();
            return;
        }
        screen = outcome.next;
    }

    // The result screens in the order their forward buttons open them, from the statement to the end; the
    // statement screen's one label is kept as its text alone.
    result.accepted = true;
    result.screens.push_back(screen);
    writeProblemStatement(record, sep, result.statement);
    for (ScreenLoad* load : {&result.schematic, &result.portionAb, &result.finalCalculation}) {
        screen = navigate(screen, "Command1", record)->target;
        result.screens.push_back(screen);
        loadScreen(screen, record, sep, *load);
    }
}

}  // namespace tavelle
