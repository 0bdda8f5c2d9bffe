#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_id.h"

#include <optional>
#include <string_view>

namespace tavelle {

// A modal screen keeps the rest of the application from input while it is open.
enum class Modality { Modal, Modeless };

// Where a navigation button leads. Every handler closes its own screen first (except where
// the program ends at once), then opens at most one screen.
struct Navigation {
    enum class Kind { Open, EndProgram };
    Kind kind = Kind::Open;
    ScreenId target = ScreenId::f1;
    Modality modality = Modality::Modal;
};

// The button that goes on through an exercise on each of its windows: "Suite >>", "Schema >>", "Calculs >>",
// "Suite>>", "Nouvel Exercice".
inline constexpr std::string_view wayForward = "Command1";

// The navigation of the buttons that do not validate; "Suite >>" of the entry screens goes
// through the entry rules instead. None for a control that does not navigate.
std::optional<Navigation> navigate(ScreenId from, std::string_view control, const ExerciseRecord& record);

}  // namespace tavelle
