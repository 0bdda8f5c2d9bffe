#include "core/screens/result_labels.h"
#include "core/screens/walkthrough.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tavelle {
namespace {

using Names = std::vector<std::pair<std::string_view, std::string_view>>;  // meaning's control, design's control

// Which control shows which result, as the screens' designs name them.
Names schematicDesign()
{
    namespace s = schematicLabels;
    Names names{{s::pumpRating, "Label1"}, {s::feedLength, "Label2"}, {s::feedDiameter, "Label3"},
                {s::totalFlow, "Label4"},  {s::feedSlope, "Label15"}, {s::divisionElevation, "Label20"}};
    const char* const nozzles[3][9] = {
        {"Label21", "Label8", "Label10", "Label9", "Label28", "Label11", "Label7", "Line2", "Line9"},
        {"Label22", "Label19", "Label17", "Label16", "Label30", "Label18", "Label12", "Line4", "Line8"},
        {"Label23", "Label24", "Label26", "Label25", "Label29", "Label27", "Label13", "Line3", "Line5"}};
    for (std::size_t k = 0; k < 3; ++k) {
        const s::Nozzle& n = s::nozzles[k];
        const char* const meanings[9] = {n.type,   n.pressure, n.flow,     n.hoseLength, n.hoseDiameter,
                                         n.height, n.caption,  n.hoseLine, n.nozzleLine};
        for (std::size_t i = 0; i < 9; ++i) names.emplace_back(meanings[i], nozzles[k][i]);
    }
    return names;
}

Names portionAbDesign()
{
    namespace p = portionAbLabels;
    Names names{{p::heading, "Label1"}, {p::worstNozzle, "Label14"}};
    const char* const branches[3][5] = {{"Label15", "Label2", "Label3", "Label4", "Label5"},
                                        {"Label16", "Label6", "Label7", "Label8", "Label9"},
                                        {"Label17", "Label10", "Label11", "Label12", "Label13"}};
    for (std::size_t k = 0; k < 3; ++k) {
        const p::Branch& b = p::branches[k];
        const char* const meanings[5] = {b.orificePressure, b.j2Line, b.hoseLossLine, b.heightLine, b.branchTotal};
        for (std::size_t i = 0; i < 5; ++i) names.emplace_back(meanings[i], branches[k][i]);
    }
    return names;
}

Names finalDesign()
{
    namespace f = finalLabels;
    return {{f::j2Line, "Label2"},
            {f::lengthLossLine, "Label3"},
            {f::slopeLossLine, "Label4"},
            {f::bcTotal, "Label5"},
            {f::orificePressure, "Label10"},
            {f::jab, "Label1"},
            {f::js, "Label6"},
            {f::jbc, "Label7"},
            {f::pumpPressure, "Label8"},
            {f::pumpVerdict, "Label9"}};
}

struct ScreenNames {
    ScreenId screen;
    Names (*design)();
};

const ScreenNames screens[] = {
    {ScreenId::Dessin, schematicDesign}, {ScreenId::Calculs, portionAbDesign}, {ScreenId::Calculs2, finalDesign}};

TEST(ResultLabels, NameTheDesignsControlsEachOnce)
{
    EXPECT_EQ(std::string_view(statementLabels::statement), "Label2");
    for (const ScreenNames& screen : screens) {
        std::set<std::string_view> controls;
        for (const auto& [meaning, design] : screen.design()) {
            EXPECT_EQ(meaning, design) << screenName(screen.screen);
            EXPECT_TRUE(controls.insert(meaning).second) << meaning << " twice on " << screenName(screen.screen);
        }
    }
}

TEST(ResultLabels, EveryControlALoadSetsHasItsMeaning)
{
    ExerciseInput in;
    in.exercise = {"2000/15", "110", "200", "3", "négative", "6"};
    in.nozzle1 = {"40/14", "250", "10", "1"};
    in.nozzle2 = {"65/18", "500", "310", "326", "2"};
    in.nozzle3 = {"LDV 1000", "750", "3", "négative", "5"};
    ExerciseRecord record;
    const WalkResult walk = walkExercise(in, record, ",");
    ASSERT_TRUE(walk.accepted);
    const ScreenLoad* loads[] = {&walk.schematic, &walk.portionAb, &walk.finalCalculation};
    for (std::size_t i = 0; i < std::size(screens); ++i) {
        std::set<std::string_view> named;
        for (const auto& [meaning, design] : screens[i].design()) named.insert(meaning);
        for (const ControlState& control : *loads[i])
            EXPECT_TRUE(named.contains(control.name)) << control.name << " on " << screenName(screens[i].screen);
    }
}

}  // namespace
}  // namespace tavelle
