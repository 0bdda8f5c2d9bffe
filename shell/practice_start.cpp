#include "shell/practice_start.h"

#include "classdb/class_database_setting.h"
#include "core/practice/practice_texts.h"
#include "platform/account_name.h"
#include "platform/system_locale.h"
#include "screens/trainee_screen.h"
#include "shell/class_module.h"
#include "shell/command_line.h"
#include "shell/message_boxes.h"
#include "shell/practice.h"
#include "shell/practice_file.h"
#include "shell/progress_module.h"
#include "shell/trainee_setting.h"

namespace tavelle {

namespace {

// The trainee the command line names for this run; else the one the settings keep; else, at the first
// practice, the one the trainee names in the naming window, kept for the next runs. Declined: anonymous.
Trainee practisingTrainee(const Launch& launch)
{
    if (launch.trainee) return *launch.trainee;
    if (std::optional<Trainee> kept = keptTrainee()) return *kept;
    TraineeScreen window(offeredTrainee(accountFullName()));
    if (window.exec() != QDialog::Accepted || !window.trainee()) return {};
    keepTrainee(*window.trainee());
    return *window.trainee();
}

}  // namespace

std::unique_ptr<Practice> startPractice(const Launch& launch, MessageBoxes& messages)
{
    PracticeExercises exercises;
    if (launch.exercisesFile) {
        PracticeFile file = readPracticeFile(*launch.exercisesFile);
        if (file.refusal) {
            messages.plain(toQString(practiceFileTitle), *file.refusal);
            return nullptr;
        }
        exercises = PracticeExercises(std::move(file.exercises), *launch.exercisesFile);
    }
    ClassDatabaseLink classDatabase;
    classDatabase.connection = classDatabaseConnection(launch.classDatabase);
    if (!classDatabase.connection.isEmpty())
        classDatabase.open = [connection = classDatabase.connection] {
            return loadClassDatabase(progressModuleFile(), connection);
        };
    return std::make_unique<Practice>(
        std::move(exercises), messages, [] { return loadProgressStore(progressModuleFile(), progressDatabaseFile()); },
        systemDecimalSeparator(), practisingTrainee(launch), std::move(classDatabase));
}

}  // namespace tavelle
