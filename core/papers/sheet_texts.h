#pragma once

#include "core/exercise_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// The texts an exam sheet adds around what the screens show.

// The trainee's page: the exercise's number and the set's code, never the seed, which would give the key away.
std::string sheetHeading(std::size_t exerciseNumber);
std::string setCodeLine(std::string_view code);
// The key's page: a set drawn at random names its seed, so that the instructor can draw it again.
std::string answerHeading(std::size_t exerciseNumber, std::optional<std::uint64_t> seed);
std::string pageFooter(std::size_t page, std::size_t pageCount);
// The PDF's title: the set's name (its code, or the file it was read from) when it has one.
std::string setTitle(std::optional<std::string_view> name, std::size_t exerciseCount);

// The boxes the trainee fills in at the top of the page.
inline constexpr std::array<std::string_view, 5> identityFields{"Nom :", "Prénom :", "Groupe :", "Date :", "Durée :"};
inline constexpr std::string_view workingAreaHeading = "Calculs :";
inline constexpr std::string_view workingAreaContinued = "Calculs (suite) :";
inline constexpr std::string_view answerPrompt = "Réponse :";

struct SheetQuestion {
    std::string text;  // numbered, its points at the end
    int points = 0;
};
// The questions whose answers the key gives, in the order the calculation reaches them.
std::vector<SheetQuestion> sheetQuestions(const ExerciseRecord& record);
std::string markTotal(const std::vector<SheetQuestion>& questions);

// The table of the whole set's answers that opens the key.
inline constexpr std::string_view answerTableHeading = "Réponses de la série";
inline constexpr std::array<std::string_view, 7> answerTableColumns{
    "Ex.", "Lance la plus défavorable", "Pression à la division", "Jab", "Jbc", "Pression à la pompe", "Pompe"};
// A pressure as an instructor marks it, and every paper shows an expected one: to the hundredth of a bar,
// never "-0,00" ("6,52 b").
std::string markedPressure(double bars, std::string_view decimalSeparator);
// One exercise's row; the record as its final screen left it.
std::array<std::string, 7> answerTableRow(const std::string& exercise, const ExerciseRecord& record,
                                          std::string_view decimalSeparator);

// The key's sections around the application's own lines.
std::string nozzleCaption(int nozzle);
inline constexpr std::string_view feedLineHeading = "Portion BC, de la pompe à la division :";
inline constexpr std::string_view pumpHeading = "Pression à la pompe :";
// A refused exercise keeps its number: the key says it was left out.
std::string refusedNotice(std::size_t exerciseNumber);

// The exercise's data in one line, recalled at the top of its key.
std::string recalledData(const ExerciseRecord& record, std::string_view decimalSeparator);

}  // namespace tavelle
