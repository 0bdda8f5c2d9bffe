#pragma once

#include "core/exercise_record.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavelle {

// The five answers a trainee gives in practice, in the order they are asked: portion AB first
// (the most unfavourable nozzle and the pressure it needs at the division), then portion BC.
enum class Question { worstNozzle, worstNozzleLoss, feedLoss, pumpPressure, pumpVerdict };
inline constexpr std::array<Question, 5> allQuestions{Question::worstNozzle, Question::worstNozzleLoss,
                                                      Question::feedLoss, Question::pumpPressure,
                                                      Question::pumpVerdict};
inline constexpr std::size_t questionCount = allQuestions.size();

// Short name of a question, for the summary, the exported progress and the database.
std::string_view questionKey(Question question);
std::string_view questionTitle(Question question);

// The two ways to answer the verdict, as the list offers them.
inline constexpr std::string_view pumpSufficesAnswer = "La pompe suffit";
inline constexpr std::string_view relayNeededAnswer = "Il faut un relais";
// The nozzle answers, as the list offers them, for nozzles 1 to the nozzle count.
std::string nozzleAnswer(int nozzle);

// The two questions of one window: portion AB asks the first two, portion BC the last three.
inline constexpr std::array<Question, 2> portionAbQuestions{Question::worstNozzle, Question::worstNozzleLoss};
inline constexpr std::array<Question, 3> portionBcQuestions{Question::feedLoss, Question::pumpPressure,
                                                            Question::pumpVerdict};

}  // namespace tavelle
