#include "core/practice/answer_marking.h"
#include "core/practice/practice_questions.h"
#include "core/screens/result_labels.h"
#include "core/trade/values_to_find.h"
#include "screens/question_screen.h"
#include "shell/navigator.h"
#include "shell/practice.h"
#include "shell/practice_file.h"
#include "shell/progress_module.h"
#include "shell/sqlite_progress_store.h"
#include "tests/support/event_loop_latency.h"
#include "tests/support/fake_shell.h"
#include "tests/support/test_files.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tavelle::testing {
namespace {

// WCAG's contrast ratio of two colours, from 1 to 21.
double contrast(const QColor& one, const QColor& other)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QString examplesFile(const char* name)
{
    return QStringLiteral(TAVELLE_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

// A practice session over the real navigator and windows, keeping its progress in a private folder.
class PracticeTest : public ::testing::Test {
protected:
    // The progress goes where the application keeps it, under a private data folder.
    PracticeTest() { qputenv("XDG_DATA_HOME", QFile::encodeName(folder.path())); }
    ~PracticeTest() override { qunsetenv("XDG_DATA_HOME"); }

    void start(const QString& exercises)
    {
        PracticeFile file = readPracticeFile(exercises);
        ASSERT_FALSE(file.refusal) << file.refusal->toStdString();
        practice = std::make_unique<Practice>(
            PracticeExercises(std::move(file.exercises), exercises), messages,
            [] { return std::make_unique<SqliteProgressStore>(progressDatabaseFile()); }, ",");
        navigator.start(*practice);
        flushClosedScreens();
    }

    QString database() const { return progressDatabaseFile(); }
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
    // Tabs to the control, then presses Enter on it, as the keyboard alone would.
    void pressByKeyboard(const QString& name)
    {
        for (int tabs = 0; tabs < 30 && focused()->objectName() != name; ++tabs)
            QTest::keyClick(focused(), Qt::Key_Tab);
        ASSERT_EQ(focused()->objectName(), name) << " on " << screenName();
        QTest::keyClick(focused(), Qt::Key_Return);
        flushClosedScreens();
    }
    QWidget* focused() const
    {
        QWidget* widget = navigator.currentScreen()->focusWidget();
        return widget ? widget : navigator.currentScreen();
    }
    void waitForKeeping()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return practice->keeping().state != KeepState::keeping; }, 30'000));
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

// The trainee walks the example by keyboard alone to the summary; the instructor's export, another
// process in the same environment, finds that attempt.
TEST_F(PracticeTest, AKeyboardWalkIsKeptAndExportedByAnotherProcess)
{
    start(examplesFile("three_nozzles.json"));
    for (const char* entry : {"Form2", "Lance1", "Lance2", "Lance3", "Don", "Dessin"}) {
        ASSERT_EQ(screenName(), entry);
        pressByKeyboard(QStringLiteral("Command1"));
    }
    ASSERT_EQ(screenName(), "QuestionAB");
    const ExpectedAnswers expected = expectedAnswers(navigator.record());
    // Down from no choice picks the first nozzle, and so on.
    auto* nozzles = control<QComboBox>(QStringLiteral("worstNozzle"));
    nozzles->setFocus();
    for (int down = 0; down < expected.worstNozzle; ++down) QTest::keyClick(nozzles, Qt::Key_Down);
    auto* loss = control<QLineEdit>(QStringLiteral("worstNozzleLoss"));
    loss->setFocus();
    QTest::keyClicks(loss,
                     QString::number(expected.worstNozzleLoss, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')) +
                         QStringLiteral("\u00a0bars"));
    QTest::keyClick(loss, Qt::Key_Return);
    EXPECT_EQ(mark(Question::worstNozzle), QStringLiteral("Juste"));
    EXPECT_EQ(mark(Question::worstNozzleLoss), QStringLiteral("Juste"));
    pressByKeyboard(QStringLiteral("showCalculationButton"));
    ASSERT_EQ(screenName(), "Calculs");
    pressByKeyboard(QStringLiteral("Command1"));
    ASSERT_EQ(screenName(), "QuestionBC");
    auto* verdict = control<QComboBox>(QStringLiteral("pumpVerdict"));
    for (int down = 0; down < (expected.pumpSufficient ? 1 : 2); ++down) QTest::keyClick(verdict, Qt::Key_Down);
    QTest::keyClicks(control<QLineEdit>(QStringLiteral("feedLoss")), QStringLiteral("1"));
    auto* pump = control<QLineEdit>(QStringLiteral("pumpPressure"));
    pump->setFocus();
    QTest::keyClicks(pump, QStringLiteral("2"));
    QTest::keyClick(pump, Qt::Key_Return);
    EXPECT_TRUE(mark(Question::pumpPressure).startsWith(QStringLiteral("Faux : la valeur attendue est ")));
    pressByKeyboard(QStringLiteral("showCalculationButton"));
    ASSERT_EQ(screenName(), "Calculs2");
    pressByKeyboard(QStringLiteral("Command1"));
    ASSERT_EQ(screenName(), "Bilan");
    waitForKeeping();
    EXPECT_EQ(control<QLabel>(QStringLiteral("keepingLabel"))->text(), QStringLiteral("Résultat enregistré."));
    EXPECT_TRUE(messages.shown.empty());

    QProcess exporter;
    exporter.start(QStringLiteral(TAVELLE_PROGRAM), {QStringLiteral("--progression"), QStringLiteral("-")});
    ASSERT_TRUE(exporter.waitForFinished(30'000));
    EXPECT_EQ(exporter.exitCode(), 0) << exporter.readAllStandardError().toStdString();
    const QList<QByteArray> rows = exporter.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[1].contains(QFile::encodeName(examplesFile("three_nozzles.json")))) << rows[1].toStdString();
    const int score = 3 + (pressureIsRight(1, expected.feedLoss) ? 1 : 0);
    EXPECT_TRUE(rows[1].contains(QByteArray(QByteArray(",") + QByteArray::number(score) + ",Lance ")))
        << rows[1].toStdString();

    // The file held one exercise: the next one is drawn.
    click(practiceControls::nextExercise);
    ASSERT_EQ(screenName(), "Form2");
    EXPECT_GE(control<QComboBox>(QStringLiteral("Combo1"))->currentIndex(), 0);
}

// --progression makes nothing where nothing was kept, and says so, with a status a script sees, when the
// file it was to read was damaged and set aside.
TEST_F(PracticeTest, TheExportSaysWhatBecameOfTheFile)
{
    struct Case {
        const char* name;
        QByteArray kept;  // empty: no file
        int status;
        const char* said;
    };
    for (const Case& c : {Case{"NothingKept", {}, 0, ""},
                          Case{"Damaged", QByteArray("SQLite format 3") + QByteArray(4000, '\x5a'), 1,
                               "était endommagé : il a été mis de côté sous le nom progression.sqlite.endommagé-"}}) {
        SCOPED_TRACE(c.name);
        if (!c.kept.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(database()).path()));
            ASSERT_TRUE(writeTestFile(database(), c.kept));
        }
        QProcess exporter;
        exporter.start(QStringLiteral(TAVELLE_PROGRAM), {QStringLiteral("--progression"), QStringLiteral("-")});
        ASSERT_TRUE(exporter.waitForFinished(30'000));
        const std::string said = exporter.readAllStandardError().toStdString();
        EXPECT_EQ(exporter.exitCode(), c.status) << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_EQ(exporter.readAllStandardOutput().trimmed().count('\n'), 0);
        EXPECT_EQ(QFileInfo::exists(QFileInfo(database()).path()), !c.kept.isEmpty());
    }
}

// A window left incomplete names what to complete and shows no expected value; once marked, back and
// forth opens it again as it was, its answers read-only and its first marks kept.
TEST_F(PracticeTest, ACheatingAttemptSeesNoValueAndKeepsItsFirstMark)
{
    start(examplesFile("three_nozzles.json"));
    for (int screen = 0; screen < 6; ++screen) click("Command1");
    ASSERT_EQ(screenName(), "QuestionAB");
    const ExpectedAnswers expected = expectedAnswers(navigator.record());
    answer({"", "5"});
    EXPECT_EQ(mark(Question::worstNozzle), QStringLiteral("Choisissez une réponse dans la liste"));
    EXPECT_EQ(mark(Question::worstNozzleLoss), QString());
    EXPECT_FALSE(control<QPushButton>(QStringLiteral("showCalculationButton"))->isEnabled());
    answer({nozzleAnswer(expected.worstNozzle), "5"});
    const QString wrong = mark(Question::worstNozzleLoss);
    EXPECT_TRUE(wrong.startsWith(QStringLiteral("Faux : la valeur attendue est "))) << wrong.toStdString();

    for (const char* step : {"backButton", "Command1"}) click(step);
    ASSERT_EQ(screenName(), "QuestionAB");
    auto* loss = control<QLineEdit>(QStringLiteral("worstNozzleLoss"));
    EXPECT_EQ(loss->text(), QStringLiteral("5"));
    EXPECT_TRUE(loss->isReadOnly());
    EXPECT_EQ(mark(Question::worstNozzleLoss), wrong);
    EXPECT_FALSE(control<QPushButton>(QStringLiteral("checkButton"))->isEnabled());
    loss->setFocus();
    QTest::keyClicks(loss, QStringLiteral("6"));
    QTest::keyClick(loss, Qt::Key_Return);
    EXPECT_EQ(loss->text(), QStringLiteral("5"));
    EXPECT_EQ(mark(Question::worstNozzleLoss), wrong);
}

// Each mark is told with its answer: it is the field's description, which a screen reader reads with the
// field and is told of when it changes.
TEST_F(PracticeTest, EachMarkIsToldWithItsAnswer)
{
    start(examplesFile("three_nozzles.json"));
    for (int screen = 0; screen < 6; ++screen) click("Command1");
    ASSERT_EQ(screenName(), "QuestionAB");
    const ExpectedAnswers expected = expectedAnswers(navigator.record());
    const std::vector<std::vector<std::string>> steps{{"", "cinq"}, {nozzleAnswer(expected.worstNozzle % 3 + 1), "6"}};
    for (const std::vector<std::string>& step : steps) {
        answer(step);
        for (Question question : {Question::worstNozzle, Question::worstNozzleLoss}) {
            const QString key = QString::fromLatin1(questionKey(question).data());
            EXPECT_EQ(control<QWidget>(key)->accessibleDescription(), mark(question)) << key.toStdString();
        }
    }
    EXPECT_TRUE(mark(Question::worstNozzle).startsWith(QStringLiteral("Faux")));
}

// In practice the entry screens show the set exercise and cannot change it, yet it reads as easily as lists
// that can (WCAG's 4.5:1 at least); each window of the exercise opens with the focus on the way on.
TEST_F(PracticeTest, TheSetExerciseCannotBeChanged)
{
    start(examplesFile("three_nozzles.json"));
    qsizetype tried = 0;
    for (const char* entry : {"Form2", "Lance1", "Lance2", "Lance3", "Don"}) {
        ASSERT_EQ(screenName(), entry);
        const QList<QComboBox*> lists = navigator.currentScreen()->findChildren<QComboBox*>();
        tried += lists.size();
        for (QComboBox* list : lists) {
            const QString shown = list->currentText();
            QTest::keyClick(list, Qt::Key_Up);
            QTest::keyClick(list, Qt::Key_Down);
            EXPECT_EQ(list->currentText(), shown) << entry << ' ' << list->objectName().toStdString();
            EXPECT_FALSE(list->isEnabled());
            const QPalette& colours = list->palette();
            EXPECT_GE(contrast(colours.color(QPalette::Disabled, QPalette::ButtonText),
                               colours.color(QPalette::Disabled, QPalette::Button)),
                      4.5)
                << entry << ' ' << list->objectName().toStdString();
        }
        EXPECT_EQ(focused()->objectName(), QStringLiteral("Command1")) << entry;
        click("Command1");
    }
    EXPECT_EQ(screenName(), "Dessin");
    EXPECT_EQ(focused()->objectName(), QStringLiteral("Command1"));
    EXPECT_GE(tried, 10);
}

// Another program holds the database for ten seconds: the window answers all along, and the attempt is
// kept once the lock goes.
TEST_F(PracticeTest, ALockedDatabaseNeverHoldsTheWindow)
{
    {
        SqliteProgressStore earlier(database());
        ASSERT_FALSE(earlier.keep(PracticeAttempt{}));
    }
    const QString holder = QStringLiteral("holder");
    {
        QSqlDatabase held = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holder);
        held.setDatabaseName(database());
        ASSERT_TRUE(held.open());
        ASSERT_TRUE(QSqlQuery(held).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    start(examplesFile("three_nozzles.json"));
    for (int screen = 0; screen < 6; ++screen) click("Command1");
    const ExpectedAnswers expected = expectedAnswers(navigator.record());
    answer({nozzleAnswer(expected.worstNozzle), "1"});
    click(practiceControls::showCalculation);
    click("Command1");

    EventLoopLatency latency;
    answer({"1", "1", std::string(pumpSufficesAnswer)});
    click(practiceControls::showCalculation);
    click("Command1");
    ASSERT_EQ(screenName(), "Bilan");
    EXPECT_EQ(control<QLabel>(QStringLiteral("keepingLabel"))->text().toStdString(), practiceTexts::keepingAttempt);
    QTest::qWait(10'000);
    EXPECT_EQ(practice->keeping().state, KeepState::keeping);
    QSqlDatabase::database(holder).rollback();
    QSqlDatabase::removeDatabase(holder);
    waitForKeeping();
    latency.stop();
    EXPECT_EQ(latency.lateTicks(), 0) << latency.ticks() << " ticks";
    EXPECT_GT(latency.ticks(), 300);
    EXPECT_EQ(practice->keeping().state, KeepState::kept);
    EXPECT_EQ(SqliteProgressStore(database()).read(10).recent.size(), 2u);
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
        {malformed,
         "exercice 1 : JSON mal formé à la ligne 1, colonne 16 : ':' est attendu après une clé, trouvé '\"'"},
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
