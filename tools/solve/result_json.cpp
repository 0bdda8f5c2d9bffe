#include "tools/solve/result_json.h"

#include "core/trade/pressure_line.h"

#include <string>
#include <type_traits>

namespace tavelle {

namespace {

void writeRecord(JsonWriter& out, const ExerciseRecord& record)
{
    out.beginObject();
    forEachField(record, [&](std::string_view name, const auto& value) {
        out.key(name);
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>)
            out.string(value);
        else if constexpr (std::is_same_v<T, float>)
            out.number(value);
        else
            out.integer(value);
    });
    out.endObject();
}

void writeLabels(JsonWriter& out, const ScreenLoad& labels)
{
    out.beginObject();
    for (const auto& label : labels) {
        out.key(label.name);
        out.string(label.text);
    }
    out.endObject();
}

std::string placeKey(const PressurePoint& point, int worstNozzle)
{
    switch (point.place) {
    case PressurePlace::pump: return "pump";
    case PressurePlace::divisionInlet: return "divisionInlet";
    case PressurePlace::divisionOutlet: return "divisionOutlet";
    case PressurePlace::nozzle: break;
    }
    return "nozzle" + std::to_string(worstNozzle);
}

void writePressureLine(JsonWriter& out, const PressureLine& line)
{
    out.beginObject();
    out.key("points");
    out.beginArray();
    for (const PressurePoint& point : line.points) {
        out.beginObject();
        out.key("metres");
        out.integer(point.metres);
        out.key("bar");
        out.number(point.bar);
        out.key("place");
        out.string(placeKey(point, line.worstNozzle));
        out.endObject();
    }
    out.endArray();
    out.key("pumpCanGive");
    if (line.pumpSufficient)
        out.null();
    else
        out.number(line.pumpCanGive);
    out.endObject();
}

}  // namespace

void writeWalkResult(JsonWriter& out, const WalkResult& walk, const ExerciseRecord& record)
{
    out.beginObject();
    out.key("accepted");
    out.boolean(walk.accepted);
    out.key("refusedAt");
    if (walk.refusedAt)
        out.string(screenName(*walk.refusedAt));
    else
        out.null();

    out.key("screens");
    out.beginArray();
    for (ScreenId screen : walk.screens) out.string(screenName(screen));
    out.endArray();

    out.key("messages");
    out.beginArray();
    for (const auto& message : walk.messages) {
        out.beginObject();
        out.key("screen");
        out.string(screenName(message.screen));
        out.key("text");
        out.string(message.text);
        out.endObject();
    }
    out.endArray();

    out.key("record");
    writeRecord(out, record);

    if (walk.accepted) {
        out.key("Don");
        out.beginObject();
        out.key("Label2");
        out.string(walk.statement);
        out.endObject();

        out.key("Dessin");
        out.beginObject();
        for (const auto& control : walk.schematic) {
            out.key(control.name);
            out.beginObject();
            if (control.hasText) {
                out.key("text");
                out.string(control.text);
            }
            out.key("visible");
            out.boolean(control.visible);
            out.endObject();
        }
        out.endObject();

        out.key("Calculs");
        writeLabels(out, walk.portionAb);
        out.key("Calculs2");
        writeLabels(out, walk.finalCalculation);
        out.key("pressureLine");
        writePressureLine(out, pressureLine(record));
    }
    out.endObject();
}

}  // namespace tavelle
