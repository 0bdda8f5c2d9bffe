#include "core/screens/result_labels.h"
#include "core/screens/screen_load.h"
#include "core/trade/portion_ab.h"

#include <gtest/gtest.h>

#include <map>

namespace tavelle {
namespace {

using portionAbLabels::heading;
constexpr const portionAbLabels::Branch& nozzle1 = portionAbLabels::branches[0];
constexpr const portionAbLabels::Branch& nozzle2 = portionAbLabels::branches[1];
constexpr const portionAbLabels::Branch& nozzle3 = portionAbLabels::branches[2];

ScreenLoad loadOf(ExerciseRecord& r)
{
    return loadScreen(ScreenId::Calculs, r, ",");
}

std::map<std::string, std::string> byName(const ScreenLoad& labels)
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
    auto texts = byName(loadOf(r));
    ASSERT_EQ(texts.size(), 17u);
    EXPECT_EQ(texts[heading], "Détermination des pertes de charge entre la lance 1 et la division :");
    EXPECT_EQ(texts[nozzle1.orificePressure], "Pression à l'orifice = 5,7 b");
    EXPECT_EQ(texts[nozzle1.j2Line], "J2 = J1 x (Q2²/Q1²) = 0,55 x (600² / 500²) =0,792 b/hm");
    EXPECT_EQ(texts[nozzle1.hoseLossLine], "J =0,792/ 100 x 40 = 0,3168b");
    EXPECT_EQ(texts[nozzle1.heightLine], "J hauteur = 1 bar / 10 m x 5 = 0,5b");
    EXPECT_EQ(texts[nozzle1.branchTotal], "Perte de charge totale de la lance 1 = 0,3168 + 0,5 + 5,7 = 6,5168Bar");
    for (const auto* branch : {&nozzle2, &nozzle3})
        for (const char* empty : branch->lines()) EXPECT_EQ(texts[empty], "") << empty;
    EXPECT_EQ(texts[portionAbLabels::worstNozzle], "");
    EXPECT_EQ(r.worstNozzleLoss, 6.5168f);
    EXPECT_EQ(r.worstNozzlePressure, 5.7f);
}

TEST(PortionAb, ThreeNozzlesWorkedExample)
{
    ExerciseRecord r = threeNozzles();
    auto texts = byName(loadOf(r));
    EXPECT_EQ(texts[heading], "Détermination de la lance la plus défavorable :");
    EXPECT_EQ(texts[nozzle1.j2Line], "");
    EXPECT_EQ(texts[nozzle1.heightLine], "");
    EXPECT_EQ(texts[nozzle2.j2Line], "");
    EXPECT_EQ(texts[nozzle1.hoseLossLine], "J =1,5/ 100 x 20 = 0,3b");
    EXPECT_EQ(texts[nozzle1.branchTotal], "Perte de charge totale de la lance 1 = 0,3 + 3,5 = 3,8Bar");
    EXPECT_EQ(texts[nozzle2.hoseLossLine], "J =0,55/ 100 x 40 = 0,22b");
    EXPECT_EQ(texts[nozzle2.heightLine], "J hauteur = (310 - 326) x 1 bar / 10 m  = -1,6b");
    EXPECT_EQ(texts[nozzle2.branchTotal], "Perte de charge totale de la lance 2 = 0,22-1,6 + 5,7 = 4,32Bar");
    EXPECT_EQ(texts[nozzle3.j2Line], "J2 = J1 x (Q2²/Q1²) = 0,28 x (750² / 1000²) =0,1575 b/hm");
    EXPECT_EQ(texts[nozzle3.hoseLossLine], "J =0,1575/ 100 x 60 = 0,0945b");
    EXPECT_EQ(texts[nozzle3.heightLine], "J hauteur = (-5 / 100 x 60) / 10 = -0,3b");
    EXPECT_EQ(texts[nozzle3.branchTotal], "Perte de charge totale de la lance 3 = 0,0945-0,3 + 6,1 = 5,8945Bar");
    EXPECT_EQ(texts[portionAbLabels::worstNozzle],
              "Nous tiendrons compte de la lance n°3 comme étant la plus défavorable avec une perte de charge de "
              "5,8945 b.");
    EXPECT_EQ(r.worstNozzlePressure, 6.1f);
}

TEST(PortionAb, SetsEveryLabelOnceInScreenOrder)
{
    ExerciseRecord r = threeNozzles();
    const ScreenLoad labels = loadOf(r);
    std::vector<std::string_view> order;
    for (const auto& label : labels) order.push_back(label.name);
    std::vector<std::string_view> expected{heading};
    for (const auto& branch : portionAbLabels::branches)
        for (const char* line : branch.lines()) expected.push_back(line);
    expected.push_back(portionAbLabels::worstNozzle);
    EXPECT_EQ(order, expected);
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
    auto texts = byName(loadOf(r));
    EXPECT_EQ(texts[nozzle2.heightLine], GetParam().heightLine);
    EXPECT_EQ(texts[nozzle2.branchTotal], GetParam().totalLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Nozzle2Height,
    ::testing::Values(HeightCase{"Above", 326, 310, "J hauteur = (326 - 310) x 1 bar / 10 m  = 1,6b",
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
    auto texts = byName(loadOf(r));
    EXPECT_EQ(texts[nozzle1.heightLine], "J hauteur = 1 bar / 10 m x -5 = -0,5b");
    EXPECT_EQ(texts[nozzle1.branchTotal], "Perte de charge totale de la lance 1 = 0,3168 + -0,5 + 5,7 = 5,5168Bar");
    EXPECT_EQ(r.worstNozzleLoss, 5.5168f);
}

// Nozzle 3's hoses climb the slope over their whole length, as the feed line does.
struct SlopeCase {
    const char* name;
    std::int16_t percent;
    std::uint8_t hoseCount;
    const char* heightLine;
    const char* totalLine;
};

class Nozzle3Slope : public ::testing::TestWithParam<SlopeCase> {};

TEST_P(Nozzle3Slope, CountsTheSlopeOverTheHosesLength)
{
    ExerciseRecord r = threeNozzles();
    r.nozzle3SlopePercent = GetParam().percent;
    r.nozzle3HoseCount = GetParam().hoseCount;
    auto texts = byName(loadOf(r));
    EXPECT_EQ(texts[nozzle3.heightLine], GetParam().heightLine);
    EXPECT_EQ(texts[nozzle3.branchTotal], GetParam().totalLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Nozzle3Slope,
    ::testing::Values(SlopeCase{"RisingOverOneHose", 10, 1, "J hauteur = (10 / 100 x 20) / 10 = 0,2b",
                                "Perte de charge totale de la lance 3 = 0,0315 + 0,2 + 6,1 = 6,3315Bar"},
                      SlopeCase{"RisingOverTwoHoses", 12, 2, "J hauteur = (12 / 100 x 40) / 10 = 0,48b",
                                "Perte de charge totale de la lance 3 = 0,063 + 0,48 + 6,1 = 6,643Bar"},
                      SlopeCase{"FallingOverOneHose", -2, 1, "J hauteur = (-2 / 100 x 20) / 10 = -0,04b",
                                "Perte de charge totale de la lance 3 = 0,0315-0,04 + 6,1 = 6,0915Bar"},
                      SlopeCase{"FallingOverThreeHoses", -12, 3, "J hauteur = (-12 / 100 x 60) / 10 = -0,72b",
                                "Perte de charge totale de la lance 3 = 0,0945-0,72 + 6,1 = 5,4745Bar"},
                      SlopeCase{"Level", 0, 3, "", "Perte de charge totale de la lance 3 = 0,0945 + 6,1 = 6,1945Bar"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PortionAb, ReferenceFlowLeavesTheJ2LineEmptyButShowsJ2)
{
    ExerciseRecord r = threeNozzles();
    r.nozzleCount = 1;
    auto texts = byName(loadOf(r));
    EXPECT_EQ(texts[nozzle1.j2Line], "");
    EXPECT_EQ(texts[nozzle1.hoseLossLine], "J =1,5/ 100 x 20 = 0,3b");
}

// Totals are set through the orifice pressures: every branch below has the same hose loss.
struct SelectionCase {
    const char* name;
    int nozzleCount;
    float p1, p2, p3;
    int chosen;
};

class WorstNozzleChoice : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(WorstNozzleChoice, SettlesTiesInTheTradeOrder)
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
    auto texts = byName(loadOf(r));
    const float pressures[] = {c.p1, c.p2, c.p3};
    EXPECT_EQ(r.worstNozzlePressure, pressures[c.chosen - 1]);
    const WorstNozzle worst = worstNozzle(r);
    EXPECT_EQ(worst.nozzle, c.chosen);
    EXPECT_EQ(worst.worstNozzleLoss, r.worstNozzleLoss);
    EXPECT_EQ(worst.worstNozzlePressure, r.worstNozzlePressure);
    if (c.nozzleCount > 1) {
        EXPECT_NE(texts[portionAbLabels::worstNozzle].find("lance n°" + std::to_string(c.chosen) + " "),
                  std::string::npos)
            << texts[portionAbLabels::worstNozzle];
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WorstNozzleChoice,
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
    auto texts = byName(loadOf(r));
    for (const char* name : nozzle3.lines()) EXPECT_EQ(texts[name], "") << name;
    EXPECT_NE(texts[portionAbLabels::worstNozzle].find("lance n°2"), std::string::npos);
}

TEST(PortionAb, LabelsAreFoundByNameAndOnlyThoseSet)
{
    ExerciseRecord r = oneSixtyFiveAt600();
    const ScreenLoad labels = loadOf(r);
    const std::string* total = findText(labels, nozzle1.branchTotal);
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
    loadOf(r);
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
    auto texts = byName(loadOf(r));
    EXPECT_EQ(texts[nozzle1.hoseLossLine], "J =0/ 100 x 40 = 0b");
    EXPECT_EQ(texts[nozzle1.branchTotal], "Perte de charge totale de la lance 1 = 0 + 4 = 4Bar");
    EXPECT_EQ(r.worstNozzleLoss, 4.0f);
}

}  // namespace
}  // namespace tavelle
