#include "core/problem_statement.h"

#include "core/number_text.h"

namespace tavelle {

namespace {

bool isFixedFlowType(const std::string& type)
{
    return type == "40/14" || type == "65/18" || type == "100/25";
}

std::string hosePhrase(std::uint8_t hoseCount, std::string_view ordinal)
{
    if (hoseCount == 0) return {};
    std::string text = hoseCount == 1 ? std::string(" On utilise 1 tuyau entre la ")
                                      : " On utilise " + numberText(hoseCount) + " tuyaux entre la ";
    text += ordinal;
    text += " lance et la division.";
    return text;
}

}  // namespace

std::string problemStatement(const ExerciseRecord& r, std::string_view sep)
{
    std::string text = "Calculer la pression de refoulement nécessaire à une pompe incendie " + r.pumpRating +
                       " , pour alimenter en tuyaux de " + numberText(r.feedDiameter) + ", une division située à " +
                       numberText(r.feedLength) + "m";

    if (r.slopeKind != "nulle" && r.slopePercent != 0)
        text += ". Sur cette portion, l'établissement présente une pente de " + numberText(r.slopePercent) + "%";

    if (r.nozzleCount > 1 && r.nozzle2Elevation != r.divisionElevation)
        text += ". La division est à la cote " + numberText(r.divisionElevation) + ". ";
    else
        text += ". ";

    if (r.nozzleCount == 1)
        text += "Cette division alimente " + numberText(1) + " lance.";
    else
        text += "Cette division alimente " + numberText(r.nozzleCount) + " lances.";

    if (r.nozzleCount >= 1) {
        text += " La première lance est une " + r.nozzle1Type;
        if (!isFixedFlowType(r.nozzle1Type))
            text += " réglée à un débit de " + numberText(r.nozzle1Flow, sep) + " L/min";
        if (r.nozzle1Height != 0) text += " située à une hauteur de " + numberText(r.nozzle1Height) + " m.";
        text += hosePhrase(r.nozzle1HoseCount, "première");
    }

    if (r.nozzleCount >= 2) {
        text += " La deuxième lance est une " + r.nozzle2Type;
        if (!isFixedFlowType(r.nozzle2Type))
            text += " réglée à un débit de " + numberText(r.nozzle2Flow, sep) + " L/min";
        if (r.nozzle2Elevation == r.divisionElevation)
            text += ", cette lance est de plein-pied.";
        else
            text += " située à la cote " + numberText(r.nozzle2Elevation) + ".";
        text += hosePhrase(r.nozzle2HoseCount, "deuxième");
    }

    if (r.nozzleCount >= 3) {
        text += " La troisième lance est une " + r.nozzle3Type;
        if (isFixedFlowType(r.nozzle3Type))
            text += ".";
        else
            text += " réglée à un débit de " + numberText(r.nozzle3Flow, sep) + " L/min.";
        if (r.nozzle3SlopeKind != "nulle" && r.nozzle3SlopePercent != 0)
            text += " Cette portion présente un pente de " + numberText(r.nozzle3SlopePercent) + "%.";
        else
            text += " Cette lance est de plein-pied.";
        text += hosePhrase(r.nozzle3HoseCount, "troisième");
    }

    text += "Les établissements sont sans réserve.";
    return text;
}

}  // namespace tavelle
