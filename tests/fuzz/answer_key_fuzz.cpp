// The whole answer-key path on any bytes: read, walk with both decimal separators, write the JSON
// results and the French answer key, then read the JSON back. Input the reader refuses must be
// refused with one printable line; input it accepts must give one well-formed result per exercise.
#include "core/screens/walkthrough.h"
#include "format/exercise_reader.h"
#include "format/json_writer.h"
#include "tools/solve/answer_key.h"
#include "tools/solve/result_json.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "answer-key fuzz: %s\n", what);
        std::abort();
    }
}

void checkOneLine(std::string_view message)
{
    check(!message.empty(), "an empty refusal");
    for (const char c : message)
        check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character in a refusal");
    // Nor an invisible character that could turn the rest of the line around in a terminal.
    for (char32_t format : {0x200Bu, 0x200Eu, 0x200Fu, 0x202Au, 0x202Bu, 0x202Cu, 0x202Du, 0x202Eu, 0x2066u, 0x2067u,
                            0x2068u, 0x2069u, 0xFEFFu}) {
        const char encoded[] = {static_cast<char>(0xE0 | (format >> 12)),
                                static_cast<char>(0x80 | ((format >> 6) & 0x3F)),
                                static_cast<char>(0x80 | (format & 0x3F))};
        check(message.find(std::string_view(encoded, sizeof encoded)) == std::string_view::npos,
              "a format character in a refusal");
    }
}

void solveWith(std::string_view input, std::string_view separator)
{
    tavelle::ExerciseReader reader(input);
    tavelle::ExerciseRecord record;
    tavelle::JsonWriter json;
    std::string answerKey;
    std::size_t count = 0;
    bool isArray = false;
    try {
        isArray = reader.readStart();
        if (isArray) json.beginArray();
        while (const auto exercise = reader.next()) {
            const tavelle::WalkResult walk = tavelle::walkExercise(*exercise, record, separator);
            check(walk.accepted != walk.refusedAt.has_value(), "a walk both accepted and refused");
            ++count;
            if (isArray) json.nextLine();
            tavelle::writeWalkResult(json, walk, record);
            answerKey += tavelle::answerKey(walk, count, record, separator);
        }
    } catch (const tavelle::InputError& error) {
        checkOneLine(error.what());
        return;
    }
    if (isArray) json.endArray();

    const nlohmann::json results = nlohmann::json::parse(json.text());
    check(isArray ? results.is_array() && results.size() == count : results.is_object() && count == 1,
          "not one result per exercise");
    for (const auto& result : isArray ? results : nlohmann::json::array({results}))
        check(result.at("accepted").is_boolean() && result.at("record").is_object(), "a result without its outcome");
    check(answerKey.empty() == (count == 0), "an exercise without its answer key");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    solveWith(input, ".");
    solveWith(input, ",");
    return 0;
}
