#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_flow.h"

#include <optional>
#include <string_view>

namespace tavelle {

class ScreenWindow;

// What the navigator asks of the way the screens are walked: the walk-through's own flow, or practice.
class NavigationMode {
public:
    virtual ~NavigationMode() = default;

    virtual ScreenId firstScreen() const = 0;
    // Where a button leads; none when it leads nowhere.
    virtual std::optional<Navigation> navigate(ScreenId from, std::string_view control,
                                               const ExerciseRecord& record) = 0;
    // Fills a window just opened and loaded from the record, which outlives it.
    virtual void prepare(ScreenWindow& screen, const ExerciseRecord& record) = 0;
};

}  // namespace tavelle
