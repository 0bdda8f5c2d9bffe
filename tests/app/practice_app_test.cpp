#include "core/practice_questions.h"
#include "core/result_labels.h"
#include "core/values_to_find.h"
#include "screens/question_screen.h"
#include "shell/navigator.h"
#include "shell/practice.h"
#include "shell/sqlite_progress_store.h"
#include "tests/support/fake_shell.h"
#include "tests/support/test_files.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavelle::testing {
namespace {

QString examplesFile(const char* name) { return QStringLiteral(TAVELLE_EXAMPLES_DIR "/") + QString::fromLatin1(name); }

// A practice session over the real navigator and windows, keeping its progress in a private folder.
class PracticeTest : public ::testing::Test {
protected:
    void start(const QString& exercises)
    {
        PracticeFile file = readPracticeFile(exercises);
        ASSERT_FALSE(file.refusal) << file.refusal->toStdString();
        practice = std::make_unique<Practice>(
            PracticeExercises(std::move(file.exercises), exercises), messages,
            [this] { return std::make_unique<SqliteProgressStore>(database()); }, ",");
        navigator.startPractice(*practice);
        flushClosedScreens();
    }

    QString database() const { return folder.filePath(QStringLiteral("progression.sqlite")); }
    std::string screenName() const
    {
        return navigator.currentScreen() ? navigator.currentScreen()->objectName().toStdString() : "(none)";
    }
    template <typename Widget>
    Widget* control(const QString& name) const
    {
        return navigator.currentScreen()->findChild<Widget*>(name);
    }
    void click(std::string_view button)
    {
        auto* push = control<QPushButton>(QString::fromLatin1(button.data(), static_cast<qsizetype>(button.size())));
        ASSERT_NE(push, nullptr) << button << " on " << screenName();
        ASSERT_TRUE(push->isEnabled()) << button << " on " << screenName();
        push->click();
        flushClosedScreens();
    }
    // Types or chooses each answer of the open question window, then presses "Vérifier".
    void answer(const std::vector<std::string>& answers)
    {
        auto* window = qobject_cast<QuestionScreen*>(navigator.currentScreen());
        ASSERT_NE(window, nullptr) << screenName();
        for (std::size_t i = 0; i < answers.size(); ++i) {
            const QString name = QString::fromLatin1(questionKey(window->questions()[i]).data());
            const QString text = QString::fromStdString(answers[i]);
            if (auto* list = control<QComboBox>(name))
                list->setCurrentIndex(list->findText(text));
            else
                control<QLineEdit>(name)->setText(text);
        }
        click(practiceControls::check);
    }
    QString mark(Question question) const
    {
        return control<QLabel>(QString::fromLatin1(questionKey(question).data()) + QStringLiteral("Mark"))->text();
    }

    QTemporaryDir folder;
    RecordingMessageBoxes messages;
    RecordingPrinter printer;
    Navigator navigator{messages, printer, ",", [] {}};
    std::unique_ptr<Practice> practice;
};

TEST_F(PracticeTest, AnExerciseFileIsWorkedMarkedAndKept)
{
    start(examplesFile("three_nozzles.json"));
    ASSERT_EQ(screenName(), "Form2");
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("2000/15"));
    for (const char* entry : {"Form2", "Lance1", "Lance2", "Lance3", "Don"}) {
        ASSERT_EQ(screenName(), entry);
        click("Command1");
    }
    ASSERT_EQ(screenName(), "Dessin");
    const std::vector<std::string_view> toFind = schematicValuesToFind(navigator.record());
    ASSERT_FALSE(toFind.empty());
    EXPECT_TRUE(control<QLabel>(QString::fromLatin1(schematicLabels::nozzles[0].type))->isVisible());
    for (std::string_view name : toFind)
        EXPECT_FALSE(control<QLabel>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())))->isVisible())
            << name;
    click("Command1");
    ASSERT_EQ(screenName(), "QuestionAB");

    const ExpectedAnswers expected = expectedAnswers(navigator.record());
    const std::string worst = nozzleAnswer(expected.worstNozzle);
    answer({worst, "beaucoup"});
    EXPECT_EQ(mark(Question::worstNozzleLoss).toStdString(),
              "Ce n'est pas un nombre : tapez une pression en bars, par exemple 6,5");
    EXPECT_FALSE(control<QPushButton>(QStringLiteral("showCalculationButton"))->isEnabled());
    answer({worst, std::to_string(expected.worstNozzleLoss + 0.05f)});
    EXPECT_EQ(mark(Question::worstNozzle), QStringLiteral("Juste"));
    EXPECT_EQ(mark(Question::worstNozzleLoss), QStringLiteral("Juste"));
    click(practiceControls::showCalculation);
    ASSERT_EQ(screenName(), "Calculs");

    click("Command1");
    ASSERT_EQ(screenName(), "QuestionBC");
    answer({std::to_string(expected.feedLoss), "2", std::string(expected.pumpSufficient ? relayNeededAnswer : pumpSufficesAnswer)});
    EXPECT_TRUE(mark(Question::pumpPressure).startsWith(QStringLiteral("Faux : la valeur attendue est ")));
    click(practiceControls::showCalculation);
    ASSERT_EQ(screenName(), "Calculs2");
    click("Command1");
    ASSERT_EQ(screenName(), "Bilan");
    EXPECT_TRUE(control<QLabel>(QStringLiteral("scoreLabel"))->text().startsWith(QStringLiteral("Note : 3 / 5")));
    EXPECT_TRUE(messages.shown.empty());

    {
        QSqlDatabase kept = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        kept.setDatabaseName(database());
        ASSERT_TRUE(kept.open());
        QSqlQuery query(QStringLiteral("SELECT source, seconds_taken >= 0, (SELECT SUM(right) FROM answer) FROM attempt"), kept);
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), examplesFile("three_nozzles.json"));
        EXPECT_EQ(query.value(2).toInt(), 3);
        EXPECT_FALSE(query.next());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));

    // The file held one exercise: the next one is drawn.
    click(practiceControls::nextExercise);
    ASSERT_EQ(screenName(), "Form2");
    EXPECT_GE(control<QComboBox>(QStringLiteral("Combo1"))->currentIndex(), 0);
}

TEST_F(PracticeTest, AFileThatCannotBePractisedIsRefusedWithItsReason)
{
    const QString refused = folder.filePath(QStringLiteral("refusé.tavelle"));
    ASSERT_TRUE(writeTestFile(refused, R"([{"pumpRating": "1000/15"}])"));
    const QString malformed = folder.filePath(QStringLiteral("mal formé.tavelle"));
    ASSERT_TRUE(writeTestFile(malformed, R"([{"pumpRating" "1000/15"}])"));
    const struct {
        QString file;
        const char* reason;
    } cases[] = {
        {folder.filePath(QStringLiteral("absent.tavelle")), "impossible de lire"},
        {folder.filePath(QStringLiteral("absent.tavelle")), " : fichier ou dossier introuvable"},
        {malformed, "exercice 1 : JSON mal formé à la ligne 1, colonne 16 : ':' est attendu après une clé, trouvé '\"'"},
        {folder.path(), "ce n'est pas un fichier ordinaire"},
        {refused, "l'exercice 1 est refusé : Affectation du diamètre du tuyau obligatoire !!!"},
    };
    for (const auto& c : cases) {
        const PracticeFile file = readPracticeFile(c.file);
        ASSERT_TRUE(file.refusal.has_value()) << c.file.toStdString();
        EXPECT_TRUE(file.refusal->contains(c.file)) << file.refusal->toStdString();
        EXPECT_TRUE(file.refusal->contains(QString::fromUtf8(c.reason))) << file.refusal->toStdString();
        EXPECT_TRUE(file.exercises.empty());
    }
}

}  // namespace
}  // namespace tavelle::testing
