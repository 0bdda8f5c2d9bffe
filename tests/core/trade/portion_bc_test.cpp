#include "core/screens/result_labels.h"
#include "core/screens/screen_load.h"
#include "core/trade/portion_bc.h"

#include <gtest/gtest.h>

#include <map>

namespace tavelle {
namespace {

ExerciseRecord feedLine(int diameter, float totalFlow, int length, int slope, float worstLoss, float worstPressure,
                        const char* pump)
{
    ExerciseRecord r;
    r.feedDiameter = static_cast<std::int16_t>(diameter);
    r.totalFlow = totalFlow;
    r.feedLength = static_cast<std::int16_t>(length);
    r.slopePercent = static_cast<std::int16_t>(slope);
    r.worstNozzleLoss = worstLoss;
    r.worstNozzlePressure = worstPressure;
    r.pumpRating = pump;
    return r;
}

namespace labels = finalLabels;

std::map<std::string, std::string> finalTexts(ExerciseRecord r)
{
    std::map<std::string, std::string> texts;
    for (const auto& label : loadScreen(ScreenId::Calculs2, r, ",")) texts[std::string(label.name)] = label.text;
    return texts;
}

TEST(FinalCalculation, PositiveSlopeSufficientPump)
{
    auto t = finalTexts(feedLine(70, 1000, 200, 5, 7.5f, 6, "1500/10"));
    EXPECT_EQ(t[labels::j2Line], "J2 = J1 x (Q2²/Q1²) = 0,55 x (1000² / 500²) =2,2 b/hm");
    EXPECT_EQ(t[labels::lengthLossLine], "J =2,2/ 100 x 200 = 4,4b");
    EXPECT_EQ(t[labels::slopeLossLine], "J pente = (5 / 100 x 200) / 10 = 1b");
    EXPECT_EQ(t[labels::bcTotal], "Perte de charge total de la portion BC = 4,4 + 1 = 5,4Bar");
    EXPECT_EQ(t[labels::orificePressure], "Pression à l'orifice, Po = 6 b");
    EXPECT_EQ(t[labels::jab], "Pertes de charge de la portion AB, Jab = 1,5 b");
    EXPECT_EQ(t[labels::js], "Pertes de charge singulière au point B (division), Js = 1 b");
    EXPECT_EQ(t[labels::jbc], "Pertes de charge de la portion BC, Jbc = 5,4 b");
    EXPECT_EQ(t[labels::pumpPressure], "Pression à la pompe = Po + Jab + Js + Jbc = 13,9 b");
    EXPECT_EQ(t[labels::pumpVerdict],
              "La pompe utilisée est une 1500/10, elle sera suffisamment puissante pour délivrer une "
              "pression de 13,9 b, à un débit de 1000 l/min.");
}

TEST(FinalCalculation, NegativeSlopeInsufficientPump)
{
    auto t = finalTexts(feedLine(70, 1000, 200, -5, 7.5f, 6, "1000/10"));
    EXPECT_EQ(t[labels::slopeLossLine], "J pente = (-5 / 100 x 200) / 10 = -1b");
    EXPECT_EQ(t[labels::bcTotal], "Perte de charge total de la portion BC = 4,4-1 = 3,4Bar");
    EXPECT_EQ(t[labels::pumpPressure], "Pression à la pompe = Po + Jab + Js + Jbc = 11,9 b");
    EXPECT_EQ(t[labels::pumpVerdict],
              "La pompe utilisée est une 1000/10, elle ne sera pas suffisamment puissante pour délivrer "
              "la pression et le débit voulus, cet établissent demandera donc la mise en place d'un relai...");
}

TEST(FinalCalculation, ReferenceFlowAndNoSlope)
{
    auto t = finalTexts(feedLine(45, 250, 100, 0, 5, 3.5f, "1000/10"));
    EXPECT_EQ(t[labels::j2Line], "");
    EXPECT_EQ(t[labels::lengthLossLine], "J =1,5/ 100 x 100 = 1,5b");
    EXPECT_EQ(t[labels::slopeLossLine], "");
    EXPECT_EQ(t[labels::bcTotal], "Perte de charge total de la portion BC = 1,5Bar");
}

TEST(FinalCalculation, WideFeedAtHighFlow)
{
    auto t = finalTexts(feedLine(110, 1500, 400, 3, 6, 6, "2000/15"));
    EXPECT_NE(t[labels::j2Line].find("=0,63 b/hm"), std::string::npos) << t[labels::j2Line];
    EXPECT_EQ(t[labels::lengthLossLine], "J =0,63/ 100 x 400 = 2,52b");
    EXPECT_EQ(t[labels::slopeLossLine], "J pente = (3 / 100 x 400) / 10 = 1,2b");
    EXPECT_EQ(t[labels::bcTotal], "Perte de charge total de la portion BC = 2,52 + 1,2 = 3,72Bar");
}

struct VerdictCase {
    const char* name;
    ExerciseRecord record;
    bool sufficient;
};

class PumpVerdict : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(PumpVerdict, JudgesOnPowerAlone)
{
    const std::string verdict = finalTexts(GetParam().record)[labels::pumpVerdict];
    EXPECT_EQ(verdict.find("ne sera pas") == std::string::npos, GetParam().sufficient) << verdict;
}

// 70 mm at 1000 L/min over 200 m loses 4.4 bar; 4.6f + 1 + 4.4f is exactly 10 in double precision.
INSTANTIATE_TEST_SUITE_P(
    Cases, PumpVerdict,
    ::testing::Values(VerdictCase{"ExactlyEqualProducts", feedLine(70, 1000, 200, 0, 4.6f, 4, "1000/10"), true},
                      VerdictCase{"FlowAboveRatedButPowerEnough", feedLine(70, 1250, 0, 0, 10, 6, "1000/15"), true},
                      VerdictCase{"NotEnough", feedLine(70, 1000, 200, 5, 14.7f, 6, "1500/10"), false},
                      VerdictCase{"BiggestPump", feedLine(110, 2000, 3000, 12, 6.1f, 6.1f, "2000/15"), false}),
    [](const auto& row) { return std::string(row.param.name); });

// Neither can pass the exercise screen; the screen must still show numbers, and never praise a pump it
// does not know.
TEST(FinalCalculation, UnknownFeedDiameterIsALosslessLine)
{
    auto t = finalTexts(feedLine(50, 1000, 200, 0, 7.5f, 6, "1500/10"));
    EXPECT_EQ(t[labels::lengthLossLine], "J =0/ 100 x 200 = 0b");
    EXPECT_EQ(t[labels::jbc], "Pertes de charge de la portion BC, Jbc = 0 b");
    EXPECT_EQ(t[labels::pumpPressure], "Pression à la pompe = Po + Jab + Js + Jbc = 8,5 b");
    for (const auto& [name, text] : t) {
        EXPECT_EQ(text.find("NaN"), std::string::npos) << name << ": " << text;
        EXPECT_EQ(text.find("Infinity"), std::string::npos) << name << ": " << text;
    }
}

TEST(FinalCalculation, UnknownPumpIsNeverSufficient)
{
    const ExerciseRecord r = feedLine(70, 250, 20, 0, 3.5f, 3.5f, "3000/20");
    EXPECT_NE(finalTexts(r)[labels::pumpVerdict].find("ne sera pas suffisamment puissante"), std::string::npos);
}

TEST(FinalCalculation, WritesNothing)
{
    const ExerciseRecord r = feedLine(70, 1000, 200, 5, 7.5f, 6, "1500/10");
    ExerciseRecord copy = r;
    loadScreen(ScreenId::Calculs2, copy, ",");
    EXPECT_EQ(copy, r);
}

// The values the final screen shows in its pressure and verdict lines.
TEST(FinalCalculation, ResultsAsTheScreenShowsThem)
{
    struct Case {
        int slope;
        const char* pump;
        float feedLoss, pumpPressure;
        bool sufficient;
    };
    for (const Case& c : {Case{5, "1500/10", 5.4f, 13.9f, true}, Case{-5, "1000/10", 3.4f, 11.9f, false}}) {
        const ExerciseRecord r = feedLine(70, 1000, 200, c.slope, 7.5f, 6, c.pump);
        const FinalResults results = finalResults(r);
        EXPECT_NEAR(results.feedLoss, c.feedLoss, 1e-4) << c.pump;
        EXPECT_NEAR(results.pumpPressure, c.pumpPressure, 1e-4) << c.pump;
        EXPECT_EQ(results.pumpSufficient, c.sufficient) << c.pump;
        EXPECT_EQ(abLoss(r), 1.5f);
    }
}

}  // namespace
}  // namespace tavelle
