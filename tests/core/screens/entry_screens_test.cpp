#include "core/screens/entry_screens.h"
#include "core/screens/screen_load.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

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

// The items of every list, in the order the trainee sees them.
TEST(EntryTable, ListsOfferTheirItemsInDesignOrder)
{
    using Items = std::vector<std::string_view>;
    const Items types{"40/14", "65/18", "100/25", "LDV 500", "LDV 1000"};
    const Items flows{"125", "200", "250", "300", "400", "450", "500", "600", "750", "1000"};
    const Items hoses{"1", "2", "3"};
    const Items percents{"0", "2", "3", "5", "6", "10", "12"};
    const Items elevations{"310", "312", "314", "326", "330"};
    const std::pair<const char*, Items> design[] = {
        {"pumpRating", {"1000/10", "1000/15", "1500/10", "1500/15", "2000/10", "2000/15"}},
        {"feedDiameter", {"45", "70", "110"}},
        {"feedLength", {"20",  "40",  "60",  "80",  "120", "160", "200", "240",  "280",  "320",  "360",  "400", "440",
                        "480", "500", "750", "800", "850", "900", "950", "1000", "1500", "2000", "2500", "3000"}},
        {"nozzleCount", {"1", "2", "3"}},
        {"slopeKind", {"nulle", "positive", "négative"}},
        {"slopePercent", percents},
        {"nozzle1Type", types},
        {"nozzle1Flow", flows},
        {"nozzle1Height",
         {"0", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "15", "17", "20", "22", "24", "25", "30", "32"}},
        {"nozzle1HoseCount", hoses},
        {"nozzle2Type", types},
        {"nozzle2Flow", flows},
        {"divisionElevation", elevations},
        {"nozzle2Elevation", elevations},
        {"nozzle2HoseCount", hoses},
        {"nozzle3Type", types},
        {"nozzle3Flow", flows},
        {"nozzle3HoseCount", hoses},
        {"nozzle3SlopeKind", {"nulle", "Positive", "négative"}},
        {"nozzle3SlopePercent", percents},
    };
    ASSERT_EQ(std::size(design), allEntryLists().size());
    for (const auto& [key, items] : design) {
        const EntryList* list = findEntryListByKey(key);
        ASSERT_NE(list, nullptr) << key;
        EXPECT_EQ(Items(list->items.begin(), list->items.end()), items) << key;
    }
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
