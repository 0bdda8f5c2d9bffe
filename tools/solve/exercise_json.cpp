#include "tools/solve/exercise_json.h"

#include "core/list_items.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavelle {

namespace {

using nlohmann::json;

#define TAVELLE_CHOICE(screen, field) [](ExerciseInput& in) -> std::string& { return in.screen.field; }

const std::array<InputKey, 20> kInputKeys{{
    {"pumpRating", listItems::pumpRatings, TAVELLE_CHOICE(exercise, pumpRating)},
    {"feedDiameter", listItems::feedDiameters, TAVELLE_CHOICE(exercise, feedDiameter)},
    {"feedLength", listItems::feedLengths, TAVELLE_CHOICE(exercise, feedLength)},
    {"nozzleCount", listItems::nozzleCounts, TAVELLE_CHOICE(exercise, nozzleCount)},
    {"slopeKind", listItems::feedSlopeKinds, TAVELLE_CHOICE(exercise, slopeKind)},
    {"slopePercent", listItems::slopePercents, TAVELLE_CHOICE(exercise, slopePercent)},
    {"nozzle1Type", listItems::nozzleTypes, TAVELLE_CHOICE(nozzle1, type)},
    {"nozzle1Flow", listItems::nozzleFlows, TAVELLE_CHOICE(nozzle1, flow)},
    {"nozzle1Height", listItems::nozzle1Heights, TAVELLE_CHOICE(nozzle1, height)},
    {"nozzle1HoseCount", listItems::hoseCounts, TAVELLE_CHOICE(nozzle1, hoseCount)},
    {"nozzle2Type", listItems::nozzleTypes, TAVELLE_CHOICE(nozzle2, type)},
    {"nozzle2Flow", listItems::nozzleFlows, TAVELLE_CHOICE(nozzle2, flow)},
    {"divisionElevation", listItems::elevations, TAVELLE_CHOICE(nozzle2, divisionElevation)},
    {"nozzle2Elevation", listItems::elevations, TAVELLE_CHOICE(nozzle2, nozzleElevation)},
    {"nozzle2HoseCount", listItems::hoseCounts, TAVELLE_CHOICE(nozzle2, hoseCount)},
    {"nozzle3Type", listItems::nozzleTypes, TAVELLE_CHOICE(nozzle3, type)},
    {"nozzle3Flow", listItems::nozzleFlows, TAVELLE_CHOICE(nozzle3, flow)},
    {"nozzle3HoseCount", listItems::hoseCounts, TAVELLE_CHOICE(nozzle3, hoseCount)},
    {"nozzle3SlopeKind", listItems::nozzle3SlopeKinds, TAVELLE_CHOICE(nozzle3, slopeKind)},
    {"nozzle3SlopePercent", listItems::slopePercents, TAVELLE_CHOICE(nozzle3, slopePercent)},
}};

#undef TAVELLE_CHOICE

std::string joined(std::span<const std::string_view> items)
{
    std::string text;
    for (std::string_view item : items) {
        if (!text.empty()) text += ", ";
        text += item;
    }
    return text;
}

std::string allKeyNames()
{
    std::string text;
    for (const auto& key : kInputKeys) {
        if (!text.empty()) text += ", ";
        text += key.name;
    }
    return text;
}

const char* kindName(const json& value)
{
    switch (value.type()) {
    case json::value_t::object: return "an object";
    case json::value_t::array: return "an array";
    case json::value_t::string: return "a string";
    case json::value_t::boolean: return "a boolean";
    case json::value_t::null: return "null";
    default: return "a number";
    }
}

// A list item as written in the input: strings as they stand, whole numbers in plain digits.
std::optional<std::string> itemText(const json& value)
{
    if (value.is_null()) return std::string();
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number_integer()) return std::to_string(value.get<long long>());
    if (value.is_number_float()) {
        const double number = value.get<double>();
        if (std::isfinite(number) && std::trunc(number) == number && std::fabs(number) < 1e15)
            return std::to_string(static_cast<long long>(number));
    }
    return std::nullopt;
}

ExerciseInput readExercise(const json& object, std::size_t index)
{
    const std::string where = "exercise " + std::to_string(index);
    if (!object.is_object())
        throw InputError(where + ": expected an object of list choices, got " + kindName(object));

    ExerciseInput input;
    for (const auto& [name, value] : object.items()) {
        const auto key = std::find_if(kInputKeys.begin(), kInputKeys.end(),
                                      [&](const InputKey& k) { return k.name == name; });
        if (key == kInputKeys.end())
            throw InputError(where + ": unknown key \"" + name + "\"; allowed keys: " + allKeyNames());

        const std::optional<std::string> text = itemText(value);
        const bool allowed = text && (text->empty() || std::find(key->items.begin(), key->items.end(), *text) !=
                                                           key->items.end());
        if (!allowed)
            throw InputError(where + ", key \"" + name + "\": value " + value.dump() +
                             " is not an item of this list; allowed: " + joined(key->items) +
                             " (or null/\"\" for no choice)");
        key->choice(input) = *text;
    }
    return input;
}

}  // namespace

std::span<const InputKey> inputKeys() { return kInputKeys; }

ExerciseBatch parseExercises(std::string_view text)
{
    json document;
    try {
        document = json::parse(text.begin(), text.end());
    } catch (const json::parse_error& error) {
        throw InputError(std::string("malformed JSON: ") + error.what());
    }

    ExerciseBatch batch;
    if (document.is_array()) {
        batch.isArray = true;
        batch.exercises.reserve(document.size());
        for (std::size_t i = 0; i < document.size(); ++i) batch.exercises.push_back(readExercise(document[i], i));
    } else if (document.is_object()) {
        batch.exercises.push_back(readExercise(document, 0));
    } else {
        throw InputError(std::string("expected an exercise object or an array of exercises, got ") +
                         kindName(document));
    }
    return batch;
}

}  // namespace tavelle
