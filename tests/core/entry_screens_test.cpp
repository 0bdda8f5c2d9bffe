#include "core/entry_screens.h"
#include "core/screen_load.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tavelle {
namespace {

// Each list feeds a field of the record of its own name, and each screen's control names are its own.
TEST(EntryTable, EveryListFeedsTheRecordFieldOfItsKey)
{
    std::set<std::string> fields;
    ExerciseRecord record;
    forEachField(record, [&](const char* name, auto&) { fields.insert(name); });

    std::set<std::string> keys;
    for (ScreenId screen : entryScreens) {
        std::set<std::string_view> controls;
        for (const EntryList& list : entryLists(screen)) {
            EXPECT_EQ(list.screen, screen);
            EXPECT_TRUE(fields.contains(std::string(list.key))) << list.key;
            EXPECT_TRUE(keys.insert(std::string(list.key)).second) << list.key << " twice";
            EXPECT_TRUE(controls.insert(list.control).second) << list.control << " twice on " << screenName(screen);
            EXPECT_FALSE(list.items.empty()) << list.key;
            EXPECT_EQ(findEntryList(screen, list.control), &list);
            EXPECT_EQ(findEntryListByKey(list.key), &list);
        }
    }
    EXPECT_EQ(keys.size(), allEntryLists().size());
    EXPECT_EQ(findEntryList(ScreenId::Form2, "Combo6"), nullptr);
    EXPECT_EQ(findEntryListByKey("totalFlow"), nullptr);
}

// A list's choice lands in the choices its screen's rules read.
TEST(EntryTable, AChoiceReachesTheRulesOfItsScreen)
{
    for (const EntryList& list : allEntryLists()) {
        ExerciseInput input;
        list.choice(input) = std::string(list.items.back());
        for (ScreenId screen : entryScreens) {
            ExerciseRecord chosen;
            ExerciseRecord untouched;
            pressEntryScreen(screen, input, chosen);
            pressEntryScreen(screen, ExerciseInput{}, untouched);
            EXPECT_EQ(chosen != untouched, screen == list.screen) << list.key << " on " << screenName(screen);
        }
    }
}

TEST(EntryTable, OnlyTheFourEntryScreensHaveLists)
{
    for (ScreenId screen : allScreens) {
        const bool entry = screen == ScreenId::Form2 || screen == ScreenId::Lance1 || screen == ScreenId::Lance2 ||
                           screen == ScreenId::Lance3;
        EXPECT_EQ(isEntryScreen(screen), entry) << screenName(screen);
        EXPECT_EQ(entryLists(screen).empty(), !entry) << screenName(screen);
    }
}

TEST(ScreenLoad, ScreensOfFixedDesignLoadNothingAndWriteNothing)
{
    for (ScreenId screen : {ScreenId::f1, ScreenId::f2, ScreenId::fin, ScreenId::Form2, ScreenId::Lance1}) {
        ExerciseRecord record;
        record.nozzleCount = 1;
        EXPECT_TRUE(loadScreen(screen, record, ",").empty()) << screenName(screen);
        EXPECT_EQ(record.totalFlow, 0.0f);
    }
}

}  // namespace
}  // namespace tavelle
