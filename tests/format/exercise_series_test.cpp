// A series gains an exercise at its end, in every shape a series file takes, and loses none.
#include "format/exercise_series.h"
#include "format/exercise_writer.h"
#include "tests/support/named_exercises.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelle {
namespace {

std::string written(const ExerciseInput& exercise)
{
    JsonWriter json;
    writeExercise(json, exercise);
    return json.text();
}

SeriesReading read(std::string_view text)
{
    ExerciseReader reader(text);
    return readSeries(reader);
}

struct SeriesShape {
    const char* name;
    std::string series;
    std::size_t held;
};

class SeriesGains : public ::testing::TestWithParam<SeriesShape> {};

TEST_P(SeriesGains, TheExerciseAtItsEnd)
{
    const std::string text = seriesWithExercise(GetParam().series, testing::threeNozzles());
    const SeriesReading series = read(text);
    ASSERT_FALSE(series.refusal) << *series.refusal << '\n' << text;
    ASSERT_EQ(series.exercises.size(), GetParam().held + 1) << text;
    for (std::size_t i = 0; i < GetParam().held; ++i)
        EXPECT_EQ(written(series.exercises[i]), written(testing::walkThroughExercise(1))) << text;
    EXPECT_EQ(written(series.exercises.back()), written(testing::threeNozzles())) << text;
}

const std::string one = written(testing::walkThroughExercise(1));

INSTANTIATE_TEST_SUITE_P(Shapes, SeriesGains,
                         ::testing::Values(SeriesShape{"blank", " \n", 0}, SeriesShape{"emptyArray", "[ \n ]\n", 0},
                                           SeriesShape{"single", "\xEF\xBB\xBF" + one + "\n", 1},
                                           SeriesShape{"array", "[" + one + ",\r\n" + one + "]", 2}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ReadSeries, NamesTheExerciseTheEntryScreensRefuse)
{
    const SeriesReading series = read("[" + one + R"(, {"pumpRating": "1000/15"}])");
    ASSERT_TRUE(series.refusal);
    EXPECT_EQ(series.refusedExercise, 2u);
    EXPECT_TRUE(series.exercises.empty());
}

}  // namespace
}  // namespace tavelle
