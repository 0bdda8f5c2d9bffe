#include "core/application_identity.h"
#include "core/screens/about_texts.h"
#include "core/screens/screen_flow.h"

#include <gtest/gtest.h>

namespace tavelle {
namespace {

struct FlowCase {
    ScreenId from;
    const char* control;
    int nozzleCount;
    std::optional<ScreenId> opens;  // none: the program ends
    Modality modality;
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
        EXPECT_EQ(navigation->modality, c.modality);
    } else {
        EXPECT_EQ(navigation->kind, Navigation::Kind::EndProgram);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NavigationTable,
    ::testing::Values(FlowCase{ScreenId::f1, "Command1", 0, ScreenId::Form2, Modality::Modeless},
                      FlowCase{ScreenId::f1, "Command2", 0, ScreenId::fin, Modality::Modal},
                      FlowCase{ScreenId::f1, "Command3", 0, ScreenId::f2, Modality::Modal},
                      FlowCase{ScreenId::f2, "cmdOK", 0, ScreenId::f1, Modality::Modal},
                      FlowCase{ScreenId::fin, "Command1", 0, std::nullopt, Modality::Modeless},
                      FlowCase{ScreenId::Form2, "Command2", 0, ScreenId::fin, Modality::Modal},
                      FlowCase{ScreenId::Lance1, "Command2", 1, ScreenId::Form2, Modality::Modal},
                      FlowCase{ScreenId::Lance2, "Command2", 2, ScreenId::Lance1, Modality::Modal},
                      FlowCase{ScreenId::Lance3, "Command2", 3, ScreenId::Lance2, Modality::Modeless},
                      FlowCase{ScreenId::Don, "Command1", 1, ScreenId::Dessin, Modality::Modal},
                      FlowCase{ScreenId::Don, "Command2", 1, ScreenId::Form2, Modality::Modal},
                      FlowCase{ScreenId::Don, "Command3", 1, ScreenId::Lance1, Modality::Modal},
                      FlowCase{ScreenId::Don, "Command3", 2, ScreenId::Lance2, Modality::Modal},
                      FlowCase{ScreenId::Don, "Command3", 3, ScreenId::Lance3, Modality::Modal},
                      FlowCase{ScreenId::Dessin, "Command1", 1, ScreenId::Calculs, Modality::Modal},
                      FlowCase{ScreenId::Dessin, "Command2", 1, std::nullopt, Modality::Modeless},
                      FlowCase{ScreenId::Dessin, "Command3", 1, ScreenId::Don, Modality::Modal},
                      FlowCase{ScreenId::Calculs, "Command1", 1, ScreenId::Calculs2, Modality::Modal},
                      FlowCase{ScreenId::Calculs, "Command2", 1, ScreenId::fin, Modality::Modal},
                      FlowCase{ScreenId::Calculs, "Command3", 1, ScreenId::Dessin, Modality::Modal},
                      FlowCase{ScreenId::Calculs2, "Command1", 1, ScreenId::Form2, Modality::Modal},
                      FlowCase{ScreenId::Calculs2, "Command2", 1, ScreenId::fin, Modality::Modal},
                      FlowCase{ScreenId::Calculs2, "Command3", 1, ScreenId::Calculs, Modality::Modal}),
    [](const auto& row) {
        return std::string(screenName(row.param.from)) + "_" + row.param.control + "_" +
               std::to_string(row.param.nozzleCount);
    });

TEST(NavigationTable, PrintAndValidationButtonsDoNotNavigateHere)
{
    const ExerciseRecord record;
    for (ScreenId screen : {ScreenId::Don, ScreenId::Dessin, ScreenId::Calculs, ScreenId::Calculs2})
        EXPECT_FALSE(navigate(screen, "Command4", record).has_value());
    for (ScreenId screen : {ScreenId::Form2, ScreenId::Lance1, ScreenId::Lance2, ScreenId::Lance3})
        EXPECT_FALSE(navigate(screen, "Command1", record).has_value());
}

TEST(NavigationTable, OtherControlsDoNotNavigate)
{
    const ExerciseRecord record;
    const struct {
        ScreenId from;
        const char* control;
    } rows[] = {
        {ScreenId::f1, "Label1"},       {ScreenId::f1, "Command4"},     {ScreenId::f2, "Command1"},
        {ScreenId::f2, "cmdok"},        {ScreenId::fin, "Command2"},    {ScreenId::Form2, "Command3"},
        {ScreenId::Lance1, "Command3"}, {ScreenId::Lance2, "Command3"}, {ScreenId::Lance3, "Command3"},
        {ScreenId::Don, "command1"},    {ScreenId::Dessin, ""},         {ScreenId::Calculs2, "Command5"},
    };
    for (const auto& row : rows)
        EXPECT_FALSE(navigate(row.from, row.control, record).has_value()) << screenName(row.from) << " " << row.control;
}

TEST(ScreenCaptions, FixedCaptionOfEveryWindow)
{
    const std::pair<ScreenId, std::string> captions[] = {
        {ScreenId::f1, "Vordane"},
        {ScreenId::f2, aboutCaption()},
        {ScreenId::fin, std::string(publisherName)},
        {ScreenId::Form2, "Exercice"},
        {ScreenId::Lance1, "Lance numéro 1"},
        {ScreenId::Lance2, "Lance Numéro 2"},
        {ScreenId::Lance3, "Lance Numéro 3"},
        {ScreenId::Don, "Problème :"},
        {ScreenId::Dessin, "Schéma de l'établissement"},
        {ScreenId::Calculs, "Calcul de la portion AB"},
        {ScreenId::Calculs2, "Calculs final"},
    };
    ASSERT_EQ(std::size(captions), std::size(allScreens));
    for (const auto& [screen, caption] : captions) EXPECT_EQ(screenCaption(screen), caption) << screenName(screen);
}

// An id beyond the eleven screens and the practice windows names nothing and leads nowhere.
TEST(ScreenNames, UnknownScreenIdHasNoNameCaptionOrNavigation)
{
    const auto unknown = static_cast<ScreenId>(std::size(allScreens) + std::size(practiceScreens));
    EXPECT_EQ(screenName(unknown), "");
    EXPECT_EQ(screenCaption(unknown), "");
    EXPECT_FALSE(navigate(unknown, "Command1", ExerciseRecord{}).has_value());
}

}  // namespace
}  // namespace tavelle
