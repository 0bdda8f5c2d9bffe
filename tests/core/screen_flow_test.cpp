#include "core/screen_flow.h"

#include <gtest/gtest.h>

namespace tavelle {
namespace {

struct FlowCase {
    ScreenId from;
    const char* control;
    int nozzleCount;
    std::optional<ScreenId> opens;  // none: the program ends
    bool modal;
};

class NavigationTable : public ::testing::TestWithParam<FlowCase> {};

TEST_P(NavigationTable, LeadsWhereTheFlowSays)
{
    const FlowCase& c = GetParam();
    ExerciseRecord record;
    record.nozzleCount = static_cast<std::uint8_t>(c.nozzleCount);
    const auto navigation = navigate(c.from, c.control, record);
    ASSERT_TRUE(navigation.has_value());
    if (c.opens) {
        EXPECT_EQ(navigation->kind, Navigation::Kind::Open);
        EXPECT_EQ(navigation->target, *c.opens);
        EXPECT_EQ(navigation->modal, c.modal);
    } else {
        EXPECT_EQ(navigation->kind, Navigation::Kind::EndProgram);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NavigationTable,
    ::testing::Values(FlowCase{ScreenId::f1, "Command1", 0, ScreenId::Form2, false},
                      FlowCase{ScreenId::f1, "Command2", 0, ScreenId::fin, true},
                      FlowCase{ScreenId::f1, "Command3", 0, ScreenId::f2, true},
                      FlowCase{ScreenId::f2, "cmdOK", 0, ScreenId::f1, true},
                      FlowCase{ScreenId::fin, "Command1", 0, std::nullopt, false},
                      FlowCase{ScreenId::Form2, "Command2", 0, ScreenId::fin, true},
                      FlowCase{ScreenId::Lance1, "Command2", 1, ScreenId::Form2, true},
                      FlowCase{ScreenId::Lance2, "Command2", 2, ScreenId::Lance1, true},
                      FlowCase{ScreenId::Lance3, "Command2", 3, ScreenId::Lance2, false},
                      FlowCase{ScreenId::Don, "Command1", 1, ScreenId::Dessin, true},
                      FlowCase{ScreenId::Don, "Command2", 1, ScreenId::Form2, true},
                      FlowCase{ScreenId::Don, "Command3", 1, ScreenId::Lance1, true},
                      FlowCase{ScreenId::Don, "Command3", 2, ScreenId::Lance2, true},
                      FlowCase{ScreenId::Don, "Command3", 3, ScreenId::Lance3, true},
                      FlowCase{ScreenId::Dessin, "Command1", 1, ScreenId::Calculs, true},
                      FlowCase{ScreenId::Dessin, "Command2", 1, std::nullopt, false},
                      FlowCase{ScreenId::Dessin, "Command3", 1, ScreenId::Don, true},
                      FlowCase{ScreenId::Calculs, "Command1", 1, ScreenId::Calculs2, true},
                      FlowCase{ScreenId::Calculs, "Command2", 1, ScreenId::fin, true},
                      FlowCase{ScreenId::Calculs, "Command3", 1, ScreenId::Dessin, true},
                      FlowCase{ScreenId::Calculs2, "Command1", 1, ScreenId::Form2, true},
                      FlowCase{ScreenId::Calculs2, "Command2", 1, ScreenId::fin, true},
                      FlowCase{ScreenId::Calculs2, "Command3", 1, ScreenId::Calculs, true}),
    [](const auto& info) {
        return std::string(screenName(info.param.from)) + "_" + info.param.control + "_" +
               std::to_string(info.param.nozzleCount);
    });

TEST(NavigationTable, PrintAndValidationButtonsDoNotNavigateHere)
{
    const ExerciseRecord record;
    for (ScreenId screen : {ScreenId::Don, ScreenId::Dessin, ScreenId::Calculs, ScreenId::Calculs2})
        EXPECT_FALSE(navigate(screen, "Command4", record).has_value());
    for (ScreenId screen : {ScreenId::Form2, ScreenId::Lance1, ScreenId::Lance2, ScreenId::Lance3})
        EXPECT_FALSE(navigate(screen, "Command1", record).has_value());
}

TEST(ScreenNames, RoundTrip)
{
    for (ScreenId screen : allScreens) EXPECT_EQ(screenFromName(screenName(screen)), screen);
    EXPECT_FALSE(screenFromName("Form3").has_value());
}

}  // namespace
}  // namespace tavelle
