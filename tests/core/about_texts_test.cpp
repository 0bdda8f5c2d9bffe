#include "core/about_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelle {
namespace {

struct AboutCase {
    const char* name;
    std::string (*text)();
    std::string expected;
};

class AboutText : public ::testing::TestWithParam<AboutCase> {};

TEST_P(AboutText, ReadsAsDesigned)
{
    EXPECT_EQ(GetParam().text(), GetParam().expected);
}

// The runs of blanks are what push the second sentence onto its own line in the word-wrapped labels.
INSTANTIATE_TEST_SUITE_P(
    Texts, AboutText,
    ::testing::Values(
        AboutCase{"Caption", aboutCaption, "À propos de Tavelle"},
        AboutCase{"Version", aboutVersionText, "Version 1.0.0"},
        AboutCase{"Title", aboutTitleText, "Tavelle"},
        AboutCase{"Description", aboutDescription,
                  "Descriptif de l'application :" + std::string(68, ' ') +
                      "Logiciel permettant de calculer les pertes de charge d'un établissement suivant un énoncé "
                      "choisi par l'utilisateur."},
        AboutCase{"Disclaimer", aboutDisclaimer,
                  "AVERTISSEMENT :" + std::string(82, ' ') +
                      "Ce logiciel n'a rien d'officiel et ne doit pas être utilisé sur intervention. Cette version "
                      "doit être utilisée lors d'exercices de simulation ou pour des révisions avant examen."},
        AboutCase{"ClosingTitle", closingTitleText, "\"Tavelle\" "}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tavelle
