#include "core/practice/practice_flow.h"

namespace tavelle {

namespace {

Navigation open(ScreenId target) { return {Navigation::Kind::Open, target, Modality::Modal}; }

}  // namespace

std::optional<Navigation> navigateInPractice(ScreenId from, std::string_view control,
                                             const PracticeProgress& progress, const ExerciseRecord& record)
{
    const bool forward = control == "Command1";
    switch (from) {
    case ScreenId::Dessin:
        if (forward) return open(ScreenId::QuestionAB);
        break;
    case ScreenId::Calculs:
        if (forward) return open(ScreenId::QuestionBC);
        break;
    case ScreenId::Calculs2:
        if (forward) return open(ScreenId::Bilan);
        break;
    case ScreenId::QuestionAB:
        if (control == practiceControls::back) return open(ScreenId::Dessin);
        if (control == practiceControls::showCalculation && progress.portionAbVerified) return open(ScreenId::Calculs);
        break;
    case ScreenId::QuestionBC:
        if (control == practiceControls::back) return open(ScreenId::Calculs);
        if (control == practiceControls::showCalculation && progress.portionBcVerified)
            return open(ScreenId::Calculs2);
        break;
    case ScreenId::Bilan:
        if (control == practiceControls::nextExercise) return open(ScreenId::Form2);
        if (control == practiceControls::quit) return open(ScreenId::fin);
        break;
    default:
        break;
    }
    return navigate(from, control, record);
}

}  // namespace tavelle
