#include "core/exercise_record.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>

namespace tavelle {
namespace {

constexpr int kFieldCount = 29;

// Changes one field so that it differs from its former value, whatever its type.
struct ChangeField {
    template <typename Field>
    void operator()(Field& field) const
    {
        if constexpr (std::is_same_v<Field, std::string>)
            field += "x";
        else
            field = static_cast<Field>(field + 1);
    }
};

ExerciseRecord changedAt(const ExerciseRecord& record, int index)
{
    ExerciseRecord changed = record;
    int visited = 0;
    forEachField(changed, [&](const char*, auto& field) {
        if (visited++ == index) ChangeField{}(field);
    });
    return changed;
}

TEST(ExerciseRecordFields, ListedOnceEachInDeclarationOrder)
{
    ExerciseRecord record;
    std::vector<std::string> names;
    forEachField(record, [&](const char* name, auto&) { names.emplace_back(name); });
    ASSERT_EQ(names.size(), static_cast<std::size_t>(kFieldCount));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(names.front(), "pumpRating");
    EXPECT_EQ(names.back(), "worstNozzlePressure");
}

// Tools list the record through forEachField and tests compare records with ==: a field that one of
// them missed would go unseen.
TEST(ExerciseRecordFields, EveryListedFieldTakesPartInTheComparison)
{
    const ExerciseRecord record;
    for (int index = 0; index < kFieldCount; ++index) EXPECT_NE(changedAt(record, index), record) << "field " << index;
}

}  // namespace
}  // namespace tavelle
