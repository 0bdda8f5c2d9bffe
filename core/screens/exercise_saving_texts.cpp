#include "core/screens/exercise_saving_texts.h"

#include "core/text/joined_text.h"

namespace tavelle {

std::string exerciseSavedText(std::string_view file, std::size_t exerciseCount)
{
    const std::string uses =
        joinedText("\n\nPour s'entraîner sur ce fichier : tavelle ", file,
                   "\nPour en tirer des sujets d'examen : tavelle-sheets ", file, " -o sujets.pdf");
    if (exerciseCount == 1) return joinedText("L'exercice est enregistré dans le fichier ", file, ".", uses);
    return joinedText("L'exercice est ajouté au fichier ", file, ", qui compte maintenant ",
                      std::to_string(exerciseCount), " exercices.", uses);
}

std::string exerciseNotSavedText(std::string_view file, std::size_t exercise, std::string_view reason)
{
    if (exercise == 0) return joinedText("L'exercice n'est pas enregistré dans le fichier ", file, " : ", reason);
    return joinedText("L'exercice n'est pas enregistré dans le fichier ", file, " : l'exercice ",
                      std::to_string(exercise), " de ce fichier est refusé : ", reason);
}

}  // namespace tavelle
