#include "core/schematic.h"

#include <gtest/gtest.h>

#include <map>

namespace tavelle {
namespace {

std::map<std::string, ControlState> schematicOf(ExerciseRecord& r)
{
    std::map<std::string, ControlState> controls;
    for (auto& control : loadSchematic(r, ",")) controls[std::string(control.name)] = control;
    return controls;
}

ExerciseRecord threeNozzles()
{
    ExerciseRecord r;
    r.pumpRating = "2000/15";
    r.feedDiameter = 110;
    r.feedLength = 400;
    r.nozzleCount = 3;
    r.nozzle1Type = "65/18";
    r.nozzle1Flow = 500;
    r.nozzle1HoseCount = 2;
    r.nozzle2Type = "100/25";
    r.nozzle2Flow = 1000;
    r.nozzle2HoseCount = 3;
    r.nozzle2Elevation = 326;
    r.divisionElevation = 310;
    r.nozzle3Type = "LDV 1000";
    r.nozzle3Flow = 750;
    r.nozzle3HoseCount = 1;
    r.nozzle3SlopePercent = -5;
    return r;
}

TEST(Schematic, OneFortyFourteenAfterAFreshStart)
{
    ExerciseRecord r;
    r.nozzleCount = 1;
    r.nozzle1Type = "40/14";
    r.nozzle1Flow = 250;
    r.nozzle1HoseCount = 2;
    auto c = schematicOf(r);
    EXPECT_EQ(r.nozzle1Pressure, 3.5f);
    EXPECT_EQ(r.nozzle1HoseDiameter, 45);
    EXPECT_EQ(r.totalFlow, 250.0f);
    EXPECT_EQ(c["Label8"].text, "Po = 3,5 b");
    EXPECT_EQ(c["Label9"].text, "L = 40m");
    EXPECT_EQ(c["Label28"].text, "diamètre = 45mm");
    EXPECT_FALSE(c["Label11"].visible);
    for (const char* hidden : {"Label16", "Label17", "Label18", "Label19", "Label20", "Label22", "Label12", "Label30",
                               "Line8", "Line4", "Label23", "Label24", "Label25", "Label26", "Label27", "Label13",
                               "Label29", "Line5", "Line3", "Label15"})
        EXPECT_FALSE(c[hidden].visible) << hidden;
}

TEST(Schematic, ThreeNozzlesDeriveTheirPressuresAndDiameters)
{
    ExerciseRecord r = threeNozzles();
    auto c = schematicOf(r);
    EXPECT_EQ(r.nozzle1Pressure, 5.7f);
    EXPECT_EQ(r.nozzle2Pressure, 6.1f);
    EXPECT_EQ(r.nozzle3Pressure, 6.0f);
    EXPECT_EQ(r.nozzle1HoseDiameter, 70);
    EXPECT_EQ(r.nozzle2HoseDiameter, 110);
    EXPECT_EQ(r.nozzle3HoseDiameter, 70);
    EXPECT_EQ(r.totalFlow, 2250.0f);
    EXPECT_EQ(c["Label4"].text, "débit = 2250L/min");
    EXPECT_EQ(c["Label18"].text, "cote = 326");
    EXPECT_EQ(c["Label20"].text, "cote = 310");
    EXPECT_EQ(c["Label27"].text, "Z = -5 %");
    EXPECT_EQ(c["Label24"].text, "Po = 6 b");
    EXPECT_EQ(c["Label19"].text, "Po = 6,1 b");
    EXPECT_EQ(c["Label25"].text, "L = 20m");
    for (const char* shown : {"Label18", "Label20", "Label27", "Line3", "Line4", "Line5", "Line8", "Label12", "Label13"})
        EXPECT_TRUE(c[shown].visible) << shown;
}

struct VisibilityCase {
    const char* name;
    void (*change)(ExerciseRecord&);
    std::vector<const char*> hidden;
    std::vector<const char*> shown;
};

class SchematicVisibility : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(SchematicVisibility, HidesWhatTheRecordRulesOut)
{
    ExerciseRecord r = threeNozzles();
    GetParam().change(r);
    auto c = schematicOf(r);
    for (const char* name : GetParam().hidden) EXPECT_FALSE(c.at(name).visible) << name;
    for (const char* name : GetParam().shown) EXPECT_TRUE(c.at(name).visible) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SchematicVisibility,
    ::testing::Values(
        VisibilityCase{"TwoNozzles", [](ExerciseRecord& r) { r.nozzleCount = 2; },
                       {"Label23", "Label24", "Label25", "Label26", "Label27", "Label13", "Label29", "Line5", "Line3"},
                       {"Label16", "Label17", "Label18", "Label19", "Label20", "Label22", "Label12", "Label30", "Line8",
                        "Line4"}},
        VisibilityCase{"EqualElevations", [](ExerciseRecord& r) { r.nozzle2Elevation = 310; },
                       {"Label18", "Label20"}, {"Label16", "Label22"}},
        VisibilityCase{"NoFeedSlope", [](ExerciseRecord& r) { r.slopePercent = 0; }, {"Label15"}, {"Label27"}},
        VisibilityCase{"NegativeFeedSlope", [](ExerciseRecord& r) { r.slopePercent = -5; }, {}, {"Label15"}},
        VisibilityCase{"LevelThirdNozzle", [](ExerciseRecord& r) { r.nozzle3SlopePercent = 0; }, {"Label27"}, {"Label23"}},
        VisibilityCase{"NozzleOneAtAHeight", [](ExerciseRecord& r) { r.nozzle1Height = 12; }, {}, {"Label11"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Schematic, StaleTypesStillDeriveButStayHidden)
{
    ExerciseRecord r = threeNozzles();
    r.nozzleCount = 1;
    r.nozzle2Flow = 0;
    r.nozzle3Flow = 0;
    auto c = schematicOf(r);
    EXPECT_EQ(r.nozzle2Pressure, 6.1f);
    EXPECT_EQ(r.nozzle3HoseDiameter, 70);
    EXPECT_EQ(r.totalFlow, r.nozzle1Flow);
    EXPECT_FALSE(c["Label22"].visible);
    EXPECT_FALSE(c["Label23"].visible);
}

TEST(Schematic, UnknownTypeKeepsEarlierValues)
{
    ExerciseRecord r = threeNozzles();
    r.nozzle2Type.clear();
    r.nozzle2Pressure = 4.25f;
    r.nozzle2HoseDiameter = 99;
    schematicOf(r);
    EXPECT_EQ(r.nozzle2Pressure, 4.25f);
    EXPECT_EQ(r.nozzle2HoseDiameter, 99);
}

TEST(Schematic, SecondLoadGivesTheSameTextsAndRecord)
{
    ExerciseRecord r = threeNozzles();
    const auto first = loadSchematic(r, ",");
    const ExerciseRecord afterFirst = r;
    const auto second = loadSchematic(r, ",");
    EXPECT_EQ(r, afterFirst);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].text, second[i].text);
        EXPECT_EQ(first[i].visible, second[i].visible);
    }
}

}  // namespace
}  // namespace tavelle
