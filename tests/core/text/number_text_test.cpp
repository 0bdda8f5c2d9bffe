#include "core/text/joined_text.h"
#include "core/text/number_text.h"
#include "tests/support/number_text_reference.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

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

INSTANTIATE_TEST_SUITE_P(
    Values, SinglePrecisionText,
    ::testing::Values(FloatCase{0.792f, ",", "0,792"}, FloatCase{0.792f, ".", "0.792"},
                      FloatCase{6.5168f, ",", "6,5168"}, FloatCase{2.2f, ",", "2,2"}, FloatCase{250.0f, ",", "250"},
                      FloatCase{5.7f, ",", "5,7"}, FloatCase{6.1f, ",", "6,1"}, FloatCase{0.1375f, ",", "0,1375"},
                      FloatCase{-1.6f, ",", "-1,6"}, FloatCase{0.001f, ",", "0,001"},
                      FloatCase{100000.0f, ",", "100000"}, FloatCase{13.9f, ",", "13,9"}, FloatCase{-0.0f, ",", "0"},
                      FloatCase{0.0f, ",", "0"}, FloatCase{1234567.0f, ",", "1234567"},
                      FloatCase{12345678.0f, ",", "12345680"}, FloatCase{123456789.0f, ",", "123456800"},
                      FloatCase{1.0f / 3.0f, ",", "0,3333333"}, FloatCase{0.0945f, "٫", "0٫0945"},
                      // Halfway between two seven-digit texts: the even one wins.
                      FloatCase{1234567.5f, ",", "1234568"}, FloatCase{1234568.5f, ",", "1234568"},
                      FloatCase{12345675.0f, ",", "12345680"}, FloatCase{12345685.0f, ",", "12345680"},
                      // Just below 0.01: the rounding carries into a new leading digit.
                      FloatCase{0.01f, ",", "0,01"},
                      // Beyond the exact arithmetic's reach: the rounding of to_chars.
                      FloatCase{1e-10f, ",", "0,0000000001"},
                      FloatCase{3e38f, ",", "300000000000000000000000000000000000000"},
                      FloatCase{1e-40f, ",", "0,00000000000000000000000000000000000000009999946"},
                      // What a reference flow of 0 would make of a loss.
                      FloatCase{std::numeric_limits<float>::quiet_NaN(), ",", "NaN"},
                      FloatCase{std::numeric_limits<float>::infinity(), ",", "Infinity"},
                      FloatCase{-std::numeric_limits<float>::infinity(), ",", "-Infinity"}));

struct DoubleCase {
    double value;
    std::string expected;
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
                                           DoubleCase{0.1 + 0.2, "0,3"}, DoubleCase{2.0 / 3.0, "0,666666666666667"},
                                           DoubleCase{1e20, "100000000000000000000"}, DoubleCase{-0.0, "0"},
                                           DoubleCase{5e-324, "0," + std::string(323, '0') + "494065645841247"},
                                           DoubleCase{std::numeric_limits<double>::quiet_NaN(), "NaN"},
                                           DoubleCase{-std::numeric_limits<double>::infinity(), "-Infinity"}));

TEST(IntegerText, PlainDigitsWithLeadingMinus)
{
    EXPECT_EQ(numberText(std::int16_t{-5}), "-5");
    EXPECT_EQ(numberText(std::uint8_t{3}), "3");
    EXPECT_EQ(numberText(std::int16_t{0}), "0");
    EXPECT_EQ(numberText(5100), "5100");
}

TEST(IntegerText, CountsInASentenceKeepTheirThousandsApart)
{
    const struct {
        long long value;
        const char* text;
    } cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1\u202F000"}, {100'000, "100\u202F000"}, {-1'234'567, "-1\u202F234\u202F567"}};
    for (const auto& c : cases) EXPECT_EQ(groupedInteger(c.value), c.text) << c.value;
}

TEST(JoinedText, TakesTextsAndNumbersInOrder)
{
    std::string line;
    appendJoined(line, "J =", numberChars(0.0945f, ","), "/ 100 x ", numberChars(std::int16_t{-40}), " b");
    EXPECT_EQ(line, "J =0,0945/ 100 x -40 b");
    std::string text = "Po = ";
    appendJoined(text, numberChars(6.0f, "."), std::string_view(" b"));
    EXPECT_EQ(text, "Po = 6 b");
}

// A million values of each kind; an eighth of them in the sanitizer tree, an unoptimised build that checks every
// memory access, where they still take about a second.
#if defined(__SANITIZE_ADDRESS__)
constexpr int sampleSize = 125'000;
#else
constexpr int sampleSize = 1'000'000;
#endif

// Agrees with the first formatting, which rounds through to_chars with a precision, on a sample of the values the
// exercises reach and of doubles of every kind; bench/number_text_sweep.cpp goes through every float in that range.
TEST(NumberTextSample, AgreesWithRoundingThroughToChars)
{
    std::mt19937_64 random(20261208);
    // Bit patterns between 1e-6 and 1e8 of either sign.
    const auto low = std::bit_cast<std::uint32_t>(1e-6f);
    const auto high = std::bit_cast<std::uint32_t>(1e8f);
    std::uniform_int_distribution<std::uint32_t> floatBits(low, high);
    int mismatches = 0;
    for (int i = 0; i < sampleSize && mismatches < 10; ++i) {
        const float value = std::bit_cast<float>(floatBits(random) | (i % 2 == 0 ? 0u : 0x80000000u));
        const std::string expected = reference::numberText(value, ",");
        if (numberText(value, ",") != expected) {
            ADD_FAILURE() << "float " << expected;
            ++mismatches;
        }
    }
    // Any bit pattern, and decimals of a few digits as the exercises' sums and quotients make them.
    std::uniform_int_distribution<int> smallInteger(-100'000, 100'000);
    std::uniform_int_distribution<int> powerOfTen(0, 6);
    for (int i = 0; i < sampleSize && mismatches < 10; ++i) {
        double value = std::bit_cast<double>(random());
        if (i % 2 == 0) value = smallInteger(random) / std::pow(10.0, powerOfTen(random)) * (1 + (i % 7) / 10.0);
        const std::string expected = reference::numberText(value, ",");
        if (numberText(value, ",") != expected) {
            ADD_FAILURE() << "double " << expected;
            ++mismatches;
        }
    }
}

}  // namespace
}  // namespace tavelle
