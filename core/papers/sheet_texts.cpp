#include "core/papers/sheet_texts.h"

#include "core/text/joined_text.h"
#include "core/text/number_text.h"
#include "core/trade/portion_ab.h"
#include "core/trade/portion_bc.h"
#include "core/trade/trade_tables.h"

#include <charconv>
#include <cmath>

namespace tavelle {

std::string sheetHeading(std::size_t exerciseNumber)
{
    return "Exercice n° " + std::to_string(exerciseNumber);
}

std::string setCodeLine(std::string_view code)
{
    return "Série " + std::string(code);
}

std::string answerHeading(std::size_t exerciseNumber, std::optional<std::uint64_t> seed)
{
    std::string text = "Corrigé de l'exercice " + std::to_string(exerciseNumber);
    if (seed) text += " (tirage aléatoire, graine " + std::to_string(*seed) + ')';
    return text;
}

std::string pageFooter(std::size_t page, std::size_t pageCount)
{
    return "page " + std::to_string(page) + " / " + std::to_string(pageCount);
}

std::string setTitle(std::optional<std::string_view> name, std::size_t exerciseCount)
{
    std::string title = name ? "Tavelle, série " + std::string(*name) + ", " : std::string("Tavelle, série de ");
    title += std::to_string(exerciseCount) + (exerciseCount == 1 ? " exercice" : " exercices");
    return title;
}

std::vector<SheetQuestion> sheetQuestions(const ExerciseRecord& record)
{
    const std::string_view division = record.nozzleCount == 1
                                          ? "Quelle pression la lance demande-t-elle à la division ?"
                                          : "Quelle est la lance la plus défavorable, et quelle pression "
                                            "demande-t-elle à la division ?";
    const std::array<std::pair<std::string_view, int>, 4> asked{{
        {division, 6},
        {"Quelles sont les pertes de charge de la portion BC (Jbc) ?", 4},
        {"Quelle pression la pompe doit-elle fournir ?", 6},
        {"La pompe est-elle suffisante ? Justifiez.", 4},
    }};
    std::vector<SheetQuestion> questions;
    for (const auto& [text, points] : asked) {
        const std::string number = std::to_string(questions.size() + 1);
        questions.push_back({number + ". " + std::string(text) + " (" + std::to_string(points) + " points)", points});
    }
    return questions;
}

std::string markTotal(const std::vector<SheetQuestion>& questions)
{
    int total = 0;
    for (const SheetQuestion& question : questions) total += question.points;
    return "Note : ....... / " + std::to_string(total);
}

namespace {

}  // namespace

std::string markedPressure(double bars, std::string_view sep)
{
    const double hundredths = std::round(bars * 100) / 100 + 0.0;
    std::array<char, 32> digits{};
    const auto written =
        std::to_chars(digits.data(), digits.data() + digits.size(), hundredths, std::chars_format::fixed, 2);
    std::string text(digits.data(), written.ptr);
    return text.replace(text.size() - 3, 1, sep) + " b";
}

std::array<std::string, 7> answerTableRow(const std::string& exercise, const ExerciseRecord& record,
                                          std::string_view sep)
{
    const WorstNozzle worst = worstNozzle(record);
    const FinalResults results = finalResults(record);
    return {exercise,
            "lance " + std::to_string(worst.nozzle),
            markedPressure(worst.worstNozzleLoss, sep),
            markedPressure(abLoss(record), sep),
            markedPressure(results.feedLoss, sep),
            markedPressure(results.pumpPressure, sep),
            results.pumpSufficient ? "suffisante" : "insuffisante, relais"};
}

std::string nozzleCaption(int nozzle)
{
    return "Lance " + std::to_string(nozzle) + " :";
}

std::string refusedNotice(std::size_t exerciseNumber)
{
    return "Exercice n° " + std::to_string(exerciseNumber) + " : refusé par les règles de saisie, non imprimé.";
}

namespace {

struct RecalledNozzle {
    const std::string& type;
    float flow;
    std::uint8_t hoseCount;
};

void appendNozzle(std::string& line, int nozzle, const RecalledNozzle& n, std::string_view sep)
{
    appendJoined(line, " ; lance ", numberChars(nozzle), " ", n.type, ", ", numberChars(n.flow, sep), " L/min, ",
                 numberChars(n.hoseCount * hoseLengthMetres), " m");
}

}  // namespace

std::string recalledData(const ExerciseRecord& r, std::string_view sep)
{
    std::string line;
    appendJoined(line, "Données : pompe ", r.pumpRating, " ; alimentation ", numberChars(r.feedLength), " m en ",
                 numberChars(r.feedDiameter), " mm");
    if (r.slopePercent != 0) appendJoined(line, ", pente ", numberChars(r.slopePercent), " %");
    appendNozzle(line, 1, {r.nozzle1Type, r.nozzle1Flow, r.nozzle1HoseCount}, sep);
    if (r.nozzle1Height != 0) appendJoined(line, ", Z = ", numberChars(r.nozzle1Height), " m");
    if (r.nozzleCount >= 2) {
        appendNozzle(line, 2, {r.nozzle2Type, r.nozzle2Flow, r.nozzle2HoseCount}, sep);
        if (r.nozzle2Elevation != r.divisionElevation)
            appendJoined(line, ", cote ", numberChars(r.nozzle2Elevation), " (division ",
                         numberChars(r.divisionElevation), ")");
    }
    if (r.nozzleCount >= 3) {
        appendNozzle(line, 3, {r.nozzle3Type, r.nozzle3Flow, r.nozzle3HoseCount}, sep);
        if (r.nozzle3SlopePercent != 0) appendJoined(line, ", pente ", numberChars(r.nozzle3SlopePercent), " %");
    }
    line += '.';
    return line;
}

}  // namespace tavelle
