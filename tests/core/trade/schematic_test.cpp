#include "core/screens/result_labels.h"
#include "core/screens/screen_load.h"

#include <gtest/gtest.h>

#include <map>

namespace tavelle {
namespace {

using schematicLabels::divisionElevation;
using schematicLabels::feedSlope;
using schematicLabels::totalFlow;
constexpr const schematicLabels::Nozzle& nozzle1 = schematicLabels::nozzles[0];
constexpr const schematicLabels::Nozzle& nozzle2 = schematicLabels::nozzles[1];
constexpr const schematicLabels::Nozzle& nozzle3 = schematicLabels::nozzles[2];

ScreenLoad loadOf(ExerciseRecord& r)
{
    return loadScreen(ScreenId::Dessin, r, ",");
}

std::map<std::string, ControlState> schematicOf(ExerciseRecord& r)
{
    std::map<std::string, ControlState> controls;
    for (auto& control : loadOf(r)) controls[std::string(control.name)] = control;
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
    EXPECT_EQ(c[nozzle1.pressure].text, "Po = 3,5 b");
    EXPECT_EQ(c[nozzle1.hoseLength].text, "L = 40m");
    EXPECT_EQ(c[nozzle1.hoseDiameter].text, "diamètre = 45mm");
    EXPECT_FALSE(c[nozzle1.height].visible);
    for (const char* hidden :
         {nozzle2.hoseLength, nozzle2.flow,         nozzle2.height,       nozzle2.pressure,   divisionElevation,
          nozzle2.type,       nozzle2.caption,      nozzle2.hoseDiameter, nozzle2.nozzleLine, nozzle2.hoseLine,
          nozzle3.type,       nozzle3.pressure,     nozzle3.hoseLength,   nozzle3.flow,       nozzle3.height,
          nozzle3.caption,    nozzle3.hoseDiameter, nozzle3.nozzleLine,   nozzle3.hoseLine,   feedSlope})
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
    EXPECT_EQ(c[totalFlow].text, "débit = 2250L/min");
    EXPECT_EQ(c[nozzle2.height].text, "cote = 326");
    EXPECT_EQ(c[divisionElevation].text, "cote = 310");
    EXPECT_EQ(c[nozzle3.height].text, "Z = -5 %");
    EXPECT_EQ(c[nozzle3.pressure].text, "Po = 6 b");
    EXPECT_EQ(c[nozzle2.pressure].text, "Po = 6,1 b");
    EXPECT_EQ(c[nozzle3.hoseLength].text, "L = 20m");
    for (const char* shown : {nozzle2.height, divisionElevation, nozzle3.height, nozzle3.hoseLine, nozzle2.hoseLine,
                              nozzle3.nozzleLine, nozzle2.nozzleLine, nozzle2.caption, nozzle3.caption})
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
        VisibilityCase{"TwoNozzles",
                       [](ExerciseRecord& r) { r.nozzleCount = 2; },
                       {nozzle3.type, nozzle3.pressure, nozzle3.hoseLength, nozzle3.flow, nozzle3.height,
                        nozzle3.caption, nozzle3.hoseDiameter, nozzle3.nozzleLine, nozzle3.hoseLine},
                       {nozzle2.hoseLength, nozzle2.flow, nozzle2.height, nozzle2.pressure, divisionElevation,
                        nozzle2.type, nozzle2.caption, nozzle2.hoseDiameter, nozzle2.nozzleLine, nozzle2.hoseLine}},
        VisibilityCase{"EqualElevations",
                       [](ExerciseRecord& r) { r.nozzle2Elevation = 310; },
                       {nozzle2.height, divisionElevation},
                       {nozzle2.hoseLength, nozzle2.type}},
        VisibilityCase{"NoFeedSlope", [](ExerciseRecord& r) { r.slopePercent = 0; }, {feedSlope}, {nozzle3.height}},
        VisibilityCase{"NegativeFeedSlope", [](ExerciseRecord& r) { r.slopePercent = -5; }, {}, {feedSlope}},
        VisibilityCase{
            "LevelThirdNozzle", [](ExerciseRecord& r) { r.nozzle3SlopePercent = 0; }, {nozzle3.height}, {nozzle3.type}},
        VisibilityCase{"NozzleOneAtAHeight", [](ExerciseRecord& r) { r.nozzle1Height = 12; }, {}, {nozzle1.height}}),
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
    EXPECT_FALSE(c[nozzle2.type].visible);
    EXPECT_FALSE(c[nozzle3.type].visible);
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
    const auto first = loadOf(r);
    const ExerciseRecord afterFirst = r;
    const auto second = loadOf(r);
    EXPECT_EQ(r, afterFirst);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].text, second[i].text);
        EXPECT_EQ(first[i].visible, second[i].visible);
    }
}

}  // namespace
}  // namespace tavelle
