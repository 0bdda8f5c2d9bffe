#include "core/trade/entry_rules.h"
#include "core/trade/list_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavelle {
namespace {

using Warnings = std::vector<std::string>;

const char* const kPumpMissing = "Affectation des caractéristiques de la pompe obligatoire !!!";
const char* const kDiameterMissing = "Affectation du diamètre du tuyau obligatoire !!!";
const char* const kCountMissing = "Affectation du nombre de lances obligatoire !!!";
const char* const kLengthMissing = "Affectation de la longueur de l'établissement obligatoire !!!";
const char* const kNulleNotice = "si la pente est nulle elle sera de 0% !!!";
const char* const kZeroNotice = "A 0% la pente est nulle !!!";

struct ExerciseCase {
    const char* name;
    ExerciseChoices choices;
    Warnings warnings;
    bool accepted;
    const char* pumpRating;
    const char* slopeKind;
    int slopePercent;
};

class ExerciseScreenPress : public ::testing::TestWithParam<ExerciseCase> {};

TEST_P(ExerciseScreenPress, WritesTheRecordAndWarnsInOrder)
{
    const ExerciseCase& c = GetParam();
    ExerciseRecord record;
    const PressOutcome outcome = pressExerciseSuite(c.choices, record);
    EXPECT_EQ(outcome.warnings, c.warnings);
    EXPECT_EQ(outcome.accepted, c.accepted);
    EXPECT_EQ(outcome.next, c.accepted ? ScreenId::Lance1 : ScreenId::Form2);
    EXPECT_EQ(record.pumpRating, c.pumpRating);
    EXPECT_EQ(record.slopeKind, c.slopeKind);
    EXPECT_EQ(record.slopePercent, c.slopePercent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExerciseScreenPress,
    ::testing::Values(
        ExerciseCase{
            "AllEmpty", {}, {kPumpMissing, kDiameterMissing, kCountMissing, kLengthMissing}, false, "0", "coco", 0},
        ExerciseCase{"KindEmptyTen", {"1000/15", "70", "200", "2", "", "10"}, {}, true, "1000/15", "positive", 10},
        ExerciseCase{"KindEmptyZero", {"1000/15", "70", "200", "2", "", "0"}, {}, true, "1000/15", "coco", 0},
        ExerciseCase{"KindAndPercentEmpty", {"1000/15", "70", "200", "2", "", ""}, {}, true, "1000/15", "coco", 0},
        ExerciseCase{
            "NulleTen", {"1000/15", "70", "200", "1", "nulle", "10"}, {kNulleNotice}, true, "1000/15", "nulle", 0},
        ExerciseCase{"NegativeZero",
                     {"1000/15", "70", "200", "1", "négative", "0"},
                     {kZeroNotice},
                     true,
                     "1000/15",
                     "négative",
                     0},
        ExerciseCase{"NegativeEmpty",
                     {"1000/15", "70", "200", "1", "négative", ""},
                     {kZeroNotice},
                     true,
                     "1000/15",
                     "négative",
                     0},
        ExerciseCase{"PositiveZero",
                     {"1000/15", "70", "200", "1", "positive", "0"},
                     {kZeroNotice},
                     true,
                     "1000/15",
                     "positive",
                     0},
        ExerciseCase{
            "NegativeTwelve", {"2000/10", "110", "3000", "3", "négative", "12"}, {}, true, "2000/10", "négative", -12},
        ExerciseCase{
            "PositiveTwelve", {"2000/10", "110", "3000", "3", "positive", "12"}, {}, true, "2000/10", "positive", 12},
        ExerciseCase{"NegativeSix", {"1500/10", "45", "20", "1", "négative", "6"}, {}, true, "1500/10", "négative", -6},
        ExerciseCase{"NulleSixPumpMissing",
                     {"", "70", "200", "1", "nulle", "6"},
                     {kNulleNotice, kPumpMissing},
                     false,
                     "0",
                     "nulle",
                     0},
        ExerciseCase{"OnlyLengthMissing",
                     {"1000/10", "45", "", "3", "nulle", "0"},
                     {kLengthMissing},
                     false,
                     "1000/10",
                     "nulle",
                     0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ExerciseScreenPress, ResetsTheFieldsOfAnEarlierPressFirst)
{
    ExerciseRecord record;
    pressExerciseSuite({"1000/15", "70", "200", "2", "positive", "5"}, record);
    record.nozzle1Type = "40/14";
    pressExerciseSuite({}, record);
    EXPECT_EQ(record.pumpRating, "0");
    EXPECT_EQ(record.feedDiameter, 0);
    EXPECT_EQ(record.feedLength, 0);
    EXPECT_EQ(record.nozzleCount, 0);
    EXPECT_EQ(record.nozzle1Type, "40/14") << "the exercise screen touches only its own fields";
}

TEST(ExerciseRecordStart, HoldsEmptyTextsAndZeros)
{
    const ExerciseRecord record;
    EXPECT_TRUE(record.pumpRating.empty());
    EXPECT_EQ(record.totalFlow, 0.0f);
    EXPECT_EQ(record.nozzleCount, 0);
}

// Every combination of the six lists, empty included: the press is refused exactly when a
// required list is empty, and the record holds the chosen items with a signed slope.
TEST(ExerciseScreenSweep, RefusesExactlyWhenARequiredListIsEmpty)
{
    const auto withEmpty = [](auto items) {
        std::vector<std::string> all{""};
        for (auto item : items) all.emplace_back(item);
        return all;
    };
    const auto pumps = withEmpty(listItems::pumpRatings);
    const auto diameters = withEmpty(listItems::feedDiameters);
    const auto lengths = withEmpty(listItems::feedLengths);
    const auto counts = withEmpty(listItems::nozzleCounts);
    const auto kinds = withEmpty(listItems::feedSlopeKinds);
    const auto percents = withEmpty(listItems::slopePercents);

    int presses = 0;
    for (const auto& pump : pumps)
        for (const auto& diameter : diameters)
            for (const auto& length : lengths)
                for (const auto& count : counts)
                    for (const auto& kind : kinds)
                        for (const auto& percent : percents) {
                            ExerciseRecord record;
                            const PressOutcome outcome =
                                pressExerciseSuite({pump, diameter, length, count, kind, percent}, record);
                            ++presses;
                            const bool missing = pump.empty() || diameter.empty() || length.empty() || count.empty();
                            ASSERT_EQ(outcome.accepted, !missing);
                            ASSERT_EQ(record.pumpRating, pump.empty() ? "0" : pump);
                            ASSERT_EQ(record.feedDiameter, diameter.empty() ? 0 : std::stoi(diameter));
                            ASSERT_EQ(record.feedLength, length.empty() ? 0 : std::stoi(length));
                            ASSERT_EQ(record.nozzleCount, count.empty() ? 0 : std::stoi(count));
                            const int magnitude = percent.empty() ? 0 : std::stoi(percent);
                            const int sign = kind == "nulle" ? 0 : kind == "négative" ? -1 : 1;
                            ASSERT_EQ(record.slopePercent, sign * magnitude);
                            const std::string expectedKind = !kind.empty() ? kind : magnitude > 0 ? "positive" : "coco";
                            ASSERT_EQ(record.slopeKind, expectedKind);
                            const std::size_t notices = (kind == "nulle" && magnitude > 0) ||
                                                        ((kind == "positive" || kind == "négative") && magnitude == 0);
                            ASSERT_EQ(outcome.warnings.size(),
                                      notices + pump.empty() + diameter.empty() + length.empty() + count.empty());
                        }
    EXPECT_EQ(presses, 7 * 4 * 26 * 4 * 4 * 8);
}

}  // namespace
}  // namespace tavelle
