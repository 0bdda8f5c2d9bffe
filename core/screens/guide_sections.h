#pragma once

#include "core/screens/screen_id.h"
#include "core/text/joined_text.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tavelle {

struct GuideSection {
    ScreenId screen;
    std::string_view anchor;  // the id of the guide's element that tells of the window
};

// Where the user guide tells of each window, in the order of ScreenId: F1 opens the guide there.
inline constexpr std::array<GuideSection, 14> guideSections{{
    {ScreenId::f1, "accueil"},
    {ScreenId::f2, "a-propos"},
    {ScreenId::fin, "fin"},
    {ScreenId::Form2, "exercice"},
    {ScreenId::Lance1, "lance-1"},
    {ScreenId::Lance2, "lance-2"},
    {ScreenId::Lance3, "lance-3"},
    {ScreenId::Don, "enonce"},
    {ScreenId::Dessin, "schema"},
    {ScreenId::Calculs, "portion-ab"},
    {ScreenId::Calculs2, "calcul-final"},
    {ScreenId::QuestionAB, "question-ab"},
    {ScreenId::QuestionBC, "question-bc"},
    {ScreenId::Bilan, "bilan"},
}};

constexpr bool guideSectionsFollowScreenIds()
{
    for (std::size_t i = 0; i < guideSections.size(); ++i)
        if (static_cast<std::size_t>(guideSections[i].screen) != i) return false;
    return true;
}
static_assert(guideSectionsFollowScreenIds(), "one guide section a screen, in the order of ScreenId");

constexpr std::string_view guideSection(ScreenId screen)
{
    return guideSections[static_cast<std::size_t>(screen)].anchor;
}

// What F1 says, in a box of this title, when it cannot show the guide: the file it looked for, or the file
// that nothing could open, for the user to open it themselves.
inline constexpr std::string_view guideBoxTitle = "Guide de l'utilisateur";

inline std::string guideMissingText(std::string_view expectedFile)
{
    return joinedText("Le guide de l'utilisateur n'est pas installé. Il devrait se trouver ici :\n", expectedFile);
}

inline std::string guideNotOpenedText(std::string_view file)
{
    return joinedText("Aucun navigateur n'a pu ouvrir le guide de l'utilisateur. Vous pouvez l'ouvrir vous-même, il se "
                      "trouve ici :\n",
                      file);
}

}  // namespace tavelle
