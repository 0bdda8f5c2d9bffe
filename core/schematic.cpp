#include "core/schematic.h"

#include "core/hose_reference.h"
#include "core/number_text.h"

namespace tavelle {

namespace {

void applyCharacteristics(const std::string& type, float& pressure, std::uint8_t& hoseDiameter)
{
    if (const auto characteristics = nozzleCharacteristics(type)) {
        pressure = characteristics->pressure;
        hoseDiameter = characteristics->hoseDiameter;
    }
}

std::string hoseLengthText(std::uint8_t hoseCount)
{
    return "L = " + numberText(hoseCount * hoseLengthMetres) + "m";
}

}  // namespace

void deriveNozzleValues(ExerciseRecord& r)
{
    applyCharacteristics(r.nozzle1Type, r.nozzle1Pressure, r.nozzle1HoseDiameter);
    applyCharacteristics(r.nozzle2Type, r.nozzle2Pressure, r.nozzle2HoseDiameter);
    applyCharacteristics(r.nozzle3Type, r.nozzle3Pressure, r.nozzle3HoseDiameter);
    r.totalFlow = static_cast<float>(static_cast<double>(r.nozzle2Flow) + r.nozzle1Flow + r.nozzle3Flow);
}

std::vector<ControlState> loadSchematic(ExerciseRecord& r, std::string_view sep)
{
    deriveNozzleValues(r);

    const bool secondNozzle = r.nozzleCount != 1;
    const bool thirdNozzle = r.nozzleCount == 3;
    const bool elevationsDiffer = r.divisionElevation != r.nozzle2Elevation;

    std::vector<ControlState> controls;
    controls.reserve(30);
    const auto label = [&](std::string_view name, std::string text, bool visible = true) {
        controls.push_back({name, std::move(text), true, visible});
    };
    const auto shown = [&](std::string_view name, bool visible) { controls.push_back({name, {}, false, visible}); };

    label("Label1", r.pumpRating);
    label("Label2", "L = " + numberText(r.feedLength) + "m");
    label("Label3", "diamètre = " + numberText(r.feedDiameter) + "mm");
    label("Label4", "débit = " + numberText(r.totalFlow, sep) + "L/min");
    label("Label15", "Z = " + numberText(r.slopePercent) + " %", r.slopePercent != 0);

    label("Label28", "diamètre = " + numberText(r.nozzle1HoseDiameter) + "mm");
    label("Label21", r.nozzle1Type);
    label("Label8", "Po = " + numberText(r.nozzle1Pressure, sep) + " b");
    label("Label9", hoseLengthText(r.nozzle1HoseCount));
    label("Label10", "débit = " + numberText(r.nozzle1Flow, sep) + "L/min");
    label("Label11", "Z = " + numberText(r.nozzle1Height) + "m", r.nozzle1Height != 0);

    label("Label30", "diamètre = " + numberText(r.nozzle2HoseDiameter) + "mm", secondNozzle);
    label("Label22", r.nozzle2Type, secondNozzle);
    label("Label19", "Po = " + numberText(r.nozzle2Pressure, sep) + " b", secondNozzle);
    label("Label16", hoseLengthText(r.nozzle2HoseCount), secondNozzle);
    label("Label17", "débit = " + numberText(r.nozzle2Flow, sep) + "L/min", secondNozzle);
    label("Label18", "cote = " + numberText(r.nozzle2Elevation), secondNozzle && elevationsDiffer);
    label("Label20", "cote = " + numberText(r.divisionElevation), secondNozzle && elevationsDiffer);

    label("Label29", "diamètre = " + numberText(r.nozzle3HoseDiameter) + "mm", thirdNozzle);
    label("Label23", r.nozzle3Type, thirdNozzle);
    label("Label24", "Po = " + numberText(r.nozzle3Pressure, sep) + " b", thirdNozzle);
    label("Label25", hoseLengthText(r.nozzle3HoseCount), thirdNozzle);
    label("Label26", "débit = " + numberText(r.nozzle3Flow, sep) + "L/min", thirdNozzle);
    label("Label27", "Z = " + numberText(r.nozzle3SlopePercent) + " %", thirdNozzle && r.nozzle3SlopePercent != 0);

    shown("Label12", secondNozzle);
    shown("Label13", thirdNozzle);
    shown("Line3", thirdNozzle);
    shown("Line4", secondNozzle);
    shown("Line5", thirdNozzle);
    shown("Line8", secondNozzle);
    return controls;
}

}  // namespace tavelle
