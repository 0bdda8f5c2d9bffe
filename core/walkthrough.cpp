#include "core/walkthrough.h"

#include "core/portion_ab.h"
#include "core/portion_bc.h"
#include "core/problem_statement.h"
#include "core/schematic.h"

namespace tavelle {

namespace {

PressOutcome press(ScreenId screen, const ExerciseInput& input, ExerciseRecord& record)
{
    switch (screen) {
    case ScreenId::Form2: return pressExerciseSuite(input.exercise, record);
    case ScreenId::Lance1: return pressNozzle1Suite(input.nozzle1, record);
    case ScreenId::Lance2: return pressNozzle2Suite(input.nozzle2, record);
    default: return pressNozzle3Suite(input.nozzle3, record);
    }
}

}  // namespace

WalkResult walkExercise(const ExerciseInput& input, ExerciseRecord& record, std::string_view sep)
{
    WalkResult result;
    ScreenId screen = ScreenId::Form2;
    while (screen != ScreenId::Don) {
        result.screens.push_back(screen);
        PressOutcome outcome = press(screen, input, record);
        for (auto& text : outcome.warnings) result.messages.push_back({screen, std::move(text)});
        if (!outcome.accepted) {
            result.refusedAt = screen;
            return result;
        }
        screen = outcome.next;
    }

    result.accepted = true;
    result.screens.insert(result.screens.end(), {ScreenId::Don, ScreenId::Dessin, ScreenId::Calculs, ScreenId::Calculs2});
    result.statement = problemStatement(record, sep);
    result.schematic = loadSchematic(record, sep);
    result.portionAb = loadPortionAb(record, sep);
    result.finalCalculation = loadFinalCalculation(record, sep);
    return result;
}

}  // namespace tavelle
