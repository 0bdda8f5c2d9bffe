#include "core/trade/problem_statement.h"

#include "core/text/joined_text.h"
#include "core/trade/trade_tables.h"

namespace tavelle {

namespace {

// The statement gives the flow of an adjustable nozzle only: a fixed-flow type says its flow by its name.
bool isFixedFlowType(const std::string& type)
{
    const NozzleType* found = findNozzleType(type);
    return found != nullptr && found->fixedFlow;
}

void appendHosePhrase(std::string& text, std::uint8_t hoseCount, std::string_view ordinal)
{
    if (hoseCount == 0) return;
    if (hoseCount == 1)
        appendJoined(text, " On utilise 1 tuyau entre la ", ordinal, " lance et la division.");
    else
        appendJoined(text, " On utilise ", numberChars(hoseCount), " tuyaux entre la ", ordinal,
                     " lance et la division.");
}

}  // namespace

void writeProblemStatement(const ExerciseRecord& r, std::string_view sep, std::string& text)
{
    // Room for the longest statement, so that it is written with one allocation.
    text.clear();
    text.reserve(1024);
    appendJoined(text, "Calculer la pression de refoulement nécessaire à une pompe incendie ", r.pumpRating,
                 " , pour alimenter en tuyaux de ", numberChars(r.feedDiameter), ", une division située à ",
                 numberChars(r.feedLength), "m");

    if (r.slopeKind != "nulle" && r.slopePercent != 0)
        appendJoined(text, ". Sur cette portion, l'établissement présente une pente de ", numberChars(r.slopePercent),
                     "%");

    if (r.nozzleCount > 1 && r.nozzle2Elevation != r.divisionElevation)
        appendJoined(text, ". La division est à la cote ", numberChars(r.divisionElevation), ". ");
    else
        text += ". ";

    if (r.nozzleCount == 1)
        appendJoined(text, "Cette division alimente ", numberChars(1), " lance.");
    else
        appendJoined(text, "Cette division alimente ", numberChars(r.nozzleCount), " lances.");

    if (r.nozzleCount >= 1) {
        appendJoined(text, " La première lance est une ", r.nozzle1Type);
        if (!isFixedFlowType(r.nozzle1Type))
            appendJoined(text, " réglée à un débit de ", numberChars(r.nozzle1Flow, sep), " L/min");
        if (r.nozzle1Height != 0) appendJoined(text, " située à une hauteur de ", numberChars(r.nozzle1Height), " m.");
        appendHosePhrase(text, r.nozzle1HoseCount, "première");
    }

    if (r.nozzleCount >= 2) {
        appendJoined(text, " La deuxième lance est une ", r.nozzle2Type);
        if (!isFixedFlowType(r.nozzle2Type))
            appendJoined(text, " réglée à un débit de ", numberChars(r.nozzle2Flow, sep), " L/min");
        if (r.nozzle2Elevation == r.divisionElevation)
            text += ", cette lance est de plein-pied.";
        else
            appendJoined(text, " située à la cote ", numberChars(r.nozzle2Elevation), ".");
        appendHosePhrase(text, r.nozzle2HoseCount, "deuxième");
    }

    if (r.nozzleCount >= 3) {
        appendJoined(text, " La troisième lance est une ", r.nozzle3Type);
        if (isFixedFlowType(r.nozzle3Type))
            text += ".";
        else
            appendJoined(text, " réglée à un débit de ", numberChars(r.nozzle3Flow, sep), " L/min.");
        if (r.nozzle3SlopeKind != "nulle" && r.nozzle3SlopePercent != 0)
            appendJoined(text, " Cette portion présente un pente de ", numberChars(r.nozzle3SlopePercent), "%.");
        else
            text += " Cette lance est de plein-pied.";
        appendHosePhrase(text, r.nozzle3HoseCount, "troisième");
    }

    text += "Les établissements sont sans réserve.";
}

}  // namespace tavelle
