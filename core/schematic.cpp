#include "core/schematic.h"

#include "core/hose_reference.h"
#include "core/joined_text.h"
#include "core/load_writer.h"

namespace tavelle {

namespace {

void applyCharacteristics(const std::string& type, float& pressure, std::uint8_t& hoseDiameter)
{
    if (const auto characteristics = nozzleCharacteristics(type)) {
        pressure = characteristics->pressure;
        hoseDiameter = characteristics->hoseDiameter;
    }
}

void writeHoseLength(std::string& text, std::uint8_t hoseCount)
{
    appendJoined(text, "L = ", numberChars(hoseCount * hoseLengthMetres), "m");
}

}  // namespace

void deriveNozzleValues(ExerciseRecord& r)
{
    applyCharacteristics(r.nozzle1Type, r.nozzle1Pressure, r.nozzle1HoseDiameter);
    applyCharacteristics(r.nozzle2Type, r.nozzle2Pressure, r.nozzle2HoseDiameter);
    applyCharacteristics(r.nozzle3Type, r.nozzle3Pressure, r.nozzle3HoseDiameter);
    r.totalFlow = static_cast<float>(static_cast<double>(r.nozzle2Flow) + r.nozzle1Flow + r.nozzle3Flow);
}

std::vector<ControlState> loadSchematic(ExerciseRecord& record, std::string_view decimalSeparator)
{
    std::vector<ControlState> controls;
    loadSchematic(record, decimalSeparator, controls);
    return controls;
}

void loadSchematic(ExerciseRecord& r, std::string_view sep, ScreenLoad& into)
{
    deriveNozzleValues(r);

    const bool secondNozzle = r.nozzleCount != 1;
    const bool thirdNozzle = r.nozzleCount == 3;
    const bool elevationsDiffer = r.divisionElevation != r.nozzle2Elevation;

    into.reserve(30);
    LoadWriter out(into);

    out.label("Label1") = r.pumpRating;
    appendJoined(out.label("Label2"), "L = ", numberChars(r.feedLength), "m");
    appendJoined(out.label("Label3"), "diamètre = ", numberChars(r.feedDiameter), "mm");
    appendJoined(out.label("Label4"), "débit = ", numberChars(r.totalFlow, sep), "L/min");
    appendJoined(out.label("Label15", r.slopePercent != 0), "Z = ", numberChars(r.slopePercent), " %");

    appendJoined(out.label("Label28"), "diamètre = ", numberChars(r.nozzle1HoseDiameter), "mm");
    out.label("Label21") = r.nozzle1Type;
    appendJoined(out.label("Label8"), "Po = ", numberChars(r.nozzle1Pressure, sep), " b");
    writeHoseLength(out.label("Label9"), r.nozzle1HoseCount);
    appendJoined(out.label("Label10"), "débit = ", numberChars(r.nozzle1Flow, sep), "L/min");
    appendJoined(out.label("Label11", r.nozzle1Height != 0), "Z = ", numberChars(r.nozzle1Height), "m");

    appendJoined(out.label("Label30", secondNozzle), "diamètre = ", numberChars(r.nozzle2HoseDiameter), "mm");
    out.label("Label22", secondNozzle) = r.nozzle2Type;
    appendJoined(out.label("Label19", secondNozzle), "Po = ", numberChars(r.nozzle2Pressure, sep), " b");
    writeHoseLength(out.label("Label16", secondNozzle), r.nozzle2HoseCount);
    appendJoined(out.label("Label17", secondNozzle), "débit = ", numberChars(r.nozzle2Flow, sep), "L/min");
    appendJoined(out.label("Label18", secondNozzle && elevationsDiffer), "cote = ", numberChars(r.nozzle2Elevation));
    appendJoined(out.label("Label20", secondNozzle && elevationsDiffer), "cote = ", numberChars(r.divisionElevation));

    appendJoined(out.label("Label29", thirdNozzle), "diamètre = ", numberChars(r.nozzle3HoseDiameter), "mm");
    out.label("Label23", thirdNozzle) = r.nozzle3Type;
    appendJoined(out.label("Label24", thirdNozzle), "Po = ", numberChars(r.nozzle3Pressure, sep), " b");
    writeHoseLength(out.label("Label25", thirdNozzle), r.nozzle3HoseCount);
    appendJoined(out.label("Label26", thirdNozzle), "débit = ", numberChars(r.nozzle3Flow, sep), "L/min");
    appendJoined(out.label("Label27", thirdNozzle && r.nozzle3SlopePercent != 0), "Z = ",
                 numberChars(r.nozzle3SlopePercent), " %");

    out.shown("Label12", secondNozzle);
    out.shown("Label13", thirdNozzle);
    out.shown("Line3", thirdNozzle);
    out.shown("Line4", secondNozzle);
    out.shown("Line5", thirdNozzle);
    out.shown("Line8", secondNozzle);
}

}  // namespace tavelle
