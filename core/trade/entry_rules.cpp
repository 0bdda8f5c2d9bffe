#include "core/trade/entry_rules.h"

#include "core/text/number_text.h"
#include "core/trade/trade_tables.h"

#include <charconv>
#include <cstdint>

namespace tavelle {

namespace {

const std::string kDiameterWarning =
    "Le diamêtre du tuyaux d'alimentation de la division est inférieur au diamètre du tuyau de la lance !!!";

// List items are whole numbers that fit their field; anything else reads as 0.
long itemValue(const std::string& text)
{
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::int16_t toInt16(const std::string& text)
{
    return static_cast<std::int16_t>(itemValue(text));
}
std::uint8_t toUint8(const std::string& text)
{
    return static_cast<std::uint8_t>(itemValue(text));
}
float toFloat(const std::string& text)
{
    return static_cast<float>(itemValue(text));
}

// "coco" stands for a slope kind left empty; a positive percent then makes it "positive",
// and the percent takes the sign of the kind.
// The nozzle 3 list spells its item "Positive"; both spellings rise.
void normaliseSlope(std::string& kind, std::int16_t& percent, std::vector<std::string>& warnings)
{
    if (kind == "coco" && percent > 0) kind = "positive";
    if (kind == "nulle" && percent > 0) warnings.emplace_back("si la pente est nulle elle sera de 0% !!!");
    if (kind != "nulle" && kind != "coco" && percent == 0) warnings.emplace_back("A 0% la pente est nulle !!!");

    int sign = 0;
    if (kind == "positive" || kind == "Positive")
        sign = 1;
    else if (kind == "négative")
        sign = -1;
    percent = static_cast<std::int16_t>(sign * percent);
}

struct NozzleInput {
    const std::string& type;
    float flow;
    bool typeMissing;
    bool flowMissing;
    bool hoseCountMissing;
};

// The flow of the nozzle's type, then a feed narrower than the nozzle needs, then the missing choices,
// in that order; returns how many refused. The LDV 1000's feed warning is worded per screen.
int applyNozzleRules(const NozzleInput& nozzle, std::int16_t feedDiameter, std::string_view ldv1000FeedWarning,
                     std::vector<std::string>& warnings)
{
    const auto refuse = [&](std::string_view text) {
        warnings.emplace_back(text);
        return 1;
    };
    int refusals = 0;
    if (const NozzleType* type = findNozzleType(nozzle.type)) {
        if (!flowFits(*type, nozzle.flow)) refusals += refuse(type->flowWarning);
        if (!feedFits(*type, feedDiameter))
            refusals += refuse(type->name == "LDV 1000" ? ldv1000FeedWarning : kDiameterWarning);
    }
    if (nozzle.typeMissing) refusals += refuse("Affectation du type de la lance obligatoire !!!");
    if (nozzle.flowMissing) refusals += refuse("Affectation du débit de la lance obligatoire !!!");
    if (nozzle.hoseCountMissing) refusals += refuse("Affectation du nombre de tuyau obligatoire !!!");
    return refusals;
}

PressOutcome decide(std::vector<std::string> warnings, int refusals, ScreenId self, ScreenId onward)
{
    PressOutcome outcome;
    outcome.warnings = std::move(warnings);
    outcome.accepted = refusals == 0;
    outcome.next = outcome.accepted ? onward : self;
    return outcome;
}

}  // namespace

bool flowFits(const NozzleType& type, float flow)
{
    // Exact comparisons on the single-precision flow, as the trade's rule table states them.
    return type.fixedFlow ? flow == type.flow : !(flow > type.flow);
}

bool feedFits(const NozzleType& type, std::int16_t feedDiameter)
{
    return type.narrowestFeed == 0 || feedDiameter >= type.narrowestFeed;
}

bool heightOutOfReach(std::uint8_t hoseCount, std::int16_t height)
{
    return hoseCount == 1 && height > hoseLengthMetres;
}

PressOutcome pressExerciseSuite(const ExerciseChoices& choices, ExerciseRecord& record)
{
    record.pumpRating = "0";
    record.feedDiameter = 0;
    record.nozzleCount = 0;
    record.feedLength = 0;
    record.slopeKind.clear();
    record.slopePercent = 0;

    const bool pumpMissing = choices.pumpRating.empty();
    if (!pumpMissing) record.pumpRating = choices.pumpRating;
    const bool diameterMissing = choices.feedDiameter.empty();
    if (!diameterMissing) record.feedDiameter = toInt16(choices.feedDiameter);
    const bool countMissing = choices.nozzleCount.empty();
    if (!countMissing) record.nozzleCount = toUint8(choices.nozzleCount);
    const bool distanceMissing = choices.feedLength.empty();
    if (!distanceMissing) record.feedLength = toInt16(choices.feedLength);
    record.slopeKind = choices.slopeKind.empty() ? "coco" : choices.slopeKind;
    record.slopePercent = choices.slopePercent.empty() ? 0 : toInt16(choices.slopePercent);

    std::vector<std::string> warnings;
    normaliseSlope(record.slopeKind, record.slopePercent, warnings);

    if (pumpMissing) warnings.emplace_back("Affectation des caractéristiques de la pompe obligatoire !!!");
    if (diameterMissing) warnings.emplace_back("Affectation du diamètre du tuyau obligatoire !!!");
    if (countMissing) warnings.emplace_back("Affectation du nombre de lances obligatoire !!!");
    if (distanceMissing) warnings.emplace_back("Affectation de la longueur de l'établissement obligatoire !!!");

    const int missing = pumpMissing + diameterMissing + countMissing + distanceMissing;
    return decide(std::move(warnings), missing, ScreenId::Form2, ScreenId::Lance1);
}

PressOutcome pressNozzle1Suite(const Nozzle1Choices& choices, ExerciseRecord& record)
{
    record.nozzle1Type.clear();
    record.nozzle1Flow = 0;
    record.nozzle1Height = 0;
    record.nozzle1HoseCount = 0;
    record.nozzle2Flow = 0;
    record.nozzle3Flow = 0;

    const bool typeMissing = choices.type.empty();
    if (!typeMissing) record.nozzle1Type = choices.type;
    const bool flowMissing = choices.flow.empty();
    if (!flowMissing) record.nozzle1Flow = toFloat(choices.flow);
    if (!choices.height.empty()) record.nozzle1Height = toInt16(choices.height);
    const bool hoseCountMissing = choices.hoseCount.empty();
    if (!hoseCountMissing) record.nozzle1HoseCount = toUint8(choices.hoseCount);

    std::vector<std::string> warnings;
    int refusals = 0;
    if (heightOutOfReach(record.nozzle1HoseCount, record.nozzle1Height)) {
        warnings.push_back("Un tuyau mesure 20, on ne peut donc pas avoir une lance à " +
                           numberText(record.nozzle1Height) + " m avec un tuyau !!!");
        ++refusals;
    }
    refusals += applyNozzleRules({record.nozzle1Type, record.nozzle1Flow, typeMissing, flowMissing, hoseCountMissing},
                                 record.feedDiameter, kDiameterWarning + "!!!", warnings);

    const ScreenId onward = record.nozzleCount == 1 ? ScreenId::Don : ScreenId::Lance2;
    return decide(std::move(warnings), refusals, ScreenId::Lance1, onward);
}

PressOutcome pressNozzle2Suite(const Nozzle2Choices& choices, ExerciseRecord& record)
{
    record.nozzle2Type.clear();
    record.nozzle2Flow = 0;
    record.nozzle2Elevation = 0;
    record.divisionElevation = 0;
    record.nozzle2HoseCount = 0;

    const bool typeMissing = choices.type.empty();
    if (!typeMissing) record.nozzle2Type = choices.type;
    const bool flowMissing = choices.flow.empty();
    if (!flowMissing) record.nozzle2Flow = toFloat(choices.flow);
    if (!choices.nozzleElevation.empty()) record.nozzle2Elevation = toInt16(choices.nozzleElevation);
    if (!choices.divisionElevation.empty()) record.divisionElevation = toInt16(choices.divisionElevation);
    const bool hoseCountMissing = choices.hoseCount.empty();
    if (!hoseCountMissing) record.nozzle2HoseCount = toUint8(choices.hoseCount);

    std::vector<std::string> warnings;
    int refusals =
        applyNozzleRules({record.nozzle2Type, record.nozzle2Flow, typeMissing, flowMissing, hoseCountMissing},
                         record.feedDiameter, kDiameterWarning, warnings);

    // One elevation without the other would read as an altitude of 0 m: the height would be absurd.
    const bool nozzleElevationChosen = !choices.nozzleElevation.empty();
    const bool divisionElevationChosen = !choices.divisionElevation.empty();
    if (nozzleElevationChosen && !divisionElevationChosen) {
        warnings.emplace_back("Affectation de la cote de la division obligatoire !!!");
        ++refusals;
    }
    if (divisionElevationChosen && !nozzleElevationChosen) {
        warnings.emplace_back("Affectation de la cote de la lance obligatoire !!!");
        ++refusals;
    }

    const ScreenId onward = record.nozzleCount == 3 ? ScreenId::Lance3 : ScreenId::Don;
    return decide(std::move(warnings), refusals, ScreenId::Lance2, onward);
}

PressOutcome pressNozzle3Suite(const Nozzle3Choices& choices, ExerciseRecord& record)
{
    record.nozzle3Type.clear();
    record.nozzle3Flow = 0;
    record.nozzle3HoseCount = 0;
    record.nozzle3SlopeKind.clear();
    record.nozzle3SlopePercent = 0;

    const bool typeMissing = choices.type.empty();
    if (!typeMissing) record.nozzle3Type = choices.type;
    const bool flowMissing = choices.flow.empty();
    if (!flowMissing) record.nozzle3Flow = toFloat(choices.flow);
    const bool hoseCountMissing = choices.hoseCount.empty();
    if (!hoseCountMissing) record.nozzle3HoseCount = toUint8(choices.hoseCount);
    record.nozzle3SlopeKind = choices.slopeKind.empty() ? "coco" : choices.slopeKind;
    record.nozzle3SlopePercent = choices.slopePercent.empty() ? 0 : toInt16(choices.slopePercent);

    std::vector<std::string> warnings;
    normaliseSlope(record.nozzle3SlopeKind, record.nozzle3SlopePercent, warnings);
    const int refusals =
        applyNozzleRules({record.nozzle3Type, record.nozzle3Flow, typeMissing, flowMissing, hoseCountMissing},
                         record.feedDiameter, kDiameterWarning, warnings);

    return decide(std::move(warnings), refusals, ScreenId::Lance3, ScreenId::Don);
}

}  // namespace tavelle
