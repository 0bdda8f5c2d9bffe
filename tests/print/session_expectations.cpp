#include "session_expectations.h"

#include "core/screens/screen_load.h"

namespace tavelle::testing {

bool isResultScreen(ScreenId screen)
{
    return screen == ScreenId::Don || screen == ScreenId::Dessin || screen == ScreenId::Calculs ||
           screen == ScreenId::Calculs2;
}

ExpectedLoad expectedLoad(ScreenId screen, ExerciseRecord record, std::string_view decimalSeparator)
{
    ExpectedLoad load;
    // In the order the load sets them: a control set twice shows what it was set to last.
    for (const ControlState& state : loadScreen(screen, record, decimalSeparator)) {
        ExpectedControl& control = load.controls[std::string(state.name)];
        if (state.hasText) control.text = state.text;
        control.visible = state.visible;
    }
    load.record = std::move(record);
    return load;
}

}  // namespace tavelle::testing
