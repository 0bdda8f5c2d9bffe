#include "core/trade/portion_bc.h"

#include "core/screens/load_writer.h"
#include "core/screens/result_labels.h"
#include "core/text/joined_text.h"
#include "core/trade/slope_term.h"
#include "core/trade/trade_tables.h"

namespace tavelle {

namespace {

struct FeedLine {
    Hose hose{};
    float j2 = 0;
    float lengthLoss = 0;
    double slopeTerm = 0;  // shown unrounded on the slope line
    float slopeLoss = 0;
    float bcLoss = 0;
};

FeedLine computeFeedLine(const ExerciseRecord& r)
{
    FeedLine line;
    // A diameter outside the three hoses cannot pass the exercise screen; treat it as a lossless line.
    if (const Hose* hose = findHose(r.feedDiameter)) line.hose = *hose;
    const float q2 = static_cast<float>(r.totalFlow / 100.0);
    const float q1 = static_cast<float>(line.hose.q1 / 100.0);
    const float q2Squared = q2 * q2;
    const float q1Squared = q1 * q1;
    line.j2 = q1Squared == 0 ? 0.0f : static_cast<float>(q2Squared * line.hose.j1 / q1Squared);
    line.lengthLoss = static_cast<float>(line.j2 / 100.0 * r.feedLength);
    if (r.slopePercent != 0) {
        line.slopeTerm = slopeTerm(r.slopePercent, r.feedLength);
        line.slopeLoss = static_cast<float>(line.slopeTerm);
    }
    line.bcLoss = static_cast<float>(static_cast<double>(line.slopeLoss) + line.lengthLoss);
    return line;
}

float requiredProduct(const ExerciseRecord& r, float bcLoss)
{
    return static_cast<float>((static_cast<double>(r.worstNozzleLoss) + 1 + bcLoss) * r.totalFlow);
}

// The rated product is formed as a 16-bit integer, then held in single precision; an unknown rating has none.
float ratedProduct(const std::string& pumpRating)
{
    const PumpRating* pump = findPumpRating(pumpRating);
    return pump == nullptr ? 0.0f : static_cast<float>(static_cast<std::int16_t>(pump->flow * pump->pressure));
}

bool sufficient(const ExerciseRecord& r, float bcLoss)
{
    const float rated = ratedProduct(r.pumpRating);
    const float required = requiredProduct(r, bcLoss);
    return rated > required || rated == required;
}

float pumpPressureOf(const ExerciseRecord& r, float bcLoss)
{
    return static_cast<float>(static_cast<double>(r.worstNozzleLoss) + 1 + bcLoss);
}

}  // namespace

FinalResults finalResults(const ExerciseRecord& record)
{
    const float bcLoss = computeFeedLine(record).bcLoss;
    return {bcLoss, pumpPressureOf(record, bcLoss), sufficient(record, bcLoss), ratedProduct(record.pumpRating)};
}

float abLoss(const ExerciseRecord& r)
{
    return static_cast<float>(static_cast<double>(r.worstNozzleLoss) - r.worstNozzlePressure);
}

void loadFinalCalculation(const ExerciseRecord& r, std::string_view sep, ScreenLoad& into)
{
    namespace labels = finalLabels;
    const FeedLine line = computeFeedLine(r);
    into.reserve(10);
    LoadWriter out(into);

    std::string& j2Line = out.label(labels::j2Line);
    if (line.hose.q1 != r.totalFlow)
        appendJoined(j2Line, "J2 = J1 x (Q2²/Q1²) = ", numberChars(line.hose.j1, sep), " x (",
                     numberChars(r.totalFlow, sep), "² / ", numberChars(line.hose.q1, sep),
                     "²) =", numberChars(line.j2, sep), " b/hm");

    appendJoined(out.label(labels::lengthLossLine), "J =", numberChars(line.j2, sep), "/ 100 x ",
                 numberChars(r.feedLength), " = ", numberChars(line.lengthLoss, sep), "b");

    std::string& slopeLine = out.label(labels::slopeLossLine);
    if (r.slopePercent != 0) appendSlopeLine(slopeLine, "J pente", r.slopePercent, r.feedLength, sep);

    constexpr std::string_view totalStart = "Perte de charge total de la portion BC = ";
    const NumberChars sum = numberChars(line.bcLoss, sep);
    std::string& totalLine = out.label(labels::bcTotal);
    if (line.slopeLoss > 0)
        appendJoined(totalLine, totalStart, numberChars(line.lengthLoss, sep), " + ", numberChars(line.slopeLoss, sep),
                     " = ", sum, "Bar");
    else if (line.slopeLoss < 0)  // its own minus sign reads as the operator
        appendJoined(totalLine, totalStart, numberChars(line.lengthLoss, sep), numberChars(line.slopeLoss, sep), " = ",
                     sum, "Bar");
    else
        appendJoined(totalLine, totalStart, sum, "Bar");

    const float jab = abLoss(r);
    const float pumpPressure = pumpPressureOf(r, line.bcLoss);
    appendJoined(out.label(labels::orificePressure),
                 "Pression à l'orifice, Po = ", numberChars(r.worstNozzlePressure, sep), " b");
    appendJoined(out.label(labels::jab), "Pertes de charge de la portion AB, Jab = ", numberChars(jab, sep), " b");
    out.label(labels::js) = "Pertes de charge singulière au point B (division), Js = 1 b";
    appendJoined(out.label(labels::jbc), "Pertes de charge de la portion BC, Jbc = ", numberChars(line.bcLoss, sep),
                 " b");
    appendJoined(out.label(labels::pumpPressure),
                 "Pression à la pompe = Po + Jab + Js + Jbc = ", numberChars(pumpPressure, sep), " b");

    std::string& verdict = out.label(labels::pumpVerdict);
    if (sufficient(r, line.bcLoss))
        appendJoined(verdict, "La pompe utilisée est une ", r.pumpRating,
                     ", elle sera suffisamment puissante pour délivrer une pression de ",
                     numberChars(pumpPressure, sep), " b, à un débit de ", numberChars(r.totalFlow, sep), " l/min.");
    else
        appendJoined(verdict, "La pompe utilisée est une ", r.pumpRating,
                     ", elle ne sera pas suffisamment puissante pour délivrer la pression et le débit voulus, cet "
                     "établissent demandera donc la mise en place d'un relai...");
}

}  // namespace tavelle
