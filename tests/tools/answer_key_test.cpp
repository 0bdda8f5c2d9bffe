#include "tools/solve/answer_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace tavelle {
namespace {

using Lines = std::vector<std::string>;

// Three nozzles whose every line shows: adjustable flows off their hoses' reference flows, every height set.
ExerciseInput everyLineShows()
{
    ExerciseInput in;
    in.exercise = {"2000/15", "110", "200", "3", "positive", "5"};
    in.nozzle1 = {"LDV 500", "400", "10", "2"};
    in.nozzle2 = {"LDV 1000", "750", "326", "310", "2"};
    in.nozzle3 = {"LDV 500", "300", "3", "Positive", "5"};
    return in;
}

// The texts of a load's controls, in the order given, as the answer key indents them; blank ones left out.
void appendTexts(Lines& lines, const ScreenLoad& load, std::initializer_list<const char*> names,
                 const std::string& indent = "    ")
{
    for (const char* name : names) {
        const auto control = std::ranges::find(load, std::string_view(name), &ControlState::name);
        ASSERT_NE(control, load.end()) << name;
        if (control->visible && !control->text.empty()) lines.push_back(indent + control->text);
    }
}

// The answer key reads the screens' labels grouped by what they describe, each group in the order of the
// trade's worksheet.
TEST(AnswerKey, ReadsEveryLabelInWorksheetOrder)
{
    ExerciseRecord record;
    const WalkResult walk = walkExercise(everyLineShows(), record, ",");
    ASSERT_TRUE(walk.accepted);

    Lines expected{"Exercice 7 : corrigé",
                   "",
                   "Données du problème :",
                   "  " + walk.statement,
                   "",
                   "Schéma de l'établissement :",
                   "  Pompe (C) et alimentation jusqu'à la division (B) :"};
    const ScreenLoad& drawing = walk.schematic;
    appendTexts(expected, drawing, {"Label1", "Label3", "Label2", "Label4", "Label15", "Label20"});
    expected.push_back("  Lance 1 :");
    appendTexts(expected, drawing, {"Label21", "Label8", "Label10", "Label9", "Label28", "Label11"});
    expected.push_back("  Lance 2 :");
    appendTexts(expected, drawing, {"Label22", "Label19", "Label17", "Label16", "Label30", "Label18"});
    expected.push_back("  Lance 3 :");
    appendTexts(expected, drawing, {"Label23", "Label24", "Label26", "Label25", "Label29", "Label27"});

    expected.insert(expected.end(), {"", "Calcul de la portion AB :"});
    appendTexts(expected, walk.portionAb, {"Label1"}, "  ");
    expected.push_back("  Lance 1 :");
    appendTexts(expected, walk.portionAb, {"Label15", "Label2", "Label3", "Label4", "Label5"});
    expected.push_back("  Lance 2 :");
    appendTexts(expected, walk.portionAb, {"Label16", "Label6", "Label7", "Label8", "Label9"});
    expected.push_back("  Lance 3 :");
    appendTexts(expected, walk.portionAb, {"Label17", "Label10", "Label11", "Label12", "Label13"});
    appendTexts(expected, walk.portionAb, {"Label14"}, "  ");

    expected.insert(expected.end(), {"", "Calculs final :", "  Portion BC, entre la pompe et la division :"});
    appendTexts(expected, walk.finalCalculation, {"Label2", "Label3", "Label4", "Label5"});
    expected.push_back("  Pression à la pompe :");
    appendTexts(expected, walk.finalCalculation, {"Label10", "Label1", "Label6", "Label7", "Label8"});
    appendTexts(expected, walk.finalCalculation, {"Label9"}, "  ");
    expected.insert(expected.end(), {"", "Ligne de pression, de la pompe à la lance la plus défavorable :",
                                     "      0 m   11,7134 b                       Pompe (C)",
                                     "    200 m     9,536 b      Jbc = 2,1774 b   Division (B), entrée",
                                     "    200 m     8,536 b            Js = 1 b   Division (B), sortie",
                                     "    240 m         6 b       Jab = 2,536 b   Lance n°1 (A)"});

    std::istringstream key(answerKey(walk, 7, record, ","));
    Lines lines;
    for (std::string line; std::getline(key, line);) lines.push_back(line);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(expected.size(), 7u + 6 + 3 * 7 + 2 + 1 + 3 * 6 + 1 + 3 + 4 + 1 + 5 + 1 + 6)
        << "a line of the exercise is blank";
}

}  // namespace
}  // namespace tavelle
