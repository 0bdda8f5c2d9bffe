#pragma once

#include "core/progress/practice_attempt.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// The fixed texts of the practice windows.
namespace practiceTexts {
inline constexpr std::string_view portionAbHeading = "Portion AB : à vous de trouver, avant de voir le calcul";
inline constexpr std::string_view portionBcHeading = "Portion BC : à vous de trouver, avant de voir le calcul";
inline constexpr std::string_view worstNozzleQuestion = "Quelle est la lance la plus défavorable ?";
inline constexpr std::string_view worstNozzleLossQuestion = "Quelle pression lui faut-il à la division (en bars) ?";
inline constexpr std::string_view feedLossQuestion = "Pertes de charge de la portion BC, Jbc (en bars) ?";
inline constexpr std::string_view pumpPressureQuestion = "Pression à la pompe (en bars) ?";
inline constexpr std::string_view pumpVerdictQuestion = "La pompe suffit-elle, ou faut-il un relais ?";
inline constexpr std::string_view back = "<< Retour";
inline constexpr std::string_view check = "Vérifier";
inline constexpr std::string_view showCalculation = "Voir le calcul >>";
inline constexpr std::string_view nextExercise = "Exercice suivant";
inline constexpr std::string_view quit = "Quitter";
inline constexpr std::string_view changeTrainee = "Changer de stagiaire…";
inline constexpr std::string_view summaryHeading = "Bilan de l'exercice";
inline constexpr std::string_view recentHeading = "Vos dix derniers résultats :";
inline constexpr std::string_view sharesHeading = "Réponses justes, question par question :";
inline constexpr std::string_view nothingKeptYet = "Aucun résultat enregistré pour l'instant.";
inline constexpr std::string_view keepingAttempt = "Enregistrement du résultat en cours…";
inline constexpr std::string_view attemptKept = "Résultat enregistré.";
inline constexpr std::string_view readingProgress = "Lecture de vos résultats en cours…";
inline constexpr std::string_view storageTitle = "Progression";
}  // namespace practiceTexts

// The control names of the practice windows' buttons.
namespace practiceControls {
inline constexpr std::string_view back = "backButton";
inline constexpr std::string_view check = "checkButton";
inline constexpr std::string_view showCalculation = "showCalculationButton";
inline constexpr std::string_view nextExercise = "nextExerciseButton";
inline constexpr std::string_view quit = "quitButton";
inline constexpr std::string_view changeTrainee = "changeTraineeButton";
}  // namespace practiceControls

std::string_view questionText(Question question);

// "Exercice 2 / 5" for an exercise of a file; "Exercice tiré au hasard (graine 123)" for a draw.
std::string exerciseHeading(std::size_t number, std::size_t count, std::optional<std::uint64_t> seed);

// "3 min 05 s", "42 s".
std::string durationText(std::int64_t seconds);

// Where the finished exercise stands in the trainee's progress: being kept, kept, or why not.
enum class KeepState { keeping, kept, notKept };
struct KeepStatus {
    KeepState state = KeepState::keeping;
    std::string reason;  // why it was not kept
    std::string sending;  // what waits for the class database, and why; said after the rest
};

// The trainee's kept progress as the summary reads it: not read yet, read, or why it cannot be.
struct ProgressReading {
    bool done = false;
    std::optional<std::string> failure;
    std::vector<PastResult> recent;  // newest first
    QuestionRecords records{};
};

// What the summary of a finished exercise shows, line by line.
struct SummaryTexts {
    std::string heading;
    std::vector<std::string> marks;  // one per question: its title, the answer given, right or wrong
    std::string score;
    std::string time;
    std::string keeping;  // whether the attempt is kept
    std::vector<std::string> recent;  // newest first
    std::vector<std::string> shares;  // one per question
};

// `utcOffsetSeconds` turns the kept UTC times into the trainee's clock. An attempt that could not be kept
// still counts in what the summary shows, so that nothing just answered reads as never asked.
SummaryTexts summaryTexts(std::string_view heading, const PracticeAttempt& attempt, const KeepStatus& keeping,
                          const ProgressReading& reading, std::int64_t utcOffsetSeconds);

// The one message shown when a finished exercise could not be kept, with the reason.
std::string notKeptMessage(std::string_view reason);
// The reason the summary cannot show the kept progress.
std::string unreadableProgress(std::string_view reason);

}  // namespace tavelle

namespace tavelle {

// Why a file of exercises cannot be practised: one French text naming the file, the exercise (from 1)
// when one is at fault, and the reason.
std::string practiceFileRefusal(std::string_view file, std::size_t exercise, std::string_view reason);
inline constexpr std::string_view practiceFileTitle = "Exercices";
inline constexpr std::string_view notARegularFile = "ce n'est pas un fichier ordinaire";
inline constexpr std::string_view noExercise = "il ne contient aucun exercice";
std::string tooManyExercises(std::size_t most);

}  // namespace tavelle
