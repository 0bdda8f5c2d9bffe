#include "core/practice/practice_questions.h"

#include "core/text/joined_text.h"
#include "core/text/number_text.h"

namespace tavelle {

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

std::string nozzleAnswer(int nozzle)
{
    return joinedText("Lance ", numberChars(nozzle));
}

}  // namespace tavelle
