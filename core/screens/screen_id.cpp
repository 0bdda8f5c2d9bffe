#include "core/screens/screen_id.h"

#include "core/application_identity.h"

namespace tavelle {

std::string_view screenName(ScreenId screen)
{
    switch (screen) {
    case ScreenId::f1: return "f1";
    case ScreenId::f2: return "f2";
    case ScreenId::fin: return "fin";
    case ScreenId::Form2: return "Form2";
    case ScreenId::Lance1: return "Lance1";
    case ScreenId::Lance2: return "Lance2";
    case ScreenId::Lance3: return "Lance3";
    case ScreenId::Don: return "Don";
    case ScreenId::Dessin: return "Dessin";
    case ScreenId::Calculs: return "Calculs";
    case ScreenId::Calculs2: return "Calculs2";
    case ScreenId::QuestionAB: return "QuestionAB";
    case ScreenId::QuestionBC: return "QuestionBC";
    case ScreenId::Bilan: return "Bilan";
    }
    return {};
}

std::string_view screenCaption(ScreenId screen)
{
    switch (screen) {
    case ScreenId::f1: return "Vordane";
    case ScreenId::f2: return "À propos de Tavelle";
    case ScreenId::fin: return publisherName;
    case ScreenId::Form2: return "Exercice";
    case ScreenId::Lance1: return "Lance numéro 1";
    case ScreenId::Lance2: return "Lance Numéro 2";
    case ScreenId::Lance3: return "Lance Numéro 3";
    case ScreenId::Don: return "Problème :";
    case ScreenId::Dessin: return "Schéma de l'établissement";
    case ScreenId::Calculs: return "Calcul de la portion AB";
    case ScreenId::Calculs2: return "Calculs final";
    case ScreenId::QuestionAB: return "Portion AB : votre réponse";
    case ScreenId::QuestionBC: return "Portion BC : votre réponse";
    case ScreenId::Bilan: return "Bilan de l'exercice";
    }
    return {};
}

}  // namespace tavelle
