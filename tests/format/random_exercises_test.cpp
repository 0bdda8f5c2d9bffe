#include "core/screens/walkthrough.h"
#include "core/trade/portion_bc.h"
#include "format/random_exercises.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelle {
namespace {

// A level slope says so, or says nothing; a rising or falling one has a percent.
bool slopeAgrees(const std::string& kind, std::int16_t percent)
{
    if (kind == "nulle" || kind == "coco") return percent == 0;
    if (kind == "négative") return percent < 0;
    return (kind == "positive" || kind == "Positive") && percent > 0;
}

TEST(RandomExercises, EveryDrawIsOneATrainerWouldSet)
{
    constexpr std::size_t perSeed = 150;
    std::size_t drawn = 0;
    std::size_t relays = 0;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        for (const ExerciseInput& exercise : randomExercises(perSeed, seed)) {
            ExerciseRecord record;
            const WalkResult walk = walkExercise(exercise, record, ",");
            SCOPED_TRACE("seed " + std::to_string(seed) + ", exercise " + std::to_string(drawn % perSeed + 1));
            ASSERT_TRUE(walk.accepted);
            EXPECT_TRUE(walk.messages.empty()) << walk.messages.front().text;
            EXPECT_TRUE(slopeAgrees(record.slopeKind, record.slopePercent)) << record.slopeKind;
            if (record.nozzleCount == 3) {
                EXPECT_TRUE(slopeAgrees(record.nozzle3SlopeKind, record.nozzle3SlopePercent))
                    << record.nozzle3SlopeKind;
            }
            const FinalResults results = finalResults(record);
            EXPECT_GT(results.pumpPressure, 0.0f);
            relays += results.pumpSufficient ? 0 : 1;
            ++drawn;
        }
    }
    // The share the README states: about one exercise in three needs a relay.
    EXPECT_GT(relays * 100, drawn * 20);
    EXPECT_LT(relays * 100, drawn * 45);
}

}  // namespace
}  // namespace tavelle
