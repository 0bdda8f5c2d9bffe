#include "shell/practice_file.h"

#include "core/practice/practice_texts.h"
#include "core/screens/walkthrough.h"
#include "format/exercise_reader.h"
#include "screens/screen_window.h"

#include <QFileInfo>

namespace tavelle {

namespace {

std::string joinedWarnings(const std::vector<ShownMessage>& messages)
{
    std::string text;
    for (const ShownMessage& message : messages) {
        if (!text.empty()) text += ' ';
        text += message.text;
    }
    return text;
}

}  // namespace

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

    std::size_t number = 0;
    try {
        ExerciseFile exercises(path.toStdString());
        ExerciseReader& reader = exercises.reader();
        reader.readStart();
        // As in one run of the application, the record carries over from one exercise to the next.
        ExerciseRecord record;
        WalkResult walk;
        while (std::optional<ExerciseInput> exercise = reader.next()) {
            ++number;
            if (number > mostExercisesInASet) return refuse(0, tooManyExercises(mostExercisesInASet));
            walkExercise(*exercise, record, ",", walk);
            if (!walk.accepted) return refuse(number, joinedWarnings(walk.messages));
            file.exercises.push_back(std::move(*exercise));
        }
    } catch (const InputError& error) {
        return refuse(0, wording(error, Language::french));
    }
    if (file.exercises.empty()) return refuse(0, noExercise);
    return file;
}

}  // namespace tavelle
