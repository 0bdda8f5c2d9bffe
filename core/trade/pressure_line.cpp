#include "core/trade/pressure_line.h"

#include "core/text/joined_text.h"
#include "core/trade/portion_ab.h"
#include "core/trade/portion_bc.h"
#include "core/trade/trade_tables.h"

namespace tavelle {

namespace {

std::uint8_t hoseCountOf(const ExerciseRecord& r, int nozzle)
{
    return nozzle == 1 ? r.nozzle1HoseCount : nozzle == 2 ? r.nozzle2HoseCount : r.nozzle3HoseCount;
}

std::string barText(float bar, std::string_view sep)
{
    return joinedText(numberChars(bar, sep), " b");
}

}  // namespace

PressureLine pressureLine(const ExerciseRecord& record)
{
    const WorstNozzle worst = worstNozzle(record);
    ExerciseRecord worked = record;
    worked.worstNozzleLoss = worst.worstNozzleLoss;
    worked.worstNozzlePressure = worst.worstNozzlePressure;
    const FinalResults final = finalResults(worked);

    const int division = record.feedLength;
    const int nozzle = division + hoseCountOf(record, worst.nozzle) * hoseLengthMetres;
    PressureLine line;
    line.points = {{
        {PressurePlace::pump, 0, final.pumpPressure},
        {PressurePlace::divisionInlet, division, static_cast<float>(static_cast<double>(worst.worstNozzleLoss) + 1)},
        {PressurePlace::divisionOutlet, division, worst.worstNozzleLoss},
        {PressurePlace::nozzle, nozzle, worst.worstNozzlePressure},
    }};
    line.worstNozzle = worst.nozzle;
    line.pumpRating = record.pumpRating;
    line.feedLoss = final.feedLoss;
    line.nozzleLineLoss = abLoss(worked);
    line.totalFlow = record.totalFlow;
    line.pumpSufficient = final.pumpSufficient;
    line.ratedProduct = final.ratedProduct;
    // The entry screens let no exercise through without a nozzle's flow: the total flow is never 0.
    line.pumpCanGive = final.ratedProduct / record.totalFlow;
    return line;
}

PressureLineTexts pressureLineTexts(const PressureLine& line, std::string_view sep)
{
    PressureLineTexts texts;
    texts.title = "Ligne de pression, de la pompe à la lance la plus défavorable";
    const std::string division = "Division (B)";
    texts.places = {"Pompe (C)", division + ", entrée", division + ", sortie",
                    joinedText("Lance n°", numberChars(line.worstNozzle), " (A)")};
    for (std::size_t i = 0; i < line.points.size(); ++i) {
        texts.distances[i] = joinedText(numberChars(line.points[i].metres), " m");
        texts.pressures[i] = barText(line.points[i].bar, sep);
    }
    texts.losses = {"", "Jbc = " + barText(line.feedLoss, sep), "Js = 1 b",
                    "Jab = " + barText(line.nozzleLineLoss, sep)};
    texts.zero = barText(0.0f, sep);
    texts.columns = {{
        {texts.places[0], texts.distances[0], texts.pressures[0]},
        {division, texts.distances[1], "entrée " + texts.pressures[1], "sortie " + texts.pressures[2]},
        {texts.places[3], texts.distances[3], texts.pressures[3]},
    }};
    if (!line.pumpSufficient)
        texts.pumpCanGive =
            joinedText("La pompe ", line.pumpRating, " ne peut donner que ", numberChars(line.pumpCanGive, sep),
                       " b à ", numberChars(line.totalFlow, sep), " l/min (", numberChars(line.ratedProduct, sep),
                       " / ", numberChars(line.totalFlow, sep), ") : il faut un relai.");
    return texts;
}

}  // namespace tavelle
