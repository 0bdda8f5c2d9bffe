#include "core/screens/about_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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
        AboutCase{"Version", aboutVersionText, "Version 1.0.0"}, AboutCase{"Title", aboutTitleText, "Tavelle"},
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

// The lines joined from the sites, the address and the names.
TEST(AboutTexts, LinesJoinTheirPieces)
{
    using namespace aboutTexts;
    const std::pair<std::string_view, const char*> lines[] = {
        {homeTitleLine, "Tavelle"},
        {homePublisherLine, "Projet Tavelle"},
        {homeWebSiteLine, "tavelle.example.org\ndocs.example.org/tavelle"},
        {homeTitleTooltip, "contact@tavelle.example.org"},
        {homePictureTooltip, "Écrivez-nous : contact@tavelle.example.org"},
        {legalNotice, "Projet Tavelle — logiciel libre de formation, fourni sans garantie."},
        {logoTooltip, "Emblème du Projet Tavelle"},
        {webSitesTitle, "Tavelle sur le web"},
        {webSitesText,
         "Site du projet : https://tavelle.example.org\nDocumentation : https://docs.example.org/tavelle"},
        {aboutContactLine, "Site : https://tavelle.example.org\nCourriel : contact@tavelle.example.org"},
        {closingWebSiteLine, "https://tavelle.example.org"},
        {closingEMailLine, "contact@tavelle.example.org"},
    };
    for (const auto& [line, expected] : lines) EXPECT_EQ(line, expected);
}

}  // namespace
}  // namespace tavelle
