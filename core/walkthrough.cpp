#include "core/walkthrough.h"

#include "core/screen_flow.h"
#include "core/screen_load.h"

namespace tavelle {

WalkResult walkExercise(const ExerciseInput& input, ExerciseRecord& record, std::string_view sep)
{
    WalkResult result;
    ScreenId screen = ScreenId::Form2;
    while (isEntryScreen(screen)) {
        result.screens.push_back(screen);
        PressOutcome outcome = pressEntryScreen(screen, input, record);
        for (auto& text : outcome.warnings) result.messages.push_back({screen, std::move(text)});
        if (!outcome.accepted) {
            result.refusedAt = screen;
            return result;
        }
        screen = outcome.next;
    }

    // The result screens in the order their forward buttons open them, from the statement to the end.
    result.accepted = true;
    std::vector<ScreenLoad> loads;
    while (loads.size() < 4) {
        result.screens.push_back(screen);
        loads.push_back(loadScreen(screen, record, sep));
        screen = navigate(screen, "Command1", record)->target;
    }
    result.statement = loads[0].front().text;
    result.schematic = std::move(loads[1]);
    result.portionAb = std::move(loads[2]);
    result.finalCalculation = std::move(loads[3]);
    return result;
}

}  // namespace tavelle
