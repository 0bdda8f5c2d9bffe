#include "core/screens/walkthrough.h"
#include "core/trade/pressure_line.h"
#include "tests/support/named_exercises.h"

#include <gtest/gtest.h>

namespace tavelle {
namespace {

// examples/three_nozzles.json: nozzle 3 needs the most at the division, 60 m of hoses beyond it.
ExerciseInput threeNozzleExample()
{
    ExerciseInput in;
    in.exercise = {"2000/15", "110", "200", "3", "positive", "5"};
    in.nozzle1 = {"40/14", "250", "10", "1"};
    in.nozzle2 = {"65/18", "500", "310", "326", "2"};
    in.nozzle3 = {"LDV 1000", "750", "3", "négative", "5"};
    return in;
}

PressureLine lineOf(const ExerciseInput& in)
{
    ExerciseRecord record;
    EXPECT_TRUE(walkExercise(in, record, ",").accepted);
    return pressureLine(record);
}

TEST(PressureLine, ThreeNozzleExampleFallsFromThePumpToTheWorstNozzle)
{
    const PressureLine line = lineOf(threeNozzleExample());
    const PressureLineTexts texts = pressureLineTexts(line, ",");
    EXPECT_EQ(line.worstNozzle, 3);
    EXPECT_TRUE(line.pumpSufficient);
    EXPECT_EQ(texts.distances, (std::array<std::string, 4>{"0 m", "200 m", "200 m", "260 m"}));
    EXPECT_EQ(texts.pressures, (std::array<std::string, 4>{"9,7025 b", "7,4425 b", "6,4425 b", "6 b"}));
    EXPECT_EQ(texts.losses, (std::array<std::string, 4>{"", "Jbc = 2,26 b", "Js = 1 b", "Jab = 0,4425001 b"}));
    EXPECT_EQ(texts.places[3], "Lance n°3 (A)");
    EXPECT_EQ(texts.pumpCanGive, "");
}

struct WorstCase {
    const char* name;
    ExerciseInput exercise;
    int worstNozzle;
    int nozzleMetres;
    const char* pumpCanGive;
};

class PressureLineWorst : public ::testing::TestWithParam<WorstCase> {};

TEST_P(PressureLineWorst, EndsAtTheWorstNozzleAndSaysWhatAWeakPumpGives)
{
    const PressureLine line = lineOf(GetParam().exercise);
    EXPECT_EQ(line.worstNozzle, GetParam().worstNozzle);
    EXPECT_EQ(line.points.back().metres, GetParam().nozzleMetres);
    EXPECT_EQ(line.points.back().bar, line.points[2].bar - line.nozzleLineLoss);
    EXPECT_EQ(pressureLineTexts(line, ",").pumpCanGive, GetParam().pumpCanGive);
}

ExerciseInput withFeedLength(ExerciseInput in, const char* metres)
{
    in.exercise.feedLength = metres;
    return in;
}

ExerciseInput withNozzle1(ExerciseInput in, Nozzle1Choices nozzle1)
{
    in.nozzle1 = std::move(nozzle1);
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressureLineWorst,
    ::testing::Values(
        WorstCase{"FirstNozzleWeakPump", withFeedLength(testing::oneNozzle(), "3000"), 1, 3020,
                  "La pompe 1000/10 ne peut donner que 40 b à 250 l/min (10000 / 250) : il faut un relai."},
        WorstCase{"SecondNozzle", withNozzle1(testing::twoNozzles(), {"40/14", "250", "0", "1"}), 2, 220, ""}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tavelle
