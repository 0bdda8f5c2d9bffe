#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_id.h"
#include "core/trade/entry_rules.h"

#include <span>
#include <string>
#include <string_view>

namespace tavelle {

// One exercise as a trainee enters it: the choices of every entry screen.
struct ExerciseInput {
    ExerciseChoices exercise;
    Nozzle1Choices nozzle1;
    Nozzle2Choices nozzle2;
    Nozzle3Choices nozzle3;
};

// One drop-down list of an entry screen: the record field it feeds (also its key in exercise files),
// the list's control name on its screen, its items, and where its current text goes in an input.
struct EntryList {
    ScreenId screen;
    std::string_view key;
    std::string_view control;
    std::span<const std::string_view> items;
    std::string& (*choice)(ExerciseInput& input);
};

inline constexpr ScreenId entryScreens[] = {ScreenId::Form2, ScreenId::Lance1, ScreenId::Lance2, ScreenId::Lance3};

bool isEntryScreen(ScreenId screen);

// Every list of every entry screen, in record order; each screen's lists are consecutive.
std::span<const EntryList> allEntryLists();
// The lists of one entry screen, in record order; none for any other screen.
std::span<const EntryList> entryLists(ScreenId screen);
const EntryList* findEntryList(ScreenId screen, std::string_view control);
const EntryList* findEntryListByKey(std::string_view key);

// "Suite >>" on an entry screen whose lists show the input's choices for it: writes that screen's
// fields of the record and says what follows. The screen must be one of entryScreens.
PressOutcome pressEntryScreen(ScreenId screen, const ExerciseInput& input, ExerciseRecord& record);

}  // namespace tavelle
