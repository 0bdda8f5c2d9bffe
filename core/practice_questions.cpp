#include "core/practice_questions.h"

#include "core/answer_marking.h"
#include "core/joined_text.h"
#include "core/number_text.h"
#include "core/portion_ab.h"
#include "core/portion_bc.h"

namespace tavelle {

namespace {

Mark right() { return {MarkKind::right, "Juste"}; }

Mark wrongValue(double expected, std::string_view sep)
{
    return {MarkKind::wrong, joinedText("Faux : la valeur attendue est ", numberChars(static_cast<float>(expected), sep), " b")};
}

Mark wrongChoice(std::string_view expected)
{
    return {MarkKind::wrong, joinedText("Faux : la réponse attendue est « ", expected, " »")};
}

Mark markPressure(std::string_view typed, double exact, std::string_view sep)
{
    const std::optional<double> value = typedPressure(typed);
    if (typed.find_first_not_of(" \t") == std::string_view::npos)
        return {MarkKind::notANumber, joinedText("Répondez : tapez une pression en bars, par exemple 6", sep, "5")};
    if (!value)
        return {MarkKind::notANumber,
                joinedText("Ce n'est pas un nombre : tapez une pression en bars, par exemple 6", sep, "5")};
    return pressureIsRight(*value, exact) ? right() : wrongValue(exact, sep);
}

Mark markChoice(std::string_view typed, std::string_view expected)
{
    if (typed.empty()) return {MarkKind::notANumber, "Choisissez une réponse dans la liste"};
    return typed == expected ? right() : wrongChoice(expected);
}

}  // namespace

std::string_view questionKey(Question question)
{
    switch (question) {
    case Question::worstNozzle: return "worstNozzle";
    case Question::worstNozzleLoss: return "worstNozzleLoss";
    case Question::feedLoss: return "feedLoss";
    case Question::pumpPressure: return "pumpPressure";
    case Question::pumpVerdict: return "pumpVerdict";
    }
    return {};
}

std::string_view questionTitle(Question question)
{
    switch (question) {
    case Question::worstNozzle: return "Lance la plus défavorable";
    case Question::worstNozzleLoss: return "Pression nécessaire à la division";
    case Question::feedLoss: return "Pertes de charge de la portion BC, Jbc";
    case Question::pumpPressure: return "Pression à la pompe";
    case Question::pumpVerdict: return "Verdict sur la pompe";
    }
    return {};
}

std::string nozzleAnswer(int nozzle) { return joinedText("Lance ", numberChars(nozzle)); }

Mark markAnswer(Question question, std::string_view typed, const ExpectedAnswers& expected, std::string_view sep)
{
    switch (question) {
    case Question::worstNozzle: return markChoice(typed, nozzleAnswer(expected.worstNozzle));
    case Question::worstNozzleLoss: return markPressure(typed, expected.worstNozzleLoss, sep);
    case Question::feedLoss: return markPressure(typed, expected.feedLoss, sep);
    case Question::pumpPressure: return markPressure(typed, expected.pumpPressure, sep);
    case Question::pumpVerdict:
        return markChoice(typed, expected.pumpSufficient ? pumpSufficesAnswer : relayNeededAnswer);
    }
    return {};
}

}  // namespace tavelle

namespace tavelle {

ExpectedAnswers expectedAnswers(const ExerciseRecord& record)
{
    const WorstNozzle worst = worstNozzle(record);
    // The final screen reads the most unfavourable nozzle from the record, as the portion AB load leaves it.
    ExerciseRecord worked = record;
    worked.worstNozzleLoss = worst.worstNozzleLoss;
    worked.worstNozzlePressure = worst.worstNozzlePressure;
    const FinalResults final = finalResults(worked);
    return {worst.nozzle, worst.worstNozzleLoss, final.feedLoss, final.pumpPressure, final.pumpSufficient};
}

}  // namespace tavelle
