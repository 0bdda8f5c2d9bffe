#pragma once

#include "core/screens/screen_flow.h"

#include <optional>
#include <string_view>

namespace tavelle {

// How far the trainee has come in the exercise being practised.
struct PracticeProgress {
    bool portionAbVerified = false;
    bool portionBcVerified = false;
};

// In practice the trainee answers before each calculation screen shows the worked answer, and a
// finished exercise ends on its summary. This gives where a button leads in practice; for any
// button it leaves alone, the normal flow applies. Each calculation screen is reached through its question
// window, which leads on once its answers are marked (and shows them as marked ever after), and back to
// where the trainee came from.
std::optional<Navigation> navigateInPractice(ScreenId from, std::string_view control,
                                             const PracticeProgress& progress, const ExerciseRecord& record);

// The control names of the practice windows' buttons.
namespace practiceControls {
inline constexpr std::string_view back = "backButton";
inline constexpr std::string_view check = "checkButton";
inline constexpr std::string_view showCalculation = "showCalculationButton";
inline constexpr std::string_view nextExercise = "nextExerciseButton";
inline constexpr std::string_view quit = "quitButton";
inline constexpr std::string_view changeTrainee = "changeTraineeButton";
}  // namespace practiceControls

}  // namespace tavelle
