// Ctrl+S from the statement on saves the exercise entered into a file practice and the tools read: the
// file's exercise gives what the windows gave, a series gains it without losing one, and nothing that is
// not a series file is ever replaced.
#include "core/screens/exercise_saving_texts.h"
#include "core/screens/walkthrough.h"
#include "format/exercise_series.h"
#include "shell/exercise_saving.h"
#include "shell/practice_file.h"
#include "tests/app/desktop_test.h"
#include "tests/support/test_files.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace tavelle::testing {
namespace {

std::vector<ExerciseInput> exercisesIn(const QString& path)
{
    PracticeFile file = readPracticeFile(path);
    EXPECT_FALSE(file.refusal) << file.refusal->toStdString();
    return file.exercises;
}

class ExerciseSavingTest : public DesktopTest {
protected:
    // Ctrl+S on the open window, and the file chosen in the dialog; waits for the box that says how it went.
    void saveInto(const QString& path)
    {
        screen()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen())) << screenName();
        const std::size_t boxes = messages.shown.size();
        QTest::keySequence(screen(), QKeySequence(Qt::CTRL | Qt::Key_S));
        auto* dialog = screen()->findChild<QFileDialog*>(QStringLiteral("exerciseSavingDialog"));
        ASSERT_NE(dialog, nullptr) << screenName();
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
        ASSERT_TRUE(processEventsUntil([&] { return messages.shown.size() > boxes; }));
    }

    QTemporaryDir folder;
};

TEST_F(ExerciseSavingTest, TheSavedExerciseIsAnsweredAsTheWindowsAnsweredIt)
{
    const QString path = folder.filePath(QStringLiteral("serie.json"));
    reach(ScreenId::Don, 3);
    for (ScreenId from : {ScreenId::Don, ScreenId::Dessin, ScreenId::Calculs, ScreenId::Calculs2}) {
        ASSERT_EQ(screen()->screenId(), from);
        if (from == ScreenId::Don || from == ScreenId::Calculs2) {
            saveInto(path);
            EXPECT_EQ(messages.shown.back().kind, ShownBox::Kind::Information)
                << messages.shown.back().text.toStdString();
        }
        if (from != ScreenId::Calculs2) click("Command1");
    }
    const std::vector<ExerciseInput> saved = exercisesIn(path);
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(messages.shown.back().text.toStdString(), exerciseSavedText(path.toStdString(), 2));

    // The final window is open: what it shows is what the saved exercise gives.
    ExerciseRecord solved;
    const WalkResult answer = walkExercise(saved.back(), solved, ",");
    ASSERT_TRUE(answer.accepted);
    for (const ControlState& control : answer.finalCalculation) {
        if (!control.hasText || !control.visible) continue;
        const auto* label =
            screen()->findChild<QLabel*>(QString::fromUtf8(control.name.data(), qsizetype(control.name.size())));
        ASSERT_NE(label, nullptr) << control.name;
        EXPECT_EQ(label->text().toStdString(), control.text) << control.name;
    }
}

struct RefusedPath {
    const char* what;
    QByteArray content;  // of a regular file; empty for a pipe
};

class RefusedSaving : public ::testing::TestWithParam<RefusedPath> {};

// Refused, with the reason, and left exactly as it was.
TEST_P(RefusedSaving, LeavesThePathAsItWas)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("file"));
    if (GetParam().content.isEmpty())
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        ASSERT_TRUE(writeTestFile(path, GetParam().content));
    const SavingOutcome outcome = saveExerciseInto(path, walkThroughExercise(1));
    EXPECT_FALSE(outcome.saved);
    EXPECT_TRUE(outcome.text.starts_with("L'exercice n'est pas enregistré dans le fichier ")) << outcome.text;
    if (GetParam().content.isEmpty()) {
        EXPECT_FALSE(QFileInfo(path).isFile());
    } else {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), GetParam().content);
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, RefusedSaving,
                         ::testing::Values(RefusedPath{"pipe", {}},
                                           RefusedPath{"notes", "Liste des lances du centre\n"},
                                           RefusedPath{"refusedExercise", R"([{"pumpRating": "1000/15"}])"}),
                         [](const auto& param) { return std::string(param.param.what); });

}  // namespace
}  // namespace tavelle::testing
