#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_id.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tavelle::testing {

bool isResultScreen(ScreenId screen);

// What a control of a result screen shows once the screen has loaded.
struct ExpectedControl {
    std::optional<std::string> text;  // none: its design caption stays
    std::optional<bool> visible;  // none: the load leaves it as designed
};

struct ExpectedLoad {
    std::map<std::string, ExpectedControl> controls;  // by control name
    ExerciseRecord record;  // as the load leaves it
};

// A screen opened on `record`, as the core's load of it computes on this copy.
ExpectedLoad expectedLoad(ScreenId screen, ExerciseRecord record, std::string_view decimalSeparator);

}  // namespace tavelle::testing
