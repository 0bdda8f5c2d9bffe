#pragma once

#include "core/screens/entry_screens.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <string>

class QWidget;

namespace tavelle {

class MessageBoxes;

// How saving an exercise into a file went: what the box says, and whether it is a refusal.
struct SavingOutcome {
    bool saved = false;
    std::string text;
};

// Saves `exercise` into the file at `path`: a new file, or one that already holds exercises, which it then
// gains at its end, the others kept. A path that is not a regular file, or a file that would no longer
// load for practice, is refused and left as it was; the file is written beside and renamed, and read back.
// Works on the disk: never on the window's thread.
SavingOutcome saveExerciseInto(const QString& path, const ExerciseInput& exercise);

// Ctrl+S on a window of an exercise: asks in Qt's file dialog where to save it, without holding the
// program, then saves it on a thread of its own, one save after another, and a box says how it went.
class ExerciseSaving final : public QObject {
    Q_OBJECT
public:
    explicit ExerciseSaving(MessageBoxes& messages);
    // Waits for the saves under way: a save asked for is finished, never cut short.
    ~ExerciseSaving() override;

    void save(QWidget& window, const ExerciseInput& exercise);

private:
    void saveInto(const QString& path, const ExerciseInput& exercise);

    MessageBoxes& m_messages;
    QThreadPool m_disk;
};

}  // namespace tavelle
