#include "core/printing/printer_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavelle {
namespace {

struct ChoiceCase {
    const char* name;
    std::vector<InstalledPrinter> printers;
    std::string current;
    std::string chosen;
};

class PrinterChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(PrinterChoice, TheLastDefaultPrinterBecomesCurrentOtherwiseCurrentStays)
{
    const ChoiceCase& c = GetParam();
    EXPECT_EQ(chooseCurrentPrinter(c.printers, c.current), c.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, PrinterChoice,
    ::testing::Values(ChoiceCase{"NoPrinterKeepsCurrent", {}, "Bureau", "Bureau"},
                      ChoiceCase{"NoPrinterAndNoCurrentLeavesNone", {}, "", ""},
                      ChoiceCase{"OnlyPrinterIsDefault", {{"Bureau", true}}, "", "Bureau"},
                      ChoiceCase{"DefaultReplacesCurrent", {{"Atelier", false}, {"Bureau", true}}, "Atelier", "Bureau"},
                      ChoiceCase{"DefaultFirstInOrder", {{"Bureau", true}, {"Atelier", false}}, "Atelier", "Bureau"},
                      ChoiceCase{
                          "LaterDefaultWins", {{"Bureau", true}, {"Atelier", false}, {"Salle", true}}, "", "Salle"},
                      ChoiceCase{"NoDefaultKeepsCurrent", {{"Atelier", false}, {"Bureau", false}}, "Bureau", "Bureau"},
                      ChoiceCase{"NoDefaultKeepsVanishedCurrent", {{"Atelier", false}}, "Bureau", "Bureau"},
                      ChoiceCase{"NoDefaultAndNoCurrentLeavesNone", {{"Atelier", false}, {"Bureau", false}}, "", ""}),
    [](const ::testing::TestParamInfo<ChoiceCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tavelle
