#pragma once

#include <cstdint>
#include <string>

namespace tavelle {

// The one record of the exercise, shared by every screen for the whole run.
// Field order and types follow the trade's worksheet; floats are single precision
// on purpose: every stored flow, pressure and loss is rounded to float.
struct ExerciseRecord {
    std::string pumpRating;
    std::int16_t feedDiameter = 0;
    std::int16_t feedLength = 0;
    float totalFlow = 0;
    std::uint8_t nozzleCount = 0;
    std::string slopeKind;
    std::int16_t slopePercent = 0;
    std::string nozzle1Type;
    float nozzle1Pressure = 0;
    float nozzle1Flow = 0;
    std::int16_t nozzle1Height = 0;
    std::uint8_t nozzle1HoseCount = 0;
    std::uint8_t nozzle1HoseDiameter = 0;
    std::string nozzle2Type;
    float nozzle2Pressure = 0;
    float nozzle2Flow = 0;
    std::int16_t divisionElevation = 0;
    std::int16_t nozzle2Elevation = 0;
    std::uint8_t nozzle2HoseCount = 0;
    std::uint8_t nozzle2HoseDiameter = 0;
    std::string nozzle3Type;
    float nozzle3Pressure = 0;
    float nozzle3Flow = 0;
    std::string nozzle3SlopeKind;
    std::int16_t nozzle3SlopePercent = 0;
    std::uint8_t nozzle3HoseCount = 0;
    std::uint8_t nozzle3HoseDiameter = 0;
    float worstNozzleLoss = 0;
    float worstNozzlePressure = 0;

    bool operator==(const ExerciseRecord&) const = default;
};

// Visits every field in declaration order with its name, for tools that list the record.
template <typename Record, typename Visitor>
void forEachField(Record& r, Visitor&& visit)
{
    visit("pumpRating", r.pumpRating);
    visit("feedDiameter", r.feedDiameter);
    visit("feedLength", r.feedLength);
    visit("totalFlow", r.totalFlow);
    visit("nozzleCount", r.nozzleCount);
    visit("slopeKind", r.slopeKind);
    visit("slopePercent", r.slopePercent);
    visit("nozzle1Type", r.nozzle1Type);
    visit("nozzle1Pressure", r.nozzle1Pressure);
    visit("nozzle1Flow", r.nozzle1Flow);
    visit("nozzle1Height", r.nozzle1Height);
    visit("nozzle1HoseCount", r.nozzle1HoseCount);
    visit("nozzle1HoseDiameter", r.nozzle1HoseDiameter);
    visit("nozzle2Type", r.nozzle2Type);
    visit("nozzle2Pressure", r.nozzle2Pressure);
    visit("nozzle2Flow", r.nozzle2Flow);
    visit("divisionElevation", r.divisionElevation);
    visit("nozzle2Elevation", r.nozzle2Elevation);
    visit("nozzle2HoseCount", r.nozzle2HoseCount);
    visit("nozzle2HoseDiameter", r.nozzle2HoseDiameter);
    visit("nozzle3Type", r.nozzle3Type);
    visit("nozzle3Pressure", r.nozzle3Pressure);
    visit("nozzle3Flow", r.nozzle3Flow);
    visit("nozzle3SlopeKind", r.nozzle3SlopeKind);
    visit("nozzle3SlopePercent", r.nozzle3SlopePercent);
    visit("nozzle3HoseCount", r.nozzle3HoseCount);
    visit("nozzle3HoseDiameter", r.nozzle3HoseDiameter);
    visit("worstNozzleLoss", r.worstNozzleLoss);
    visit("worstNozzlePressure", r.worstNozzlePressure);
}

}  // namespace tavelle
