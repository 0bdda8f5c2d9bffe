#include "core/portion_ab.h"
#include "core/schematic.h"

#include <gtest/gtest.h>

#include <map>

namespace tavelle {
namespace {

std::map<std::string, std::string> byName(const LabelTexts& labels)
{
    std::map<std::string, std::string> texts;
    for (const auto& label : labels) {
        EXPECT_TRUE(texts.emplace(std::string(label.name), label.text).second) << label.name << " set twice";
    }
    return texts;
}

ExerciseRecord oneSixtyFiveAt600()
{
    ExerciseRecord r;
    r.nozzleCount = 1;
    r.nozzle1Type = "65/18";
    r.nozzle1Flow = 600;
    r.nozzle1HoseCount = 2;
    r.nozzle1Height = 5;
    r.nozzle1Pressure = 5.7f;
    return r;
}

ExerciseRecord threeNozzles()
{
    ExerciseRecord r;
    r.nozzleCount = 3;
    r.nozzle1Type = "40/14";
    r.nozzle1Flow = 250;
    r.nozzle1HoseCount = 1;
    r.nozzle1Pressure = 3.5f;
    r.nozzle2Type = "65/18";
    r.nozzle2Flow = 500;
    r.nozzle2HoseCount = 2;
    r.nozzle2Elevation = 310;
    r.divisionElevation = 326;
    r.nozzle2Pressure = 5.7f;
    r.nozzle3Type = "100/25";
    r.nozzle3Flow = 750;
    r.nozzle3HoseCount = 3;
    r.nozzle3SlopePercent = -5;
    r.nozzle3Pressure = 6.1f;
    return r;
}

TEST(PortionAb, OneNozzleWorkedExample)
{
    ExerciseRecord r = oneSixtyFiveAt600();
    auto texts = byName(loadPortionAb(r, ","));
    ASSERT_EQ(texts.size(), 17u);
    EXPECT_EQ(texts["Label1"], "Détermination des pertes de charge entre la lance 1 et la division :");
    EXPECT_EQ(texts["Label15"], "Pression à l'orifice = 5,7 b");
    EXPECT_EQ(texts["Label2"], "J2 = J1 x (Q2²/Q1²) = 0,55 x (600² / 500²) =0,792 b/hm");
    EXPECT_EQ(texts["Label3"], "J =0,792/ 100 x 40 = 0,3168b");
    EXPECT_EQ(texts["Label4"], "J hauteur = 1 bar / 10 m x 5 = 0,5b");
    EXPECT_EQ(texts["Label5"], "Perte de charge totale de la lance 1 = 0,3168 + 0,5 + 5,7 = 6,5168Bar");
    for (const char* empty : {"Label6", "Label7", "Label8", "Label9", "Label16", "Label10", "Label11", "Label12",
                              "Label13", "Label17", "Label14"})
        EXPECT_EQ(texts[empty], "") << empty;
    EXPECT_EQ(r.worstNozzleLoss, 6.5168f);
    EXPECT_EQ(r.worstNozzlePressure, 5.7f);
}

TEST(PortionAb, ThreeNozzlesWorkedExample)
{
    ExerciseRecord r = threeNozzles();
    auto texts = byName(loadPortionAb(r, ","));
    EXPECT_EQ(texts["Label1"], "Détermination de la lance la plus défavorable :");
    EXPECT_EQ(texts["Label2"], "");
    EXPECT_EQ(texts["Label4"], "");
    EXPECT_EQ(texts["Label6"], "");
    EXPECT_EQ(texts["Label3"], "J =1,5/ 100 x 20 = 0,3b");
    EXPECT_EQ(texts["Label5"], "Perte de charge totale de la lance 1 = 0,3 + 3,5 = 3,8Bar");
    EXPECT_EQ(texts["Label7"], "J =0,55/ 100 x 40 = 0,22b");
    EXPECT_EQ(texts["Label8"], "J hauteur = (310 - 326) x 1 bar / 10 m  = -1,6b");
    EXPECT_EQ(texts["Label9"], "Perte de charge totale de la lance 2 = 0,22-1,6 + 5,7 = 4,32Bar");
    EXPECT_EQ(texts["Label10"], "J2 = J1 x (Q2²/Q1²) = 0,28 x (750² / 1000²) =0,1575 b/hm");
    EXPECT_EQ(texts["Label11"], "J =0,1575/ 100 x 60 = 0,0945b");
    EXPECT_EQ(texts["Label12"], "J hauteur = (-5 / 100) / 10 = -0,005b");
    EXPECT_EQ(texts["Label13"], "Perte de charge totale de la lance 3 = 0,0945-0,005 + 6,1 = 6,1895Bar");
    EXPECT_EQ(texts["Label14"],
              "Nous tiendrons compte de la lance n°3 comme étant la plus défavorable avec une perte de charge de "
              "6,1895 b.");
    EXPECT_EQ(r.worstNozzlePressure, 6.1f);
}

TEST(PortionAb, SetsEveryLabelOnceInScreenOrder)
{
    ExerciseRecord r = threeNozzles();
    const LabelTexts labels = loadPortionAb(r, ",");
    std::vector<std::string_view> order;
    for (const auto& label : labels) order.push_back(label.name);
    EXPECT_EQ(order, (std::vector<std::string_view>{"Label1", "Label15", "Label2", "Label3", "Label4", "Label5",
                                                    "Label16", "Label6", "Label7", "Label8", "Label9", "Label17",
                                                    "Label10", "Label11", "Label12", "Label13", "Label14"}));
}

struct HeightCase {
    const char* name;
    std::int16_t nozzle2Elevation;
    std::int16_t divisionElevation;
    const char* heightLine;
    const char* totalLine;
};

class Nozzle2Height : public ::testing::TestWithParam<HeightCase> {};

TEST_P(Nozzle2Height, ChoosesTheTotalForm)
{
    ExerciseRecord r = threeNozzles();
    r.nozzle2Elevation = GetParam().nozzle2Elevation;
    r.divisionElevation = GetParam().divisionElevation;
    auto texts = byName(loadPortionAb(r, ","));
    EXPECT_EQ(texts["Label8"], GetParam().heightLine);
    EXPECT_EQ(texts["Label9"], GetParam().totalLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Nozzle2Height,
    ::testing::Values(
        HeightCase{"Above", 326, 310, "J hauteur = (326 - 310) x 1 bar / 10 m  = 1,6b",
                   "Perte de charge totale de la lance 2 = 0,22 + 1,6 + 5,7 = 7,52Bar"},
        HeightCase{"Level", 310, 310, "", "Perte de charge totale de la lance 2 = 0,22 + 5,7 =5,92Bar"},
        HeightCase{"ElevationLeftEmpty", 0, 326, "J hauteur = (0 - 326) x 1 bar / 10 m  = -32,6b",
                   "Perte de charge totale de la lance 2 = 0,22-32,6 + 5,7 = -26,68Bar"}),
    [](const auto& row) { return std::string(row.param.name); });

// The nozzle 1 screen offers no negative height; a record that holds one still gets the trade's
// form for nozzle 1, with the height added as a term of its own.
TEST(PortionAb, NozzleOneBelowTheDivisionKeepsTheAddedTermForm)
{
    ExerciseRecord r = oneSixtyFiveAt600();
    r.nozzle1Height = -5;
    auto texts = byName(loadPortionAb(r, ","));
    EXPECT_EQ(texts["Label4"], "J hauteur = 1 bar / 10 m x -5 = -0,5b");
    EXPECT_EQ(texts["Label5"], "Perte de charge totale de la lance 1 = 0,3168 + -0,5 + 5,7 = 5,5168Bar");
    EXPECT_EQ(r.worstNozzleLoss, 5.5168f);
}

TEST(PortionAb, PositiveSlopeOnNozzle3IgnoresTheHoseLength)
{
    ExerciseRecord r = threeNozzles();
    r.nozzle3SlopePercent = 10;
    auto texts = byName(loadPortionAb(r, ","));
    EXPECT_EQ(texts["Label12"], "J hauteur = (10 / 100) / 10 = 0,01b");
    EXPECT_NE(texts["Label13"].find(" + 0,01 + "), std::string::npos) << texts["Label13"];
}

TEST(PortionAb, ReferenceFlowLeavesTheJ2LineEmptyButShowsJ2)
{
    ExerciseRecord r = threeNozzles();
    r.nozzleCount = 1;
    auto texts = byName(loadPortionAb(r, ","));
    EXPECT_EQ(texts["Label2"], "");
    EXPECT_EQ(texts["Label3"], "J =1,5/ 100 x 20 = 0,3b");
}

// Totals are set through the orifice pressures: every branch below has the same hose loss.
struct SelectionCase {
    const char* name;
    int nozzleCount;
    float p1, p2, p3;
    int chosen;
};

class WorstNozzle : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(WorstNozzle, SettlesTiesInTheTradeOrder)
{
    const SelectionCase& c = GetParam();
    ExerciseRecord r;
    r.nozzleCount = static_cast<std::uint8_t>(c.nozzleCount);
    r.nozzle1Type = r.nozzle2Type = r.nozzle3Type = "40/14";
    r.nozzle1Flow = r.nozzle2Flow = r.nozzle3Flow = 250;
    r.nozzle1HoseCount = r.nozzle2HoseCount = r.nozzle3HoseCount = 1;
    r.nozzle1Pressure = c.p1;
    r.nozzle2Pressure = c.p2;
    r.nozzle3Pressure = c.p3;
    auto texts = byName(loadPortionAb(r, ","));
    const float pressures[] = {c.p1, c.p2, c.p3};
    EXPECT_EQ(r.worstNozzlePressure, pressures[c.chosen - 1]);
    if (c.nozzleCount > 1) {
        EXPECT_NE(texts["Label14"].find("lance n°" + std::to_string(c.chosen) + " "), std::string::npos)
            << texts["Label14"];
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WorstNozzle,
                         ::testing::Values(SelectionCase{"TwoEqual", 2, 5, 5, 0, 1},
                                           SelectionCase{"SecondAndThirdEqualAboveFirst", 3, 3, 6, 6, 2},
                                           SelectionCase{"FirstAndThirdEqualAboveSecond", 3, 6, 3, 6, 3},
                                           SelectionCase{"AllEqual", 3, 6, 6, 6, 1},
                                           SelectionCase{"FirstAboveThirdAboveSecond", 3, 7, 3, 5, 1},
                                           SelectionCase{"ThirdHighest", 3, 3, 4, 7, 3},
                                           SelectionCase{"SecondHighest", 3, 3, 8, 4, 2},
                                           SelectionCase{"StaleThirdIgnored", 2, 3, 4, 99, 2},
                                           SelectionCase{"StaleSecondIgnored", 1, 3, 99, 99, 1}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PortionAb, AbsentNozzlesKeepEmptyLabelsWhateverTheirStaleFields)
{
    ExerciseRecord r = threeNozzles();
    r.nozzleCount = 2;
    auto texts = byName(loadPortionAb(r, ","));
    for (const char* name : {"Label17", "Label10", "Label11", "Label12", "Label13"}) EXPECT_EQ(texts[name], "") << name;
    EXPECT_NE(texts["Label14"].find("lance n°2"), std::string::npos);
}

TEST(PortionAb, LabelsAreFoundByNameAndOnlyThoseSet)
{
    ExerciseRecord r = oneSixtyFiveAt600();
    const LabelTexts labels = loadPortionAb(r, ",");
    const std::string* total = findText(labels, "Label5");
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(*total, "Perte de charge totale de la lance 1 = 0,3168 + 0,5 + 5,7 = 6,5168Bar");
    EXPECT_EQ(findText(labels, "Label18"), nullptr);
    EXPECT_EQ(findText(labels, "label5"), nullptr) << "control names are case-sensitive";
}

TEST(PortionAb, LeavesTheFlowsAsTheyWere)
{
    ExerciseRecord r = threeNozzles();
    r.totalFlow = 1500;
    ExerciseRecord before = r;
    loadPortionAb(r, ",");
    before.worstNozzleLoss = r.worstNozzleLoss;
    before.worstNozzlePressure = r.worstNozzlePressure;
    EXPECT_EQ(r, before);
}

TEST(PortionAb, TypeOutsideTheTableCountsAsALosslessHose)
{
    ExerciseRecord r;
    r.nozzleCount = 1;
    r.nozzle1Type = "50/16";
    r.nozzle1Flow = 300;
    r.nozzle1HoseCount = 2;
    r.nozzle1Pressure = 4;
    auto texts = byName(loadPortionAb(r, ","));
    EXPECT_EQ(texts["Label3"], "J =0/ 100 x 40 = 0b");
    EXPECT_EQ(texts["Label5"], "Perte de charge totale de la lance 1 = 0 + 4 = 4Bar");
    EXPECT_EQ(r.worstNozzleLoss, 4.0f);
}

}  // namespace
}  // namespace tavelle
