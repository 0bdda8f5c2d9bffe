#pragma once

#include <string>
#include <string_view>

namespace tavelle {

// The lines about the product itself, shared by the home screen, the About box and the closing
// screen so that every screen names the same sites and addresses.
namespace aboutTexts {

inline constexpr std::string_view webSite = "https://tavelle.example.org";
inline constexpr std::string_view documentationSite = "https://docs.example.org/tavelle";
inline constexpr std::string_view eMail = "contact@tavelle.example.org";

// Home screen.
inline constexpr std::string_view homeTitleLine = "Tavelle";
inline constexpr std::string_view homePublisherLine = "Projet Tavelle";
// The two sites without their scheme: the line is set in a large type on a narrow label.
inline constexpr std::string_view homeWebSiteLine = "tavelle.example.org\ndocs.example.org/tavelle";
inline constexpr std::string_view homeTitleTooltip = "contact@tavelle.example.org";
inline constexpr std::string_view homePictureTooltip = "Écrivez-nous : contact@tavelle.example.org";
inline constexpr std::string_view legalNotice = "Projet Tavelle — logiciel libre de formation, fourni sans garantie.";
inline constexpr std::string_view logoTooltip = "Emblème du Projet Tavelle";
// What a screen reader says for the home screen's picture; its tooltip is an address, not a name.
inline constexpr std::string_view pumpPictureName = "Dessin d'une pompe à incendie";

// What the double-click on the home screen's web-site line shows.
inline constexpr std::string_view webSitesTitle = "Tavelle sur le web";
inline constexpr std::string_view webSitesText =
    "Site du projet : https://tavelle.example.org\nDocumentation : https://docs.example.org/tavelle";

// About box.
inline constexpr std::string_view aboutContactLine =
    "Site : https://tavelle.example.org\nCourriel : contact@tavelle.example.org";

// Closing screen.
inline constexpr std::string_view closingWebSiteLine = "https://tavelle.example.org";
inline constexpr std::string_view closingEMailLine = "contact@tavelle.example.org";

}  // namespace aboutTexts

// The version numbers joined by dots ("1.0.0"), as every program of the application prints them.
std::string versionNumberText();

// The About box's load work: "À propos de " and the title, "Version " and the version numbers.
std::string aboutCaption();
std::string aboutVersionText();
std::string aboutTitleText();
// Its two word-wrapped texts, whose runs of blanks push the second sentence onto a new line.
std::string aboutDescription();
std::string aboutDisclaimer();

// The closing screen's title: the application title in double quotation marks, then one blank.
std::string closingTitleText();

}  // namespace tavelle
