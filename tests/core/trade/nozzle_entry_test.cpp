#include "core/trade/entry_rules.h"
#include "core/trade/list_items.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace tavelle {
namespace {

using Warnings = std::vector<std::string>;

const std::string kTypeMissing = "Affectation du type de la lance obligatoire !!!";
const std::string kFlowMissing = "Affectation du débit de la lance obligatoire !!!";
const std::string kHoseMissing = "Affectation du nombre de tuyau obligatoire !!!";
const std::string kFortyFourteenFlow = "une 40/14 à un débit de 250 L/min !!!";
const std::string kLdv500Flow = "Le débit maximum d'un LDV500 est de 500 L/min !!!";
const std::string kLdv1000Flow = "Le débit maximum d'un LDV1000 est de 1000 L/min !!!";
const std::string kDiameter =
    "Le diamêtre du tuyaux d'alimentation de la division est inférieur au diamètre du tuyau de la lance !!!";
const std::string kDiameterNozzle1 = kDiameter + "!!!";
const std::string kNulleNotice = "si la pente est nulle elle sera de 0% !!!";
const std::string kZeroNotice = "A 0% la pente est nulle !!!";
const std::string kDivisionElevationMissing = "Affectation de la cote de la division obligatoire !!!";
const std::string kNozzleElevationMissing = "Affectation de la cote de la lance obligatoire !!!";

ExerciseRecord exercise(int feedDiameter, int nozzleCount)
{
    ExerciseRecord record;
    record.feedDiameter = static_cast<std::int16_t>(feedDiameter);
    record.nozzleCount = static_cast<std::uint8_t>(nozzleCount);
    return record;
}

struct Nozzle1Case {
    const char* name;
    Nozzle1Choices choices;
    int feedDiameter;
    int nozzleCount;
    Warnings warnings;
    ScreenId next;
};

class Nozzle1Press : public ::testing::TestWithParam<Nozzle1Case> {};

TEST_P(Nozzle1Press, WarnsInRuleOrderAndLeadsOn)
{
    const Nozzle1Case& c = GetParam();
    ExerciseRecord record = exercise(c.feedDiameter, c.nozzleCount);
    record.nozzle2Flow = 500;
    record.nozzle3Flow = 250;
    const PressOutcome outcome = pressNozzle1Suite(c.choices, record);
    EXPECT_EQ(outcome.warnings, c.warnings);
    EXPECT_EQ(outcome.next, c.next);
    EXPECT_EQ(outcome.accepted, c.next != ScreenId::Lance1);
    EXPECT_EQ(record.nozzle2Flow, 0.0f);
    EXPECT_EQ(record.nozzle3Flow, 0.0f);
}

const std::string kHeight22 = "Un tuyau mesure 20, on ne peut donc pas avoir une lance à 22 m avec un tuyau !!!";

INSTANTIATE_TEST_SUITE_P(
    Cases, Nozzle1Press,
    ::testing::Values(
        Nozzle1Case{"AllEmpty", {}, 70, 1, {kTypeMissing, kFlowMissing, kHoseMissing}, ScreenId::Lance1},
        Nozzle1Case{"FortyFourteenFlowEmpty",
                    {"40/14", "", "", "1"},
                    70,
                    1,
                    {kFortyFourteenFlow, kFlowMissing},
                    ScreenId::Lance1},
        Nozzle1Case{"FortyFourteenAt250", {"40/14", "250", "", "1"}, 45, 1, {}, ScreenId::Don},
        Nozzle1Case{"FortyFourteenAt200", {"40/14", "200", "", "1"}, 45, 1, {kFortyFourteenFlow}, ScreenId::Lance1},
        Nozzle1Case{"SixtyFiveAt500", {"65/18", "500", "0", "2"}, 70, 2, {}, ScreenId::Lance2},
        Nozzle1Case{"HundredAt1000", {"100/25", "1000", "", "3"}, 110, 3, {}, ScreenId::Lance2},
        Nozzle1Case{"HundredOnSeventy", {"100/25", "1000", "", "3"}, 70, 1, {kDiameter}, ScreenId::Lance1},
        Nozzle1Case{"Ldv500At600", {"LDV 500", "600", "", "1"}, 45, 1, {kLdv500Flow}, ScreenId::Lance1},
        Nozzle1Case{"Ldv500At500", {"LDV 500", "500", "", "1"}, 45, 1, {}, ScreenId::Don},
        Nozzle1Case{"Ldv1000OnSeventy", {"LDV 1000", "1000", "", "1"}, 70, 1, {}, ScreenId::Don},
        // No flow item exceeds 1000: the rule guards flows from anywhere else than the list.
        Nozzle1Case{"Ldv1000Above1000", {"LDV 1000", "1250", "", "1"}, 70, 1, {kLdv1000Flow}, ScreenId::Lance1},
        Nozzle1Case{"Ldv1000OnFortyFive", {"LDV 1000", "750", "", "1"}, 45, 1, {kDiameterNozzle1}, ScreenId::Lance1},
        Nozzle1Case{"HeightTwentyTwoOneHose",
                    {"40/14", "200", "22", "1"},
                    45,
                    1,
                    {kHeight22, kFortyFourteenFlow},
                    ScreenId::Lance1},
        Nozzle1Case{"HeightTwentyOneHose", {"40/14", "250", "20", "1"}, 45, 1, {}, ScreenId::Don},
        Nozzle1Case{"HeightThirtyTwoTwoHoses", {"40/14", "250", "32", "2"}, 45, 1, {}, ScreenId::Don},
        Nozzle1Case{"SixtyFiveOnFortyFiveFlowWrong",
                    {"65/18", "250", "", ""},
                    45,
                    1,
                    {"une 65/18 à un débit de 500 L/min !!!", kDiameter, kHoseMissing},
                    ScreenId::Lance1}),
    [](const auto& row) { return std::string(row.param.name); });

struct Nozzle2Case {
    const char* name;
    Nozzle2Choices choices;
    int nozzleCount;
    Warnings warnings;
    ScreenId next;
    int nozzleElevation;
    int divisionElevation;
};

class Nozzle2Press : public ::testing::TestWithParam<Nozzle2Case> {};

TEST_P(Nozzle2Press, WarnsInRuleOrderAndLeadsOn)
{
    const Nozzle2Case& c = GetParam();
    ExerciseRecord record = exercise(70, c.nozzleCount);
    const PressOutcome outcome = pressNozzle2Suite(c.choices, record);
    EXPECT_EQ(outcome.warnings, c.warnings);
    EXPECT_EQ(outcome.next, c.next);
    EXPECT_EQ(record.nozzle2Elevation, c.nozzleElevation);
    EXPECT_EQ(record.divisionElevation, c.divisionElevation);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Nozzle2Press,
    ::testing::Values(
        Nozzle2Case{"BothElevationsEmpty", {"40/14", "250", "", "", "1"}, 2, {}, ScreenId::Don, 0, 0},
        Nozzle2Case{"BothElevationsChosen", {"40/14", "250", "326", "310", "1"}, 3, {}, ScreenId::Lance3, 326, 310},
        Nozzle2Case{"OnlyDivisionChosen",
                    {"40/14", "250", "", "326", "1"},
                    2,
                    {kNozzleElevationMissing},
                    ScreenId::Lance2,
                    0,
                    326},
        Nozzle2Case{"OnlyNozzleChosen",
                    {"40/14", "250", "326", "", "1"},
                    2,
                    {kDivisionElevationMissing},
                    ScreenId::Lance2,
                    326,
                    0},
        Nozzle2Case{"ElevationAfterMissingLists",
                    {"", "", "", "310", ""},
                    2,
                    {kTypeMissing, kFlowMissing, kHoseMissing, kNozzleElevationMissing},
                    ScreenId::Lance2,
                    0,
                    310},
        Nozzle2Case{"HundredOnSeventy", {"100/25", "1000", "", "", "2"}, 2, {kDiameter}, ScreenId::Lance2, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Nozzle2Press, Ldv1000DiameterMessageEndsInThreeMarks)
{
    ExerciseRecord record = exercise(45, 2);
    EXPECT_EQ(pressNozzle2Suite({"LDV 1000", "500", "", "", "1"}, record).warnings, Warnings{kDiameter});
}

struct Nozzle3Case {
    const char* name;
    Nozzle3Choices choices;
    Warnings warnings;
    const char* slopeKind;
    int slopePercent;
};

class Nozzle3Press : public ::testing::TestWithParam<Nozzle3Case> {};

TEST_P(Nozzle3Press, NormalisesTheSlopeWithNoticesOnly)
{
    const Nozzle3Case& c = GetParam();
    ExerciseRecord record = exercise(70, 3);
    const PressOutcome outcome = pressNozzle3Suite(c.choices, record);
    EXPECT_EQ(outcome.warnings, c.warnings);
    EXPECT_EQ(record.nozzle3SlopeKind, c.slopeKind);
    EXPECT_EQ(record.nozzle3SlopePercent, c.slopePercent);
    EXPECT_EQ(outcome.next, ScreenId::Don) << "slope notices never refuse";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Nozzle3Press,
    ::testing::Values(Nozzle3Case{"PositiveFive", {"40/14", "250", "1", "Positive", "5"}, {}, "Positive", 5},
                      Nozzle3Case{"NegativeTen", {"40/14", "250", "1", "négative", "10"}, {}, "négative", -10},
                      Nozzle3Case{"NulleThree", {"40/14", "250", "1", "nulle", "3"}, {kNulleNotice}, "nulle", 0},
                      Nozzle3Case{"EmptySix", {"40/14", "250", "1", "", "6"}, {}, "positive", 6},
                      Nozzle3Case{"EmptyEmpty", {"40/14", "250", "1", "", ""}, {}, "coco", 0},
                      Nozzle3Case{"PositiveZero", {"40/14", "250", "1", "Positive", "0"}, {kZeroNotice}, "Positive", 0},
                      Nozzle3Case{"LdvAndNotice", {"LDV 1000", "750", "2", "nulle", "12"}, {kNulleNotice}, "nulle", 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Nozzle3Press, DiameterAndMissingRulesRefuse)
{
    ExerciseRecord record = exercise(45, 3);
    const PressOutcome outcome = pressNozzle3Suite({"LDV 1000", "", "", "négative", "0"}, record);
    EXPECT_EQ(outcome.warnings, (Warnings{kZeroNotice, kDiameter, kFlowMissing, kHoseMissing}));
    EXPECT_EQ(outcome.next, ScreenId::Lance3);
}

// Independent statement of the nozzle rules, for the sweeps below.
int expectedRefusals(const std::string& type, const std::string& flow, const std::string& hoses, int feedDiameter)
{
    const int q = flow.empty() ? 0 : std::stoi(flow);
    int refusals = type.empty() + flow.empty() + hoses.empty();
    refusals += (type == "40/14" && q != 250) + (type == "65/18" && q != 500) + (type == "100/25" && q != 1000);
    refusals += (type == "LDV 500" && q > 500) + (type == "LDV 1000" && q > 1000);
    refusals +=
        ((type == "65/18" || type == "LDV 1000") && feedDiameter < 70) + (type == "100/25" && feedDiameter < 110);
    return refusals;
}

std::vector<std::string> withEmpty(std::span<const std::string_view> items)
{
    std::vector<std::string> all{""};
    for (auto item : items) all.emplace_back(item);
    return all;
}

TEST(NozzleScreensSweep, RefuseExactlyWhenARefusingRuleFires)
{
    const auto types = withEmpty(listItems::nozzleTypes);
    const auto flows = withEmpty(listItems::nozzleFlows);
    const auto hoses = withEmpty(listItems::hoseCounts);
    const auto heights = withEmpty(listItems::nozzle1Heights);
    const auto elevations = withEmpty(listItems::elevations);
    const auto kinds = withEmpty(listItems::nozzle3SlopeKinds);
    const auto percents = withEmpty(listItems::slopePercents);

    for (int feedDiameter : {0, 45, 70, 110})
        for (const auto& type : types)
            for (const auto& flow : flows)
                for (const auto& hose : hoses) {
                    const int rules = expectedRefusals(type, flow, hose, feedDiameter);
                    for (const auto& height : heights) {
                        ExerciseRecord record = exercise(feedDiameter, 2);
                        const PressOutcome outcome = pressNozzle1Suite({type, flow, height, hose}, record);
                        const bool tooHigh = hose == "1" && !height.empty() && std::stoi(height) > 20;
                        ASSERT_EQ(outcome.warnings.size(), static_cast<std::size_t>(rules + tooHigh));
                        ASSERT_EQ(outcome.accepted, rules + tooHigh == 0);
                        ASSERT_EQ(record.nozzle1Type, type);
                        ASSERT_EQ(record.nozzle1Height, height.empty() ? 0 : std::stoi(height));
                        ASSERT_EQ(record.nozzle1Flow, flow.empty() ? 0.0f : std::stof(flow));
                    }
                    for (const auto& nozzleElevation : elevations)
                        for (const auto& divisionElevation : elevations) {
                            ExerciseRecord record = exercise(feedDiameter, 3);
                            const PressOutcome outcome =
                                pressNozzle2Suite({type, flow, nozzleElevation, divisionElevation, hose}, record);
                            const bool halfElevation = nozzleElevation.empty() != divisionElevation.empty();
                            ASSERT_EQ(outcome.accepted, rules + halfElevation == 0);
                            ASSERT_EQ(outcome.next, outcome.accepted ? ScreenId::Lance3 : ScreenId::Lance2);
                            ASSERT_EQ(record.nozzle2HoseCount, hose.empty() ? 0 : std::stoi(hose));
                        }
                    for (const auto& kind : kinds)
                        for (const auto& percent : percents) {
                            ExerciseRecord record = exercise(feedDiameter, 3);
                            const PressOutcome outcome = pressNozzle3Suite({type, flow, hose, kind, percent}, record);
                            ASSERT_EQ(outcome.accepted, rules == 0);
                            const int magnitude = percent.empty() ? 0 : std::stoi(percent);
                            const int sign = kind == "nulle" ? 0 : kind == "négative" ? -1 : 1;
                            ASSERT_EQ(record.nozzle3SlopePercent, sign * magnitude);
                        }
                }
}

}  // namespace
}  // namespace tavelle
