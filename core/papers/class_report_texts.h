#pragma once

#include "core/exercise_record.h"
#include "core/papers/class_report.h"
#include "core/practice/answer_marking.h"
#include "core/practice/practice_questions.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavelle {

// The texts of the class report, in French.
namespace classReportTexts {
inline constexpr std::string_view title = "Bilan de la classe";
inline constexpr std::string_view traineeTitle = "Bilan du stagiaire";
inline constexpr std::string_view sharesHeading = "Réponses justes, question par question";
inline constexpr std::string_view weeksHeading = "Note moyenne de la classe, semaine par semaine (sur 5)";
inline constexpr std::string_view traineesHeading = "Les stagiaires";
inline constexpr std::array<std::string_view, 5> tableColumns{"Stagiaire", "Exercices", "Moyenne", "Dernier exercice",
                                                              "Dix dernières notes"};
inline constexpr std::string_view traineeMarksHeading =
    "Ses notes, semaine par semaine (sur 5), et celles de la classe";
inline constexpr std::string_view traineeSharesHeading = "Ses réponses justes, et celles de la classe";
inline constexpr std::string_view latestHeading = "Ses derniers exercices";
inline constexpr std::string_view traineeLegend = "le stagiaire";
inline constexpr std::string_view classLegend = "la classe";
inline constexpr std::string_view weakestNote = "le plus souvent faux";
inline constexpr std::string_view nothingHeading = "Aucun exercice à montrer";
inline constexpr std::string_view nothingText =
    "Les fichiers lus ne contiennent aucun exercice de ce groupe dans cette période : ce bilan n'a rien à montrer.";
inline constexpr std::array<std::string_view, 4> answerColumns{"Question", "Réponse donnée", "Réponse attendue", ""};
inline constexpr std::string_view noAnswer = "(sans réponse)";
inline constexpr std::string_view right = "juste";
inline constexpr std::string_view wrong = "faux";
inline constexpr std::string_view unreadableExercise = "Les données de cet exercice ne se lisent pas.";
inline constexpr std::string_view correctedMarks = " — notes envoyées différentes, corrigées";
}  // namespace classReportTexts

// "8 décembre 2026", "1er mars 2027", for a day counted from 1970.
std::string frenchDate(std::int64_t day);
// "S49": the week's ISO number, for the week starting on `monday`.
std::string weekLabel(std::int64_t monday);
// "Groupe : Groupe B", or every group.
std::string groupLine(const ReportChoice& choice);
// "Du 1er décembre 2026 au 8 décembre 2026".
std::string periodLine(const ClassReport& report);
// "25 stagiaires, 312 exercices".
std::string countsLine(std::size_t trainees, int attempts);
// What the marks proven from the attempts' own data found: "2 exercices dont les notes envoyées différaient :
// notés ici d'après leurs réponses ; 1 exercice sans note : ses données ne se lisent pas"; empty when all agree.
std::string marksCheckLine(int corrected, int unmarked);
// "3,4 / 5": the mean of `markSum` over `count` marks, one decimal.
std::string meanMarkText(int markSum, int count, std::string_view decimalSeparator);
// "72 %", or a dash when nothing was asked.
std::string shareText(const QuestionRecord& record);
// The question's name on a chart's axis.
std::string_view questionShortTitle(Question question);
// "Durand Élise", or what stands for an anonymous trainee; "Durand Élise (durand)" for a class database's
// account.
std::string traineeName(const TraineeReport& trainee);
// "Durand Élise — Groupe B — 12 exercices, moyenne 3,4 / 5", and how many were typed under another name.
std::string traineeSummary(const TraineeReport& trainee, std::string_view decimalSeparator);
// " — nom saisi : Martin Paul" after the heading of an attempt typed under another name than its trainee's
// usual one; empty otherwise.
std::string otherNameText(const PracticeAttempt& attempt, const TraineeReport& trainee);
// "8 décembre 2026 à 10 h 31 — 4 / 5 en 3 min 05 s".
std::string attemptHeading(const PracticeAttempt& attempt, std::int64_t utcOffsetSeconds);
// The expected answer as the trainee would have typed or chosen it.
std::string expectedAnswerText(Question question, const ExpectedAnswers& expected, std::string_view decimalSeparator);

}  // namespace tavelle
