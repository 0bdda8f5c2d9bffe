#include "core/screens/walkthrough.h"

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

void expectSameLoad(const ScreenLoad& reused, const ScreenLoad& fresh)
{
    ASSERT_EQ(reused.size(), fresh.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        EXPECT_EQ(reused[i].name, fresh[i].name);
        EXPECT_EQ(reused[i].text, fresh[i].text) << fresh[i].name;
        EXPECT_EQ(reused[i].hasText, fresh[i].hasText) << fresh[i].name;
        EXPECT_EQ(reused[i].visible, fresh[i].visible) << fresh[i].name;
    }
}

TEST(Walkthrough, AResultWalkedIntoAgainReadsAsAFreshOne)
{
    ExerciseInput three = roadOfOneExercise();
    three.exercise = {"2000/15", "110", "200", "3", "", ""};
    three.nozzle3 = {"100/25", "1000", "3", "Positive", "5"};
    ExerciseInput refused = roadOfOneExercise();
    refused.nozzle2 = {"100/25", "1000", "", "", "1"};
    ExerciseInput one = roadOfOneExercise();
    one.exercise.nozzleCount = "1";

    ExerciseRecord reusedRecord;
    ExerciseRecord freshRecord;
    WalkResult reused;
    for (const ExerciseInput& in : {three, refused, one, three}) {
        walkExercise(in, reusedRecord, ",", reused);
        const WalkResult fresh = walkExercise(in, freshRecord, ",");
        EXPECT_EQ(reused.accepted, fresh.accepted);
        EXPECT_EQ(reused.refusedAt, fresh.refusedAt);
        EXPECT_EQ(reused.screens, fresh.screens);
        ASSERT_EQ(reused.messages.size(), fresh.messages.size());
        for (std::size_t i = 0; i < fresh.messages.size(); ++i)
            EXPECT_EQ(reused.messages[i].text, fresh.messages[i].text);
        EXPECT_EQ(reused.statement, fresh.statement);
        expectSameLoad(reused.schematic, fresh.schematic);
        expectSameLoad(reused.portionAb, fresh.portionAb);
        expectSameLoad(reused.finalCalculation, fresh.finalCalculation);
    }
}

}  // namespace
}  // namespace tavelle
