#include "core/trade/schematic.h"

#include "core/screens/load_writer.h"
#include "core/screens/result_labels.h"
#include "core/text/joined_text.h"
#include "core/trade/trade_tables.h"

namespace tavelle {

namespace {

// A type outside the table leaves the nozzle's values as an earlier load left them.
void applyNozzleType(const std::string& name, float& pressure, std::uint8_t& hoseDiameter)
{
    if (const NozzleType* type = findNozzleType(name)) {
        pressure = type->pressure;
        hoseDiameter = type->hoseDiameter;
    }
}

void deriveNozzleValues(ExerciseRecord& r)
{
    applyNozzleType(r.nozzle1Type, r.nozzle1Pressure, r.nozzle1HoseDiameter);
    applyNozzleType(r.nozzle2Type, r.nozzle2Pressure, r.nozzle2HoseDiameter);
    applyNozzleType(r.nozzle3Type, r.nozzle3Pressure, r.nozzle3HoseDiameter);
    r.totalFlow = static_cast<float>(static_cast<double>(r.nozzle2Flow) + r.nozzle1Flow + r.nozzle3Flow);
}

struct NozzleValues {
    const std::string& type;
    float pressure;
    float flow;
    std::uint8_t hoseCount;
    std::uint8_t hoseDiameter;
};

// A nozzle's labels but its height, in the order the load sets them.
void writeNozzle(LoadWriter& out, const schematicLabels::Nozzle& labels, const NozzleValues& v, bool shown,
                 std::string_view sep)
{
    appendJoined(out.label(labels.hoseDiameter, shown), "diamètre = ", numberChars(v.hoseDiameter), "mm");
    out.label(labels.type, shown) = v.type;
    appendJoined(out.label(labels.pressure, shown), "Po = ", numberChars(v.pressure, sep), " b");
    appendJoined(out.label(labels.hoseLength, shown), "L = ", numberChars(v.hoseCount * hoseLengthMetres), "m");
    appendJoined(out.label(labels.flow, shown), "débit = ", numberChars(v.flow, sep), "L/min");
}

}  // namespace

void loadSchematic(ExerciseRecord& r, std::string_view sep, ScreenLoad& into)
{
    namespace labels = schematicLabels;
    deriveNozzleValues(r);

    const bool secondNozzle = r.nozzleCount != 1;
    const bool thirdNozzle = r.nozzleCount == 3;
    const bool elevationsDiffer = r.divisionElevation != r.nozzle2Elevation;
    const auto& [nozzle1, nozzle2, nozzle3] = labels::nozzles;

    into.reserve(30);
    LoadWriter out(into);

    out.label(labels::pumpRating) = r.pumpRating;
    appendJoined(out.label(labels::feedLength), "L = ", numberChars(r.feedLength), "m");
    appendJoined(out.label(labels::feedDiameter), "diamètre = ", numberChars(r.feedDiameter), "mm");
    appendJoined(out.label(labels::totalFlow), "débit = ", numberChars(r.totalFlow, sep), "L/min");
    appendJoined(out.label(labels::feedSlope, r.slopePercent != 0), "Z = ", numberChars(r.slopePercent), " %");

    writeNozzle(out, nozzle1,
                {r.nozzle1Type, r.nozzle1Pressure, r.nozzle1Flow, r.nozzle1HoseCount, r.nozzle1HoseDiameter}, true,
                sep);
    appendJoined(out.label(nozzle1.height, r.nozzle1Height != 0), "Z = ", numberChars(r.nozzle1Height), "m");

    writeNozzle(out, nozzle2,
                {r.nozzle2Type, r.nozzle2Pressure, r.nozzle2Flow, r.nozzle2HoseCount, r.nozzle2HoseDiameter},
                secondNozzle, sep);
    appendJoined(out.label(nozzle2.height, secondNozzle && elevationsDiffer),
                 "cote = ", numberChars(r.nozzle2Elevation));
    appendJoined(out.label(labels::divisionElevation, secondNozzle && elevationsDiffer),
                 "cote = ", numberChars(r.divisionElevation));

    writeNozzle(out, nozzle3,
                {r.nozzle3Type, r.nozzle3Pressure, r.nozzle3Flow, r.nozzle3HoseCount, r.nozzle3HoseDiameter},
                thirdNozzle, sep);
    appendJoined(out.label(nozzle3.height, thirdNozzle && r.nozzle3SlopePercent != 0),
                 "Z = ", numberChars(r.nozzle3SlopePercent), " %");

    out.shown(nozzle2.caption, secondNozzle);
    out.shown(nozzle3.caption, thirdNozzle);
    out.shown(nozzle3.hoseLine, thirdNozzle);
    out.shown(nozzle2.hoseLine, secondNozzle);
    out.shown(nozzle3.nozzleLine, thirdNozzle);
    out.shown(nozzle2.nozzleLine, secondNozzle);
}

}  // namespace tavelle
