#include "format/exercise_series.h"

#include "core/practice/practice_texts.h"
#include "core/screens/walkthrough.h"
#include "format/exercise_writer.h"

namespace tavelle {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view blanks = " \t\r\n";

std::string joinedWarnings(const std::vector<ShownMessage>& messages)
{
    std::string text;
    for (const ShownMessage& message : messages) {
        if (!text.empty()) text += ' ';
        text += message.text;
    }
    return text;
}

std::string exerciseText(const ExerciseInput& exercise)
{
    JsonWriter json;
    writeExercise(json, exercise);
    return std::move(json.text());
}

}  // namespace

SeriesReading readSeries(ExerciseReader& reader)
{
    SeriesReading series;
    const auto refuse = [&series](std::size_t exercise, std::string reason) {
        series.exercises.clear();
        series.refusal = std::move(reason);
        series.refusedExercise = exercise;
    };
    try {
        reader.readStart();
        ExerciseRecord record;
        WalkResult walk;
        while (std::optional<ExerciseInput> exercise = reader.next()) {
            if (series.exercises.size() == mostExercisesInASet) {
                refuse(0, tooManyExercises(mostExercisesInASet));
                return series;
            }
            walkExercise(*exercise, record, ",", walk);
            if (!walk.accepted) {
                refuse(series.exercises.size() + 1, joinedWarnings(walk.messages));
                return series;
            }
            series.exercises.push_back(std::move(*exercise));
        }
    } catch (const InputError& error) {
        refuse(0, wording(error, Language::french));
    }
    return series;
}

std::string seriesWithExercise(std::string_view series, const ExerciseInput& added)
{
    if (series.starts_with(byteOrderMark)) series.remove_prefix(byteOrderMark.size());
    const std::size_t first = series.find_first_not_of(blanks);
    if (first == std::string_view::npos) return "[\n" + exerciseText(added) + "\n]\n";
    const std::string_view document = series.substr(first, series.find_last_not_of(blanks) + 1 - first);
    if (document.front() == '{') return "[\n" + std::string(document) + ",\n" + exerciseText(added) + "\n]\n";
    // An array: the new exercise goes before its closing bracket, after a comma when it holds any.
    const std::string_view elements = document.substr(1, document.size() - 2);
    const bool empty = elements.find_first_not_of(blanks) == std::string_view::npos;
    const std::string_view kept = document.substr(0, document.find_last_not_of(blanks, document.size() - 2) + 1);
    return std::string(kept) + (empty ? "\n" : ",\n") + exerciseText(added) + "\n]\n";
}

}  // namespace tavelle
