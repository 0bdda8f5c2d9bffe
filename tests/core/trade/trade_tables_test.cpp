#include "core/trade/trade_tables.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace tavelle {
namespace {

// The trade's nozzle types: the hose (J1 in single precision, Q1) and what the nozzle screens allow.
struct NozzleTypeCase {
    const char* type;
    float j1;
    float q1;
    float pressure;
    int hoseDiameter;
    bool fixedFlow;
    float flow;
    int narrowestFeed;
};

class NozzleTypeTable : public ::testing::TestWithParam<NozzleTypeCase> {};

TEST_P(NozzleTypeTable, GivesTheTradeValues)
{
    const NozzleTypeCase& c = GetParam();
    const NozzleType* type = findNozzleType(c.type);
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->pressure, c.pressure);
    EXPECT_EQ(type->hoseDiameter, c.hoseDiameter);
    EXPECT_EQ(type->fixedFlow, c.fixedFlow);
    EXPECT_EQ(type->flow, c.flow);
    EXPECT_EQ(type->narrowestFeed, c.narrowestFeed);
    const Hose* hose = nozzleHose(c.type);
    ASSERT_NE(hose, nullptr);
    EXPECT_EQ(hose->diameter, c.hoseDiameter);
    EXPECT_EQ(static_cast<float>(hose->j1), c.j1);
    EXPECT_EQ(hose->q1, c.q1);
}

INSTANTIATE_TEST_SUITE_P(Types, NozzleTypeTable,
                         ::testing::Values(NozzleTypeCase{"40/14", 1.5f, 250, 3.5f, 45, true, 250, 0},
                                           NozzleTypeCase{"65/18", 0.55f, 500, 5.7f, 70, true, 500, 70},
                                           NozzleTypeCase{"100/25", 0.28f, 1000, 6.1f, 110, true, 1000, 110},
                                           NozzleTypeCase{"LDV 500", 1.5f, 250, 6.0f, 45, false, 500, 0},
                                           NozzleTypeCase{"LDV 1000", 0.55f, 500, 6.0f, 70, false, 1000, 70}),
                         [](const auto& row) {
                             std::string name;
                             for (char ch : std::string(row.param.type))
                                 if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                             return name;
                         });

TEST(TradeTables, LookUpsAreExactAndCaseSensitive)
{
    for (std::string_view type : {"", "ldv 500", "LDV500", "40/14 ", "coco"}) {
        EXPECT_EQ(findNozzleType(type), nullptr) << type;
        EXPECT_EQ(nozzleHose(type), nullptr) << type;
    }
    for (int diameter : {0, 44, 46, 100, -45})
        EXPECT_EQ(findHose(static_cast<std::int16_t>(diameter)), nullptr) << diameter;
    for (const char* unknown : {"", "0", "1000/20", "1000 /10", "2000/15 "})
        EXPECT_EQ(findPumpRating(unknown), nullptr) << unknown;
}

TEST(TradeTables, FeedHosesKeepJ1InDoublePrecision)
{
    EXPECT_EQ(findHose(45)->j1, 1.5);
    EXPECT_EQ(findHose(70)->j1, 0.55);
    EXPECT_EQ(findHose(110)->j1, 0.28);
    EXPECT_EQ(findHose(110)->q1, 1000.0f);
}

TEST(TradeTables, PumpRatingsInTheirListOrder)
{
    const std::tuple<const char*, int, int> ratings[] = {{"1000/10", 1000, 10}, {"1000/15", 1000, 15},
                                                         {"1500/10", 1500, 10}, {"1500/15", 1500, 15},
                                                         {"2000/10", 2000, 10}, {"2000/15", 2000, 15}};
    ASSERT_EQ(std::size(ratings), pumpRatings.size());
    for (std::size_t i = 0; i < pumpRatings.size(); ++i) {
        const auto& [name, flow, pressure] = ratings[i];
        EXPECT_EQ(pumpRatings[i].name, name);
        EXPECT_EQ(findPumpRating(name), &pumpRatings[i]);
        EXPECT_EQ(pumpRatings[i].flow, flow);
        EXPECT_EQ(pumpRatings[i].pressure, pressure);
    }
}

}  // namespace
}  // namespace tavelle
