#pragma once

#include "core/exercise_record.h"
#include "core/screens/entry_screens.h"
#include "core/screens/screen_id.h"
#include "session_random.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle::testing {

// One list and the item taken from it; an empty item leaves the list without a choice, as a trainee
// who never opens it does.
struct ListChoice {
    std::string list;
    std::string item;
};

// The choices a trainee makes on a fresh entry screen. Seven times in ten they are choices the entry
// rules accept for the record as it stands (the walk then goes on to the result screens); otherwise
// every list is drawn uniformly, no choice included.
std::vector<ListChoice> drawEntryChoices(ScreenId screen, const ExerciseRecord& record, SessionRandom& random);

// The items chosen so far on an entry screen, by list name; a list not named has no choice.
using ChosenItems = std::map<std::string, std::string>;

// What "Suite >>" of that screen does with those items, by the entry rules.
PressOutcome pressSuite(ScreenId screen, const ChosenItems& chosen, ExerciseRecord& record);

}  // namespace tavelle::testing
