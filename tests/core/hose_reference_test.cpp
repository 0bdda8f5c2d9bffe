#include "core/hose_reference.h"
#include "core/list_items.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace tavelle {
namespace {

// The trade's tables, by nozzle type: hose reference (J1, Q1), orifice pressure and hose diameter.
struct NozzleTypeCase {
    const char* type;
    float j1;
    float q1;
    float pressure;
    int hoseDiameter;
};

class NozzleTypeTables : public ::testing::TestWithParam<NozzleTypeCase> {};

TEST_P(NozzleTypeTables, GiveTheTradeValues)
{
    const NozzleTypeCase& c = GetParam();
    const auto reference = nozzleHoseReference(c.type);
    ASSERT_TRUE(reference.has_value());
    EXPECT_EQ(reference->j1, c.j1);
    EXPECT_EQ(reference->q1, c.q1);
    const auto characteristics = nozzleCharacteristics(c.type);
    ASSERT_TRUE(characteristics.has_value());
    EXPECT_EQ(characteristics->pressure, c.pressure);
    EXPECT_EQ(characteristics->hoseDiameter, c.hoseDiameter);
    // The hose a nozzle implies is a feed hose with the same reference values.
    const auto feed = feedHoseReference(static_cast<std::int16_t>(c.hoseDiameter));
    ASSERT_TRUE(feed.has_value());
    EXPECT_EQ(static_cast<float>(feed->j1), c.j1);
    EXPECT_EQ(feed->q1, c.q1);
}

INSTANTIATE_TEST_SUITE_P(Types, NozzleTypeTables,
                         ::testing::Values(NozzleTypeCase{"40/14", 1.5f, 250, 3.5f, 45},
                                           NozzleTypeCase{"65/18", 0.55f, 500, 5.7f, 70},
                                           NozzleTypeCase{"100/25", 0.28f, 1000, 6.1f, 110},
                                           NozzleTypeCase{"LDV 500", 1.5f, 250, 6.0f, 45},
                                           NozzleTypeCase{"LDV 1000", 0.55f, 500, 6.0f, 70}),
                         [](const auto& row) {
                             std::string name;
                             for (char ch : std::string(row.param.type))
                                 if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                             return name;
                         });

TEST(NozzleTypeTables, CoverEveryListItemAndNothingElse)
{
    for (std::string_view type : listItems::nozzleTypes) {
        EXPECT_TRUE(nozzleHoseReference(type).has_value()) << type;
        EXPECT_TRUE(nozzleCharacteristics(type).has_value()) << type;
    }
    for (std::string_view type : {"", "ldv 500", "LDV500", "40/14 ", "coco"}) {
        EXPECT_FALSE(nozzleHoseReference(type).has_value()) << type;
        EXPECT_FALSE(nozzleCharacteristics(type).has_value()) << type;
    }
}

TEST(FeedHoseReference, KeepsJ1InDoublePrecision)
{
    EXPECT_EQ(feedHoseReference(70)->j1, 0.55);
    EXPECT_EQ(feedHoseReference(110)->j1, 0.28);
    for (std::int16_t diameter : std::initializer_list<std::int16_t>{0, 44, 46, 100, -45}) EXPECT_FALSE(feedHoseReference(diameter).has_value()) << diameter;
}

TEST(PumpRatedProduct, FlowTimesPressureOfEveryRating)
{
    const std::pair<const char*, float> products[] = {{"1000/10", 10000}, {"1000/15", 15000}, {"1500/10", 15000},
                                                      {"1500/15", 22500}, {"2000/10", 20000}, {"2000/15", 30000}};
    ASSERT_EQ(std::size(products), listItems::pumpRatings.size());
    for (const auto& [rating, product] : products) EXPECT_EQ(pumpRatedProduct(rating), product) << rating;
    for (const char* unknown : {"", "0", "1000/20", "1000 /10", "2000/15 "})
        EXPECT_FALSE(pumpRatedProduct(unknown).has_value()) << unknown;
}

}  // namespace
}  // namespace tavelle
