#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavelle {

// What saving the exercise entered (Ctrl+S from the statement on) says: the file dialog's title and file
// kinds, and the box that tells how it went.
namespace exerciseSavingTexts {
inline constexpr std::string_view dialogTitle = "Enregistrer l'exercice";
inline constexpr std::string_view fileKinds = "Exercices (*.json);;Tous les fichiers (*)";
inline constexpr std::string_view fileSuffix = "json";
inline constexpr std::string_view boxTitle = "Exercice enregistré";
inline constexpr std::string_view notReadBack = "le fichier écrit ne se relit pas tel qu'il a été écrit";
}  // namespace exerciseSavingTexts

// The exercise is in `file`, which now holds `exerciseCount` exercises; how to practise on it or draw
// exam sheets from it.
std::string exerciseSavedText(std::string_view file, std::size_t exerciseCount);
// Why the exercise is not saved in `file`: the reason, after the exercise of the file at fault (from 1)
// when one is.
std::string exerciseNotSavedText(std::string_view file, std::size_t exercise, std::string_view reason);

}  // namespace tavelle
