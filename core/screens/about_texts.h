#pragma once

#include "core/application_identity.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace tavelle {

namespace aboutTextsDetail {

// Pieces joined at compile time into one text that lives as long as the program.
template <const std::string_view&... Pieces>
struct Joined {
    static constexpr auto chars = [] {
        std::array<char, (Pieces.size() + ...)> text{};
        auto end = text.begin();
        ((end = std::ranges::copy(Pieces, end).out), ...);
        return text;
    }();
    static constexpr std::string_view text{chars.data(), chars.size()};
};

template <const std::string_view&... Pieces>
inline constexpr std::string_view joined = Joined<Pieces...>::text;

constexpr std::string_view withoutScheme(std::string_view address)
{
    return address.substr(address.find("//") + 2);
}

}  // namespace aboutTextsDetail

// The lines about the product itself, shared by the home screen, the About box and the closing
// screen so that every screen names the same sites and addresses. Each site, address and name is
// written once; the lines are joined from them.
namespace aboutTexts {

inline constexpr std::string_view webSite = "https://tavelle.example.org";
inline constexpr std::string_view documentationSite = "https://docs.example.org/tavelle";
inline constexpr std::string_view eMail = "contact@tavelle.example.org";

namespace pieces {
inline constexpr std::string_view newLine = "\n";
inline constexpr std::string_view webSiteHost = aboutTextsDetail::withoutScheme(webSite);
inline constexpr std::string_view documentationHost = aboutTextsDetail::withoutScheme(documentationSite);
inline constexpr std::string_view writeToUs = "Écrivez-nous : ";
inline constexpr std::string_view notice = " — logiciel libre de formation, fourni sans garantie.";
inline constexpr std::string_view emblemOf = "Emblème du ";
inline constexpr std::string_view projectSite = "Site du projet : ";
inline constexpr std::string_view documentation = "\nDocumentation : ";
inline constexpr std::string_view site = "Site : ";
inline constexpr std::string_view onTheWeb = " sur le web";
inline constexpr std::string_view mail = "\nCourriel : ";
}  // namespace pieces

// Home screen.
inline constexpr std::string_view homeTitleLine = applicationTitle;
inline constexpr std::string_view homePublisherLine = publisherName;
// The two sites without their scheme: the line is set in a large type on a narrow label.
inline constexpr std::string_view homeWebSiteLine =
    aboutTextsDetail::joined<pieces::webSiteHost, pieces::newLine, pieces::documentationHost>;
inline constexpr std::string_view homeTitleTooltip = eMail;
inline constexpr std::string_view homePictureTooltip = aboutTextsDetail::joined<pieces::writeToUs, eMail>;
inline constexpr std::string_view legalNotice = aboutTextsDetail::joined<publisherName, pieces::notice>;
inline constexpr std::string_view logoTooltip = aboutTextsDetail::joined<pieces::emblemOf, publisherName>;
// What a screen reader says for the home screen's picture; its tooltip is an address, not a name.
inline constexpr std::string_view pumpPictureName = "Dessin d'une pompe à incendie";

// What the double-click on the home screen's web-site line shows.
inline constexpr std::string_view webSitesTitle = aboutTextsDetail::joined<applicationTitle, pieces::onTheWeb>;
inline constexpr std::string_view webSitesText =
    aboutTextsDetail::joined<pieces::projectSite, webSite, pieces::documentation, documentationSite>;

// About box.
inline constexpr std::string_view aboutContactLine =
    aboutTextsDetail::joined<pieces::site, webSite, pieces::mail, eMail>;

// Closing screen.
inline constexpr std::string_view closingWebSiteLine = webSite;
inline constexpr std::string_view closingEMailLine = eMail;

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
