#include "core/screens/exercise_saving_texts.h"

#include <gtest/gtest.h>

namespace tavelle {
namespace {

TEST(ExerciseSavingTexts, SayWhereTheExerciseWentOrWhyNot)
{
    const std::string uses = "\n\nPour s'entraîner sur ce fichier : tavelle s.json"
                             "\nPour en tirer des sujets d'examen : tavelle-sheets s.json -o sujets.pdf";
    EXPECT_EQ(exerciseSavedText("s.json", 1), "L'exercice est enregistré dans le fichier s.json." + uses);
    EXPECT_EQ(exerciseSavedText("s.json", 12),
              "L'exercice est ajouté au fichier s.json, qui compte maintenant 12 exercices." + uses);
    EXPECT_EQ(exerciseNotSavedText("s.json", 0, "ce n'est pas un fichier ordinaire"),
              "L'exercice n'est pas enregistré dans le fichier s.json : ce n'est pas un fichier ordinaire");
    EXPECT_EQ(exerciseNotSavedText("s.json", 3, "A 0% la pente est nulle !!!"),
              "L'exercice n'est pas enregistré dans le fichier s.json : l'exercice 3 de ce fichier est refusé : A 0% "
              "la pente est nulle !!!");
}

}  // namespace
}  // namespace tavelle
