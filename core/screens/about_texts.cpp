#include "core/screens/about_texts.h"

#include "core/application_identity.h"
#include "core/text/number_text.h"

namespace tavelle {

std::string aboutCaption()
{
    return "À propos de " + std::string(applicationTitle);
}

std::string versionNumberText()
{
    return numberText(versionMajor) + "." + numberText(versionMinor) + "." + numberText(versionRevision);
}

std::string aboutVersionText()
{
    return "Version " + versionNumberText();
}

std::string aboutTitleText()
{
    return std::string(applicationTitle);
}

std::string aboutDescription()
{
    return "Descriptif de l'application :" + std::string(68, ' ') +
           "Logiciel permettant de calculer les pertes de charge d'un établissement suivant un énoncé choisi "
           "par l'utilisateur.";
}

std::string aboutDisclaimer()
{
    return "AVERTISSEMENT :" + std::string(82, ' ') +
           "Ce logiciel n'a rien d'officiel et ne doit pas être utilisé sur intervention. Cette version doit être "
           "utilisée lors d'exercices de simulation ou pour des révisions avant examen.";
}

std::string closingTitleText()
{
    return "\"" + std::string(applicationTitle) + "\" ";
}

}  // namespace tavelle
