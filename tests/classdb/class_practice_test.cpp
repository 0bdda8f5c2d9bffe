#include "classdb/class_server.h"
#include "core/practice/answer_marking.h"
#include "core/practice/practice_questions.h"
#include "core/progress/attempt_id.h"
#include "core/progress/class_database_texts.h"
#include "core/trade/values_to_find.h"
#include "platform/account_name.h"
#include "screens/question_screen.h"
#include "screens/trainee_screen.h"
#include "shell/command_line.h"
#include "shell/navigator.h"
#include "shell/practice.h"
#include "shell/practice_start.h"
#include "shell/progress_module.h"
#include "shell/sqlite_progress_store.h"
#include "shell/trainee_setting.h"
#include "tests/support/event_loop_latency.h"
#include "tests/support/fake_shell.h"
#include "tests/support/private_postgres.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace tavelle::testing {
namespace {

using namespace std::chrono_literals;

PracticeAttempt anAttempt()
{
    PracticeAttempt attempt;
    attempt.id = newAttemptId();
    attempt.surname = "Durand";
    attempt.givenName = "Élise";
    attempt.group = "Groupe B";
    attempt.finishedAt = 1'796'725'862;
    attempt.exercise = R"({"pumpRating":"1000/15"})";
    attempt.answers = {"Lance 2", "6,5", "1", "8,6", "La pompe suffit"};
    attempt.right = {true, true, false, true, true};
    return attempt;
}

// A private cluster with a database prepared as the administrator would, a trainee and an instructor.
class ClassPracticeTest : public ::testing::Test {
protected:
    ClassPracticeTest()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    }
    ~ClassPracticeTest() override
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }
    void SetUp() override
    {
        ASSERT_TRUE(cluster.failure().isEmpty()) << cluster.failure().toStdString();
        database = cluster.createDatabase();
        int from = 0;
        int to = 0;
        ASSERT_FALSE(ClassServer(cluster.connection(database)).prepare(from, to));
        ASSERT_TRUE(
            cluster.createLogin(QStringLiteral("durand"), QStringLiteral("mdp"), QStringLiteral("tavelle_stagiaire")));
        ASSERT_TRUE(cluster.createLogin(QStringLiteral("formateur"), QStringLiteral("mdp"),
                                        QStringLiteral("tavelle_formateur")));
    }

    QString trainee(const QString& password = QStringLiteral("mdp")) const
    {
        return cluster.connection(database, QStringLiteral("durand"), password);
    }
    int rowsOf(const std::string& id) const
    {
        QString count;
        cluster.sql(database,
                    QStringLiteral("SELECT count(*) FROM attempt WHERE id = '%1'").arg(QString::fromStdString(id)),
                    &count);
        return count.toInt();
    }
    // One run of the progress worker on `file`: keeps `attempts`, sends what is unsent, and gives the
    // sending's outcome.
    static ProgressWorker::SendOutcome run(const QString& file, const QString& connection,
                                           const std::vector<PracticeAttempt>& attempts = {})
    {
        std::optional<ProgressWorker::SendOutcome> outcome;
        ProgressWorker worker([file] { return std::make_unique<SqliteProgressStore>(file); }, 30s,
                              [connection] { return std::make_unique<ClassServer>(connection); });
        worker.onSent([&](ProgressWorker::SendOutcome sent) { outcome = std::move(sent); });
        for (const PracticeAttempt& attempt : attempts) worker.keep(attempt, [](ProgressWorker::KeepOutcome) {});
        worker.send();
        EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 30'000));
        return outcome.value_or(ProgressWorker::SendOutcome{-1, {}});
    }

    QTemporaryDir home;
    PrivatePostgres cluster;
    QString database;
};

// Whatever keeps the server from taking an attempt, the attempt waits here with its fault (one French
// sentence each, worded by the core), and goes once when the server answers again, at the next start:
// started twice, it is still one row.
TEST_F(ClassPracticeTest, AnAttemptTheServerCannotTakeWaitsAndGoesOnceItCan)
{
    struct Case {
        const char* name;
        std::function<QString()> spoil;  // gives the connection to try first
        ServerFault fault;
        std::function<void()> mend;
    } const cases[] = {
        {"server down",
         [&] {
             cluster.stop();
             return trainee();
         },
         ServerFault::unreachable, [&] { cluster.start(); }},
        {"wrong password", [&] { return trainee(QStringLiteral("faux")); }, ServerFault::authenticationFailed, [] {}},
        {"unknown database",
         [&] {
             return cluster.connection(QStringLiteral("nulle_part"), QStringLiteral("durand"), QStringLiteral("mdp"));
         },
         ServerFault::unknownDatabase, [] {}},
        {"newer schema",
         [&] {
             cluster.sql(database, QStringLiteral("INSERT INTO tavelle_schema (version) VALUES (99)"));
             return trainee();
         },
         ServerFault::newerSchema,
         [&] { cluster.sql(database, QStringLiteral("DELETE FROM tavelle_schema WHERE version = 99")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir machine;
        const QString file = machine.filePath(QStringLiteral("progression.sqlite"));
        const PracticeAttempt attempt = anAttempt();
        const QString connection = c.spoil();
        const ProgressWorker::SendOutcome refused = run(file, connection, {attempt});
        EXPECT_EQ(refused.waiting, 1);
        ASSERT_TRUE(refused.failure);
        EXPECT_EQ(refused.failure->fault, c.fault) << refused.failure->detail.toStdString();
        c.mend();
        EXPECT_EQ(rowsOf(attempt.id), 0);
        for (int start = 0; start < 2; ++start) {
            const ProgressWorker::SendOutcome sent = run(file, trainee());
            EXPECT_EQ(sent.waiting, 0);
            EXPECT_FALSE(sent.failure);
            EXPECT_EQ(rowsOf(attempt.id), 1);
        }
    }
}

// The server hangs with its connection open (stopped, the kernel still acknowledging): the attempts
// finished meanwhile are kept here at once, the worker ends within its bound, and each attempt reaches
// the server once when it comes back, at the next try.
TEST_F(ClassPracticeTest, AHungServerHoldsNoKeepAndGetsEachAttemptOnce)
{
    QTemporaryDir machine;
    const QString file = machine.filePath(QStringLiteral("progression.sqlite"));
    const PracticeAttempt attempts[] = {anAttempt(), anAttempt(), anAttempt()};
    std::vector<ProgressWorker::SendOutcome> tries;
    int kept = 0;
    {
        ProgressWorker worker([file] { return std::make_unique<SqliteProgressStore>(file); }, 30s,
                              [connection = trainee()] { return std::make_unique<ClassServer>(connection, 3s); });
        worker.onSent([&tries](ProgressWorker::SendOutcome outcome) { tries.push_back(std::move(outcome)); });
        const auto finish = [&](const PracticeAttempt& attempt) {
            worker.keep(attempt, [&kept](ProgressWorker::KeepOutcome outcome) { kept += outcome.fault ? 0 : 1; });
            worker.send();
        };
        finish(attempts[0]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !tries.empty(); }, 30'000));
        ASSERT_EQ(tries.back().waiting, 0);
        ASSERT_TRUE(cluster.signalServer(SIGSTOP));
        finish(attempts[1]);
        finish(attempts[2]);
        const bool allKept = QTest::qWaitFor([&] { return kept == 3; }, 30'000);
        const std::size_t triesWhenKept = tries.size();
        const bool ended = worker.finish(worker.finishBound());
        cluster.signalServer(SIGCONT);
        EXPECT_TRUE(allKept);
        EXPECT_EQ(triesWhenKept, 1u) << "the keeps waited for the hung send";
        EXPECT_TRUE(ended);
    }
    EXPECT_EQ(rowsOf(attempts[1].id) + rowsOf(attempts[2].id), 0);
    const ProgressWorker::SendOutcome resumed = run(file, trainee());
    EXPECT_EQ(resumed.waiting, 0);
    EXPECT_FALSE(resumed.failure);
    for (const PracticeAttempt& attempt : attempts) EXPECT_EQ(rowsOf(attempt.id), 1);
}

// What waits here goes at a plain start too, once the home window shows; until then the export of the
// class database says how many attempts it lacks.
TEST_F(ClassPracticeTest, APlainStartSendsWhatWaits)
{
    const PracticeAttempt attempt = anAttempt();
    ASSERT_FALSE(SqliteProgressStore(progressDatabaseFile()).keep(attempt));
    const auto exportedWaiting = [this] {
        QProcess exporter;
        exporter.start(QStringLiteral(TAVELLE_PROGRAM),
                       {QStringLiteral("--base"), trainee(), QStringLiteral("--progression"), QStringLiteral("-")});
        EXPECT_TRUE(exporter.waitForFinished(30'000));
        EXPECT_EQ(exporter.exitCode(), 0);
        return QString::fromUtf8(exporter.readAllStandardError()).trimmed();
    };
    EXPECT_EQ(exportedWaiting(), QString::fromStdString("tavelle: " + attemptsWaitingText(1)));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAVELLE_PROGRAM), {QStringLiteral("--base"), trainee()});
    EXPECT_TRUE(QTest::qWaitFor([&] { return rowsOf(attempt.id) == 1; }, 30'000));
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(30'000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(exportedWaiting(), QString());
}

// Practice over the real navigator and windows, from the command line as a lab's login script types it.
class ClassWalkTest : public ClassPracticeTest {
protected:
    void start(const QStringList& arguments)
    {
        QList<QByteArray> encoded{QByteArrayLiteral("tavelle")};
        for (const QString& argument : arguments) encoded << argument.toUtf8();
        std::vector<char*> argv;
        for (QByteArray& argument : encoded) argv.push_back(argument.data());
        Launch launch;
        ASSERT_FALSE(answerCommandLine(static_cast<int>(argv.size()), argv.data(), launch));
        practice = startPractice(launch, messages);
        ASSERT_TRUE(practice);
        navigator.start(*practice);
        flushClosedScreens();
    }
    void click(const char* button)
    {
        auto* push = navigator.currentScreen()->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(push, nullptr) << button;
        push->click();
        flushClosedScreens();
    }
    void answer(const std::vector<std::string>& answers)
    {
        auto* window = qobject_cast<QuestionScreen*>(navigator.currentScreen());
        ASSERT_NE(window, nullptr);
        for (std::size_t i = 0; i < answers.size(); ++i) {
            const QString name = QString::fromLatin1(questionKey(window->questions()[i]).data());
            if (auto* list = window->findChild<QComboBox*>(name))
                list->setCurrentIndex(list->findText(QString::fromStdString(answers[i])));
            else
                window->findChild<QLineEdit*>(name)->setText(QString::fromStdString(answers[i]));
        }
        click(practiceControls::check.data());
    }
    // The example's one exercise, answered, to its summary.
    void practise()
    {
        for (int screen = 0; screen < 6; ++screen) click("Command1");
        const ExpectedAnswers expected = expectedAnswers(navigator.record());
        answer({nozzleAnswer(expected.worstNozzle), "1"});
        click(practiceControls::showCalculation.data());
        click("Command1");
        answer({"1", "1", std::string(pumpSufficesAnswer)});
        click(practiceControls::showCalculation.data());
        click("Command1");
        ASSERT_EQ(navigator.currentScreen()->objectName(), QStringLiteral("Bilan"));
    }
    bool sendingStands(int waiting) const
    {
        return practice->keeping().state == KeepState::kept && practice->sending() &&
               practice->sending()->waiting == waiting;
    }
    QString keepingLine() const
    {
        return navigator.currentScreen()->findChild<QLabel*>(QStringLiteral("keepingLabel"))->text();
    }

    RecordingMessageBoxes messages;
    RecordingPrinter printer;
    Navigator navigator{messages, printer, ",", [] {}};
    std::unique_ptr<Practice> practice;
};

const QString example = QStringLiteral(TAVELLE_EXAMPLES_DIR "/three_nozzles.json");

// The trainee named on the command line practises; the attempt reaches the server with the name, and the
// instructor's export finds it there.
TEST_F(ClassWalkTest, ANamedAttemptReachesTheServerAndTheInstructorsExport)
{
    start(
        {QStringLiteral("--stagiaire"), QStringLiteral("Durand Élise"), QStringLiteral("--base"), trainee(), example});
    practise();
    ASSERT_TRUE(QTest::qWaitFor([this] { return sendingStands(0); }, 30'000));
    EXPECT_FALSE(practice->sending()->failure);
    EXPECT_EQ(keepingLine(), QStringLiteral("Résultat enregistré."));
    EXPECT_TRUE(messages.shown.empty());

    QProcess exporter;
    exporter.start(QStringLiteral(TAVELLE_PROGRAM),
                   {QStringLiteral("--base"),
                    cluster.connection(database, QStringLiteral("formateur"), QStringLiteral("mdp")),
                    QStringLiteral("--progression"), QStringLiteral("-")});
    ASSERT_TRUE(exporter.waitForFinished(30'000));
    EXPECT_EQ(exporter.exitCode(), 0) << exporter.readAllStandardError().toStdString();
    const QList<QByteArray> rows = exporter.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[1].contains(",Durand,Élise,,")) << rows[1].toStdString();

    // The summary names another trainee for the next attempts, and the settings keep them.
    QTimer::singleShot(0, [] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        window->findChild<QLineEdit*>(QStringLiteral("surname"))->setText(QStringLiteral("Martin"));
        window->findChild<QLineEdit*>(QStringLiteral("group"))->setText(QStringLiteral("Groupe C"));
        QMetaObject::invokeMethod(window, "accept");
    });
    click(practiceControls::changeTrainee.data());
    EXPECT_EQ(navigator.currentScreen()->objectName(), QStringLiteral("Bilan"));
    const std::optional<Trainee> kept = keptTrainee();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->surname + "/" + kept->givenName + "/" + kept->group, "Martin/Élise/Groupe C");
}

// The first practice without a name asks it, offered from the account, and keeps it; the next does not ask.
TEST_F(ClassWalkTest, TheFirstPracticeAsksWhoPractisesAndKeepsIt)
{
    bool asked = false;
    const auto answerTheWindow = [&asked](const char* surname) {
        QTimer::singleShot(0, [&asked, surname] {
            auto* window = qobject_cast<TraineeScreen*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            asked = true;
            EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("surname"))->text().toStdString(),
                      offeredTrainee(accountFullName()).surname);
            window->findChild<QLineEdit*>(QStringLiteral("surname"))->setText(QString::fromUtf8(surname));
            window->findChild<QLineEdit*>(QStringLiteral("givenName"))->setText(QStringLiteral("Élise"));
            window->accept();
        });
    };
    answerTheWindow("Durand");
    start({example});
    EXPECT_TRUE(asked);
    ASSERT_TRUE(keptTrainee());
    EXPECT_EQ(keptTrainee()->surname, "Durand");
    practice.reset();
    asked = false;
    QTimer notAsked;
    QObject::connect(&notAsked, &QTimer::timeout, [&asked] {
        if (auto* window = qobject_cast<TraineeScreen*>(QApplication::activeModalWidget())) {
            asked = true;
            window->reject();
        }
    });
    notAsked.start(10);
    start({example});
    QTest::qWait(50);
    EXPECT_FALSE(asked);
}

// The server paused while the attempt is finished: the window answers all along, the summary says the
// attempt waits, and it goes when the server wakes.
TEST_F(ClassWalkTest, APausedServerNeverHoldsTheWindow)
{
    start(
        {QStringLiteral("--stagiaire"), QStringLiteral("Durand Élise"), QStringLiteral("--base"), trainee(), example});
    ASSERT_EQ(::kill(cluster.serverProcess(), SIGSTOP), 0);
    EventLoopLatency latency;
    practise();
    const bool waited = QTest::qWaitFor([this] { return sendingStands(1); }, 30'000);
    ::kill(cluster.serverProcess(), SIGCONT);
    ASSERT_TRUE(waited);
    EXPECT_EQ(practice->sending()->failure->fault, ServerFault::unreachable);
    EXPECT_TRUE(keepingLine().startsWith(QString::fromStdString("Résultat enregistré. " + attemptsWaitingText(1))))
        << keepingLine().toStdString();
    latency.stop();
    EXPECT_EQ(latency.lateTicks(), 0) << latency.ticks() << " ticks";
    EXPECT_GT(latency.ticks(), 100);
    // The next start sends it.
    practice.reset();
    start(
        {QStringLiteral("--stagiaire"), QStringLiteral("Durand Élise"), QStringLiteral("--base"), trainee(), example});
    EXPECT_TRUE(QTest::qWaitFor([this] { return practice->sending() && practice->sending()->waiting == 0; }, 30'000));
    EXPECT_EQ(SqliteProgressStore(progressDatabaseFile()).read(10).recent.size(), 1u);
    QString rows;
    cluster.sql(database, QStringLiteral("SELECT count(*) FROM attempt"), &rows);
    EXPECT_EQ(rows.toInt(), 1);
}

}  // namespace
}  // namespace tavelle::testing
