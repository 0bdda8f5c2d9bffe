#include "core/portion_bc.h"

#include "core/hose_reference.h"
#include "core/number_text.h"

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

}  // namespace

bool pumpIsSufficient(const ExerciseRecord& record)
{
    return sufficient(record, computeFeedLine(record).bcLoss);
}

LabelTexts loadFinalCalculation(const ExerciseRecord& r, std::string_view sep)
{
    const FeedLine line = computeFeedLine(r);
    LabelTexts labels;
    labels.reserve(10);

    if (line.ref.q1 != r.totalFlow)
        labels.push_back({"Label2", "J2 = J1 x (Q2²/Q1²) = " + numberText(line.ref.j1, sep) + " x (" +
                                        numberText(r.totalFlow, sep) + "² / " + numberText(line.ref.q1, sep) +
                                        "²) =" + numberText(line.j2, sep) + " b/hm"});
    else
        labels.push_back({"Label2", {}});

    labels.push_back({"Label3", "J =" + numberText(line.j2, sep) + "/ 100 x " + numberText(r.feedLength) + " = " +
                                    numberText(line.lengthLoss, sep) + "b"});

    if (r.slopePercent != 0)
        labels.push_back({"Label4", "J pente = (" + numberText(r.slopePercent) + " / 100 x " + numberText(r.feedLength) +
                                        ") / 10 = " + numberText(line.slopeTerm, sep) + "b"});
    else
        labels.push_back({"Label4", {}});

    const std::string sum = numberText(line.bcLoss, sep) + "Bar";
    std::string total = "Perte de charge total de la portion BC = ";
    if (line.slopeLoss > 0)
        total += numberText(line.lengthLoss, sep) + " + " + numberText(line.slopeLoss, sep) + " = " + sum;
    else if (line.slopeLoss < 0)
        total += numberText(line.lengthLoss, sep) + numberText(line.slopeLoss, sep) + " = " + sum;
    else
        total += sum;
    labels.push_back({"Label5", std::move(total)});

    const float jab = static_cast<float>(static_cast<double>(r.worstNozzleLoss) - r.worstNozzlePressure);
    const float pumpPressure = static_cast<float>(static_cast<double>(r.worstNozzleLoss) + 1 + line.bcLoss);
    labels.push_back({"Label10", "Pression à l'orifice, Po = " + numberText(r.worstNozzlePressure, sep) + " b"});
    labels.push_back({"Label1", "Pertes de charge de la portion AB, Jab = " + numberText(jab, sep) + " b"});
    labels.push_back({"Label6", "Pertes de charge singulière au point B (division), Js = 1 b"});
    labels.push_back({"Label7", "Pertes de charge de la portion BC, Jbc = " + numberText(line.bcLoss, sep) + " b"});
    labels.push_back({"Label8", "Pression à la pompe = Po + Jab + Js + Jbc = " + numberText(pumpPressure, sep) + " b"});

    if (sufficient(r, line.bcLoss))
        labels.push_back({"Label9", "La pompe utilisée est une " + r.pumpRating +
                                        ", elle sera suffisamment puissante pour délivrer une pression de " +
                                        numberText(pumpPressure, sep) + " b, à un débit de " +
                                        numberText(r.totalFlow, sep) + " l/min."});
    else
        labels.push_back({"Label9", "La pompe utilisée est une " + r.pumpRating +
                                        ", elle ne sera pas suffisamment puissante pour délivrer la pression et le "
                                        "débit voulus, cet établissent demandera donc la mise en place d'un relai..."});
    return labels;
}

}  // namespace tavelle
