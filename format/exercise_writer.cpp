#include "format/exercise_writer.h"

#include <charconv>
#include <string>

namespace tavelle {

namespace {

bool isWholeNumber(const std::string& text)
{
    long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace

void writeExercise(JsonWriter& out, ExerciseInput exercise)
{
    out.beginObject();
    for (const EntryList& key : allEntryLists()) {
        const std::string& choice = key.choice(exercise);
        if (choice.empty()) continue;
        out.key(key.key);
        if (isWholeNumber(choice))
            out.integer(std::stoll(choice));
        else
            out.string(choice);
    }
    out.endObject();
}

}  // namespace tavelle
