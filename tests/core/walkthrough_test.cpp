#include "core/walkthrough.h"

#include <gtest/gtest.h>

namespace tavelle {
namespace {

ExerciseInput roadOfOneExercise()
{
    ExerciseInput in;
    in.exercise = {"1000/15", "70", "200", "2", "nulle", ""};
    in.nozzle1 = {"65/18", "500", "5", "2"};
    in.nozzle2 = {"40/14", "250", "", "", "1"};
    return in;
}

TEST(Walkthrough, TwoNozzleRoadOpensEveryScreenInOrder)
{
    ExerciseRecord record;
    const WalkResult walk = walkExercise(roadOfOneExercise(), record, ",");
    EXPECT_TRUE(walk.accepted);
    EXPECT_FALSE(walk.refusedAt.has_value());
    EXPECT_EQ(walk.screens, (std::vector<ScreenId>{ScreenId::Form2, ScreenId::Lance1, ScreenId::Lance2, ScreenId::Don,
                                                   ScreenId::Dessin, ScreenId::Calculs, ScreenId::Calculs2}));
    EXPECT_EQ(record.totalFlow, 750.0f);
    EXPECT_EQ(walk.portionAb.size(), 17u);
    EXPECT_EQ(walk.finalCalculation.size(), 10u);
}

TEST(Walkthrough, StopsAtTheFirstRefusalWithItsMessages)
{
    ExerciseInput in = roadOfOneExercise();
    in.nozzle2.type = "100/25";
    in.nozzle2.flow = "1000";
    ExerciseRecord record;
    const WalkResult walk = walkExercise(in, record, ",");
    EXPECT_FALSE(walk.accepted);
    EXPECT_EQ(walk.refusedAt, ScreenId::Lance2);
    ASSERT_EQ(walk.messages.size(), 1u);
    EXPECT_EQ(walk.messages[0].screen, ScreenId::Lance2);
    EXPECT_TRUE(walk.statement.empty());
}

TEST(Walkthrough, OneNozzleAfterThreeKeepsStaleFieldsButNoFlow)
{
    ExerciseRecord record;
    ExerciseInput three = roadOfOneExercise();
    three.exercise = {"2000/15", "110", "200", "3", "", ""};
    three.nozzle3 = {"100/25", "1000", "3", "Positive", "5"};
    ASSERT_TRUE(walkExercise(three, record, ",").accepted);

    ExerciseInput one = roadOfOneExercise();
    one.exercise.nozzleCount = "1";
    const WalkResult walk = walkExercise(one, record, ",");
    ASSERT_TRUE(walk.accepted);
    EXPECT_EQ(record.nozzle3Type, "100/25");
    EXPECT_EQ(record.nozzle2Type, "40/14");
    EXPECT_EQ(record.nozzle2Flow, 0.0f);
    EXPECT_EQ(record.nozzle3Flow, 0.0f);
    EXPECT_EQ(record.totalFlow, record.nozzle1Flow);
    EXPECT_EQ(record.worstNozzlePressure, record.nozzle1Pressure);
}

}  // namespace
}  // namespace tavelle
