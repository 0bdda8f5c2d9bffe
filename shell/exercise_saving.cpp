#include "shell/exercise_saving.h"

#include "core/screens/exercise_saving_texts.h"
#include "format/exercise_series.h"
#include "format/exercise_writer.h"
#include "platform/kept_file.h"
#include "screens/screen_window.h"
#include "shell/message_boxes.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include <cerrno>

namespace tavelle {

namespace {

std::string exerciseText(const ExerciseInput& exercise)
{
    JsonWriter json;
    writeExercise(json, exercise);
    return std::move(json.text());
}

SeriesReading readSeriesText(std::string_view text)
{
    ExerciseReader reader(text);
    return readSeries(reader);
}

}  // namespace

SavingOutcome saveExerciseInto(const QString& path, const ExerciseInput& exercise)
{
    const std::string shown = path.toStdString();
    const auto refuse = [&shown](std::size_t at, std::string_view reason) {
        return SavingOutcome{false, exerciseNotSavedText(shown, at, reason)};
    };
    const QFileInfo info(path);
    // A device, a pipe or a socket is never replaced, and a pipe is not read: it could hold the save for ever.
    if (info.exists() && !info.isFile()) return refuse(0, notARegularFile);

    QByteArray existing;
    if (info.exists()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return refuse(0, systemReason(errno, Language::french));
        existing = file.readAll();
    }
    std::string_view existingText(existing.constData(), static_cast<std::size_t>(existing.size()));
    if (existingText.starts_with("\xEF\xBB\xBF")) existingText.remove_prefix(3);
    std::size_t kept = 0;
    // A file of blanks only, as one just made to be chosen here, holds no exercise yet.
    if (existingText.find_first_not_of(" \t\r\n") != std::string_view::npos) {
        const SeriesReading before = readSeriesText(existingText);
        if (before.refusal) return refuse(before.refusedExercise, *before.refusal);
        kept = before.exercises.size();
    }

    // What the file will hold is read as practice will read it before anything is written.
    const std::string text = seriesWithExercise(existingText, exercise);
    const SeriesReading after = readSeriesText(text);
    if (after.refusal) return refuse(after.refusedExercise, *after.refusal);
    if (after.exercises.size() != kept + 1 || exerciseText(after.exercises.back()) != exerciseText(exercise))
        return refuse(0, exerciseSavingTexts::notReadBack);

    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    KeptFile file(path);
    if (!file.writeWhole(bytes)) {
        const int reason = errno;
        return refuse(0, systemReason(reason != 0 ? reason : EIO, Language::french));
    }

    QFile written(path);
    if (!written.open(QIODevice::ReadOnly) || written.readAll() != bytes)
        return refuse(0, exerciseSavingTexts::notReadBack);
    return {true, exerciseSavedText(shown, after.exercises.size())};
}

ExerciseSaving::ExerciseSaving(MessageBoxes& messages)
    : m_messages(messages)
{
    // One save after another: two saves into one file must not both add to what it held before.
    m_disk.setMaxThreadCount(1);
}

ExerciseSaving::~ExerciseSaving()
{
    m_disk.waitForDone();
}

void ExerciseSaving::save(QWidget& window, const ExerciseInput& exercise)
{
    auto* dialog = new QFileDialog(&window, toQString(exerciseSavingTexts::dialogTitle));
    dialog->setObjectName(QStringLiteral("exerciseSavingDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // A file that exists gains the exercise: nothing in it is replaced, there is nothing to confirm.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setNameFilter(toQString(exerciseSavingTexts::fileKinds));
    dialog->setDefaultSuffix(toQString(exerciseSavingTexts::fileSuffix));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, exercise](const QString& path) { saveInto(path, exercise); });
    dialog->open();
}

void ExerciseSaving::saveInto(const QString& path, const ExerciseInput& exercise)
{
    m_disk.start([this, path, exercise] {
        const SavingOutcome outcome = saveExerciseInto(path, exercise);
        QMetaObject::invokeMethod(this, [this, outcome] {
            if (outcome.saved)
                m_messages.noticeInformation(toQString(exerciseSavingTexts::boxTitle), toQString(outcome.text));
            else
                m_messages.noticeWarning(toQString(outcome.text));
        });
    });
}

}  // namespace tavelle
