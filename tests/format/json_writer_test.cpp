#include "format/json_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelle {
namespace {

std::string written(std::string_view value)
{
    JsonWriter json;
    json.string(value);
    return json.text();
}

struct EscapeCase {
    std::string value;
    std::string expected;
};

class JsonString : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(JsonString, EscapesQuotesBackslashesAndControlCharactersOnly)
{
    EXPECT_EQ(written(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, JsonString,
    ::testing::Values(EscapeCase{"", R"("")"}, EscapeCase{"J =0,0945/ 100 x 40", R"("J =0,0945/ 100 x 40")"},
                      EscapeCase{"a\"b\\c", R"("a\"b\\c")"}, EscapeCase{"\n\r\t", R"("\n\r\t")"},
                      EscapeCase{std::string("\x01\x1f\0", 3), R"("\u0001\u001f\u0000")"},
                      // DEL and every byte of a multi-byte character go through as they are.
                      EscapeCase{"\x7f débit ² \xf0\x9f\x9a\x92", "\"\x7f débit ² \xf0\x9f\x9a\x92\""},
                      EscapeCase{"Perte de charge totale de la lance 1 = 2",
                                 R"("Perte de charge totale de la lance 1 = 2")"}));

// A quote at every place in and around the eight-byte blocks that the writer tests at once.
TEST(JsonStringBlocks, FindTheCharacterToEscapeAtAnyPlace)
{
    const std::string plain = "Pression à la pompe = Po + Jab";
    for (std::size_t at = 0; at <= plain.size(); ++at) {
        std::string value = plain;
        value.insert(at, 1, '"');
        EXPECT_EQ(written(value), "\"" + plain.substr(0, at) + "\\\"" + plain.substr(at) + "\"") << at;
    }
}

}  // namespace
}  // namespace tavelle
