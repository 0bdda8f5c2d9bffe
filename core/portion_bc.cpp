#include "core/portion_bc.h"

#include "core/hose_reference.h"
#include "core/joined_text.h"
#include "core/load_writer.h"

namespace tavelle {

namespace {

struct FeedLine {
    FeedReference ref{};
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
    line.ref = feedHoseReference(r.feedDiameter).value_or(FeedReference{0.0, 0.0f});
    const float q2 = static_cast<float>(r.totalFlow / 100.0);
    const float q1 = static_cast<float>(line.ref.q1 / 100.0);
    const float q2Squared = q2 * q2;
    const float q1Squared = q1 * q1;
    line.j2 = q1Squared == 0 ? 0.0f : static_cast<float>(q2Squared * line.ref.j1 / q1Squared);
    line.lengthLoss = static_cast<float>(line.j2 / 100.0 * r.feedLength);
    if (r.slopePercent != 0) {
        line.slopeTerm = r.slopePercent / 1000.0 * r.feedLength;
        line.slopeLoss = static_cast<float>(line.slopeTerm);
    }
    line.bcLoss = static_cast<float>(static_cast<double>(line.slopeLoss) + line.lengthLoss);
    return line;
}

float requiredProduct(const ExerciseRecord& r, float bcLoss)
{
    return static_cast<float>((static_cast<double>(r.worstNozzleLoss) + 1 + bcLoss) * r.totalFlow);
}

bool sufficient(const ExerciseRecord& r, float bcLoss)
{
    const float rated = pumpRatedProduct(r.pumpRating).value_or(0.0f);
    const float required = requiredProduct(r, bcLoss);
    return rated > required || rated == required;
}

float pumpPressure(const ExerciseRecord& r, float bcLoss)
{
    return static_cast<float>(static_cast<double>(r.worstNozzleLoss) + 1 + bcLoss);
}

}  // namespace

FinalResults finalResults(const ExerciseRecord& record)
{
    const float bcLoss = computeFeedLine(record).bcLoss;
    return {bcLoss, pumpPressure(record, bcLoss), sufficient(record, bcLoss)};
}

LabelTexts loadFinalCalculation(const ExerciseRecord& record, std::string_view decimalSeparator)
{
    LabelTexts labels;
    loadFinalCalculation(record, decimalSeparator, labels);
    return labels;
}

void loadFinalCalculation(const ExerciseRecord& r, std::string_view sep, LabelTexts& into)
{
    const FeedLine line = computeFeedLine(r);
    into.reserve(10);
    LoadWriter out(into);

    std::string& j2Line = out.label("Label2");
    if (line.ref.q1 != r.totalFlow)
        appendJoined(j2Line, "J2 = J1 x (Q2²/Q1²) = ", numberChars(line.ref.j1, sep), " x (",
                     numberChars(r.totalFlow, sep), "² / ", numberChars(line.ref.q1, sep), "²) =",
                     numberChars(line.j2, sep), " b/hm");

    appendJoined(out.label("Label3"), "J =", numberChars(line.j2, sep), "/ 100 x ", numberChars(r.feedLength), " = ",
                 numberChars(line.lengthLoss, sep), "b");

    std::string& slopeLine = out.label("Label4");
    if (r.slopePercent != 0)
        appendJoined(slopeLine, "J pente = (", numberChars(r.slopePercent), " / 100 x ", numberChars(r.feedLength),
                     ") / 10 = ", numberChars(line.slopeTerm, sep), "b");

    constexpr std::string_view totalStart = "Perte de charge total de la portion BC = ";
    const NumberChars sum = numberChars(line.bcLoss, sep);
    std::string& totalLine = out.label("Label5");
    if (line.slopeLoss > 0)
        appendJoined(totalLine, totalStart, numberChars(line.lengthLoss, sep), " + ", numberChars(line.slopeLoss, sep),
                     " = ", sum, "Bar");
    else if (line.slopeLoss < 0)  // its own minus sign reads as the operator
        appendJoined(totalLine, totalStart, numberChars(line.lengthLoss, sep), numberChars(line.slopeLoss, sep), " = ",
                     sum, "Bar");
    else
        appendJoined(totalLine, totalStart, sum, "Bar");

    const float jab = static_cast<float>(static_cast<double>(r.worstNozzleLoss) - r.worstNozzlePressure);
    const float pumpAt = pumpPressure(r, line.bcLoss);
    appendJoined(out.label("Label10"), "Pression à l'orifice, Po = ", numberChars(r.worstNozzlePressure, sep), " b");
    appendJoined(out.label("Label1"), "Pertes de charge de la portion AB, Jab = ", numberChars(jab, sep), " b");
    out.label("Label6") = "Pertes de charge singulière au point B (division), Js = 1 b";
    appendJoined(out.label("Label7"), "Pertes de charge de la portion BC, Jbc = ", numberChars(line.bcLoss, sep), " b");
    appendJoined(out.label("Label8"), "Pression à la pompe = Po + Jab + Js + Jbc = ", numberChars(pumpAt, sep),
                 " b");

    std::string& verdict = out.label("Label9");
    if (sufficient(r, line.bcLoss))
        appendJoined(verdict, "La pompe utilisée est une ", r.pumpRating,
                     ", elle sera suffisamment puissante pour délivrer une pression de ",
                     numberChars(pumpAt, sep), " b, à un débit de ", numberChars(r.totalFlow, sep), " l/min.");
    else
        appendJoined(verdict, "La pompe utilisée est une ", r.pumpRating,
                     ", elle ne sera pas suffisamment puissante pour délivrer la pression et le débit voulus, cet "
                     "établissent demandera donc la mise en place d'un relai...");
}

}  // namespace tavelle
