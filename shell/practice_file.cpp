#include "shell/practice_file.h"

#include "core/practice/practice_texts.h"
#include "format/exercise_series.h"
#include "screens/screen_window.h"

#include <QFileInfo>

namespace tavelle {

PracticeFile readPracticeFile(const QString& path)
{
    PracticeFile file;
    const std::string shown = path.toStdString();
    const auto refuse = [&](std::size_t exercise, std::string_view reason) {
        file.exercises.clear();
        file.refusal = toQString(practiceFileRefusal(shown, exercise, reason));
        return file;
    };
    const QFileInfo info(path);
    // A pipe or a device would hold the window while it waits for data that may never come.
    if (info.exists() && !info.isFile()) return refuse(0, notARegularFile);

    SeriesReading series;
    try {
        ExerciseFile exercises(path.toStdString());
        series = readSeries(exercises.reader());
    } catch (const InputError& error) {
        return refuse(0, wording(error, Language::french));
    }
    if (series.refusal) return refuse(series.refusedExercise, *series.refusal);
    if (series.exercises.empty()) return refuse(0, noExercise);
    file.exercises = std::move(series.exercises);
    return file;
}

}  // namespace tavelle
