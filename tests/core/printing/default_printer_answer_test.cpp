#include "core/printing/default_printer_answer.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelle {
namespace {

struct AnswerCase {
    const char* name;
    const char* answer;
    const char* printer;
};

class DefaultPrinterAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(DefaultPrinterAnswer, NamesThePrinterOfTheDefaultLineOnly)
{
    const AnswerCase& c = GetParam();
    EXPECT_EQ(defaultPrinterInAnswer(c.answer), c.printer);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DefaultPrinterAnswer,
    ::testing::Values(
        AnswerCase{"Named", "system default destination: Bureau\n", "Bureau"},
        AnswerCase{"NamedWithoutLineEnd", "system default destination: Bureau", "Bureau"},
        AnswerCase{"Instance", "system default destination: Bureau/recto\n", "Bureau/recto"},
        AnswerCase{"NamedAfterAnotherLine", "\nsystem default destination: Salle_2\n", "Salle_2"},
        AnswerCase{"NoDefault", "no system default destination\n", ""},
        AnswerCase{"NoDefaultWithoutLineEnd", "no system default destination", ""},
        AnswerCase{"MissingDestinationOfTheEnvironment",
                   "lpstat: error - LPDEST environment variable names non-existent destination \"Atelier\".\n", ""},
        AnswerCase{"Translated", "destination par défaut du système : Bureau\n", ""},
        AnswerCase{"NoName", "system default destination: \n", ""}, AnswerCase{"Nothing", "", ""}),
    [](const ::testing::TestParamInfo<AnswerCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tavelle
