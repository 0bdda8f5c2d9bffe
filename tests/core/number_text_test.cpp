#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tavelle {
namespace {

struct FloatCase {
    float value;
    const char* separator;
    const char* expected;
};

class SinglePrecisionText : public ::testing::TestWithParam<FloatCase> {};

TEST_P(SinglePrecisionText, ShowsAtMostSevenSignificantDigits)
{
    const FloatCase& c = GetParam();
    EXPECT_EQ(numberText(c.value, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SinglePrecisionText,
                         ::testing::Values(FloatCase{0.792f, ",", "0,792"}, FloatCase{0.792f, ".", "0.792"},
                                           FloatCase{6.5168f, ",", "6,5168"}, FloatCase{2.2f, ",", "2,2"},
                                           FloatCase{250.0f, ",", "250"}, FloatCase{5.7f, ",", "5,7"},
                                           FloatCase{6.1f, ",", "6,1"}, FloatCase{0.1375f, ",", "0,1375"},
                                           FloatCase{-1.6f, ",", "-1,6"}, FloatCase{0.001f, ",", "0,001"},
                                           FloatCase{100000.0f, ",", "100000"}, FloatCase{13.9f, ",", "13,9"},
                                           FloatCase{-0.0f, ",", "0"}, FloatCase{0.0f, ",", "0"},
                                           FloatCase{1234567.0f, ",", "1234567"},
                                           FloatCase{12345678.0f, ",", "12345680"},
                                           FloatCase{1.0f / 3.0f, ",", "0,3333333"},
                                           FloatCase{0.0945f, "٫", "0٫0945"},
                                           // What a reference flow of 0 would make of a loss.
                                           FloatCase{std::numeric_limits<float>::quiet_NaN(), ",", "NaN"},
                                           FloatCase{std::numeric_limits<float>::infinity(), ",", "Infinity"},
                                           FloatCase{-std::numeric_limits<float>::infinity(), ",", "-Infinity"}));

struct DoubleCase {
    double value;
    const char* expected;
};

class DoublePrecisionText : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoublePrecisionText, ShowsAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(numberText(GetParam().value, ","), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, DoublePrecisionText,
                         ::testing::Values(DoubleCase{3 * 0.1, "0,3"}, DoubleCase{7 * 0.1, "0,7"},
                                           DoubleCase{-5 / 1000.0, "-0,005"}, DoubleCase{-16 / 10.0, "-1,6"},
                                           DoubleCase{0.55, "0,55"}, DoubleCase{1.0 / 3.0, "0,333333333333333"},
                                           DoubleCase{-326 / 10.0, "-32,6"}, DoubleCase{1.0, "1"},
                                           DoubleCase{std::numeric_limits<double>::quiet_NaN(), "NaN"},
                                           DoubleCase{-std::numeric_limits<double>::infinity(), "-Infinity"}));

TEST(IntegerText, PlainDigitsWithLeadingMinus)
{
    EXPECT_EQ(numberText(std::int16_t{-5}), "-5");
    EXPECT_EQ(numberText(std::uint8_t{3}), "3");
    EXPECT_EQ(numberText(std::int16_t{0}), "0");
    EXPECT_EQ(numberText(5100), "5100");
}

}  // namespace
}  // namespace tavelle
