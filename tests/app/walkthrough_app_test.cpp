#include "tests/app/app_fixture.h"

#include <QComboBox>
#include <QLabel>

namespace tavelle::testing {
namespace {

TEST_F(AppTest, StartsWithTheHomeScreenAlone)
{
    ASSERT_EQ(screenName(), "f1");
    EXPECT_EQ(screen()->windowTitle(), QStringLiteral("Vordane"));
    EXPECT_EQ(screen()->windowModality(), Qt::NonModal);
    EXPECT_EQ(visibleScreenCount(), 1);
    EXPECT_EQ(liveScreenCount(), 1);
    EXPECT_EQ(record, ExerciseRecord{});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AppTest, RoadOfOneExercise)
{
    click("Command1");
    ASSERT_EQ(screenName(), "Form2");
    EXPECT_EQ(screen()->windowTitle(), QStringLiteral("Exercice"));
    expectFreshLists();

    enterExercise("2");
    ASSERT_EQ(screenName(), "Lance1");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(record.pumpRating, "1000/15");
    EXPECT_EQ(record.feedDiameter, 70);
    EXPECT_EQ(record.feedLength, 200);
    EXPECT_EQ(record.nozzleCount, 2);
    EXPECT_EQ(record.slopeKind, "nulle");
    EXPECT_EQ(record.slopePercent, 0);
    expectFreshLists();

    enterNozzle1();
    ASSERT_EQ(screenName(), "Lance2");
    EXPECT_EQ(record.nozzle1Type, "65/18");
    EXPECT_EQ(record.nozzle1Flow, 500.0f);
    EXPECT_EQ(record.nozzle1HoseCount, 2);
    EXPECT_EQ(record.nozzle1Height, 10);
    expectFreshLists();

    enterNozzle2();
    ASSERT_EQ(screenName(), "Don");
    EXPECT_EQ(record.nozzle2Elevation, 314);
    EXPECT_EQ(record.divisionElevation, 310);
    EXPECT_TRUE(messages.shown.empty());
    click("Command4");

    click("Command1");
    ASSERT_EQ(screenName(), "Dessin");
    EXPECT_EQ(record.totalFlow, 750.0f);  // 500 + 250, derived by the schematic's load
    EXPECT_GT(record.nozzle1Pressure, 0.0f);
    click("Command4");

    click("Command1");
    ASSERT_EQ(screenName(), "Calculs");
    EXPECT_GT(record.worstNozzlePressure, 0.0f);
    click("Command4");

    click("Command1");
    ASSERT_EQ(screenName(), "Calculs2");
    click("Command4");
    EXPECT_EQ(printer.printed, (std::vector<std::string>{"Don", "Dessin", "Calculs", "Calculs2"}));
    EXPECT_EQ(screenName(), "Calculs2");  // printing neither closes nor opens a screen

    const ExerciseRecord finished = record;
    click("Command1");
    ASSERT_EQ(screenName(), "Form2");
    expectFreshLists();
    EXPECT_EQ(record, finished);  // a new exercise keeps the record until its "Suite >>"

    click("Command2");
    ASSERT_EQ(screenName(), "fin");
    click("Command1");
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(screen(), nullptr);
    EXPECT_EQ(liveScreenCount(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AppTest, OneNozzleAfterThreeInTheSameRun)
{
    walkToStatement(3);
    ASSERT_EQ(screenName(), "Don");
    EXPECT_EQ(record.nozzle3Type, "LDV 500");
    EXPECT_EQ(record.nozzle3SlopePercent, -5);
    click("Command1");
    ASSERT_EQ(screenName(), "Dessin");
    EXPECT_EQ(record.totalFlow, 1150.0f);

    click("Command3");  // back to the statement
    click("Command2");  // "Nouveau problème"
    ASSERT_EQ(screenName(), "Form2");
    expectFreshLists();
    enterExercise("1");
    ASSERT_EQ(screenName(), "Lance1");
    EXPECT_EQ(record.nozzleCount, 1);
    enterNozzle1();
    ASSERT_EQ(screenName(), "Don");  // straight to the statement: no second nozzle screen
    EXPECT_EQ(record.nozzle2Flow, 0.0f);
    EXPECT_EQ(record.nozzle3Flow, 0.0f);

    click("Command1");
    ASSERT_EQ(screenName(), "Dessin");
    EXPECT_EQ(record.totalFlow, 500.0f);
    click("Command3");
    click("Command3");  // "<< Retour" on the statement leads to the one nozzle
    EXPECT_EQ(screenName(), "Lance1");
    expectFreshLists();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AppTest, BackFromTheFinalScreenRecomputesFromTheRecord)
{
    walkToStatement(1);
    click("Command1");
    click("Command1");
    click("Command1");
    ASSERT_EQ(screenName(), "Calculs2");
    const ExerciseRecord computed = record;
    click("Command3");
    ASSERT_EQ(screenName(), "Calculs");
    click("Command1");
    ASSERT_EQ(screenName(), "Calculs2");
    EXPECT_EQ(record, computed);
    EXPECT_EQ(liveScreenCount(), 1);
}

}  // namespace
}  // namespace tavelle::testing
