#include "core/screens/spoken_names.h"

#include <gtest/gtest.h>

namespace tavelle {
namespace {

struct SpokenCase {
    const char* label;
    const char* spoken;
};

class SpokenListNameTest : public ::testing::TestWithParam<SpokenCase> {};

TEST_P(SpokenListNameTest, KeepsOnlyTheLabelsWords)
{
    EXPECT_EQ(spokenListName(GetParam().label), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(Labels, SpokenListNameTest,
                         ::testing::Values(SpokenCase{"- Caractéristiques de la pompe à incendie :",
                                                      "Caractéristiques de la pompe à incendie"},
                                           SpokenCase{"- Distance entre la pompe et la division (en mètres)",
                                                      "Distance entre la pompe et la division (en mètres)"},
                                           SpokenCase{"Cote de la lance :", "Cote de la lance"},
                                           SpokenCase{"  - Type de lance:  ", "Type de lance"},
                                           SpokenCase{"Débit - 40/14", "Débit - 40/14"}, SpokenCase{"   ", ""}));

TEST(SpokenSlopePercentName, NamesTheRowItEnds)
{
    EXPECT_EQ(spokenSlopePercentName("- Pente entre la division et la lance :"),
              "Pente entre la division et la lance, en %");
}

}  // namespace
}  // namespace tavelle
