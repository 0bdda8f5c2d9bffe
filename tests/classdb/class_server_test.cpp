#include "classdb/class_server.h"
#include "classdb/connection_string.h"
#include "core/progress/attempt_id.h"
#include "core/progress/class_database_texts.h"
#include "core/progress/progress_csv.h"
#include "format/attempt_marks.h"
#include "format/json_writer.h"
#include "format/random_exercises.h"
#include "tests/support/private_postgres.h"

#include <QProcess>
#include <QUrl>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>

namespace tavelle::testing {
namespace {

PracticeAttempt anAttempt(const std::string& surname, const std::string& group, std::int64_t finishedAt)
{
    PracticeAttempt attempt;
    attempt.id = newAttemptId();
    attempt.surname = surname;
    attempt.givenName = "Élise";
    attempt.group = group;
    attempt.finishedAt = finishedAt;
    attempt.exercise = R"({"pumpRating":"1000/15","note":"a \"quoted\", text"})";
    attempt.seed = 18'446'744'073'709'551'615u;
    attempt.answers = {"Lance 2", "6,5", "1", "8,6", "La pompe suffit"};
    attempt.right = {true, true, false, true, true};
    attempt.secondsTaken = 185;
    return attempt;
}

// The export as its file would hold it.
std::variant<std::string, ServerFailure> exported(ClassServer& server, const std::optional<QString>& group)
{
    std::string csv;
    const std::optional<ServerFailure> failure = server.writeProgressCsv(group, [&](const std::string& text) {
        csv += text;
        return true;
    });
    if (failure) return *failure;
    return csv;
}

// The row an export writes: the attempt marked again from its exercise.
std::string exportedRow(PracticeAttempt attempt)
{
    AttemptMarker()(attempt);
    return progressCsvRow(attempt);
}

// One private cluster for the whole run; each test its own database in it, prepared as the administrator
// would, with two trainees and an instructor.
class ClassServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cluster = std::make_unique<PrivatePostgres>(); }
    static void TearDownTestSuite() { cluster.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(cluster->failure().isEmpty()) << cluster->failure().toStdString();
        database = cluster->createDatabase();
        ASSERT_FALSE(database.isEmpty());
        int from = -1;
        int to = -1;
        ClassServer administrator(cluster->connection(database));
        const auto failure = administrator.prepare(from, to);
        ASSERT_FALSE(failure) << failure->detail.toStdString();
        ASSERT_EQ(from, 0);
        ASSERT_EQ(to, ClassServer::schemaVersion());
        // Accounts are the cluster's, not the database's: named after the database.
        for (const QString& trainee : {QStringLiteral("a"), QStringLiteral("b")})
            ASSERT_TRUE(
                cluster->createLogin(login(trainee), QStringLiteral("mdp"), QStringLiteral("tavelle_stagiaire")));
        ASSERT_TRUE(cluster->createLogin(login(QStringLiteral("f")), QStringLiteral("mdp"),
                                         QStringLiteral("tavelle_formateur")));
    }

    QString login(const QString& who) const { return database + QStringLiteral("_") + who; }
    QString as(const QString& who, const QString& password = QStringLiteral("mdp")) const
    {
        return cluster->connection(database, login(who), password);
    }
    int rowsAsSuperuser() const
    {
        QString count;
        cluster->sql(database, QStringLiteral("SELECT count(*) FROM attempt"), &count);
        return count.toInt();
    }

    static std::unique_ptr<PrivatePostgres> cluster;
    QString database;
};

std::unique_ptr<PrivatePostgres> ClassServerTest::cluster;

TEST_F(ClassServerTest, TheSameAttemptSentTwiceIsOneRow)
{
    ClassServer trainee(as(QStringLiteral("a")));
    const PracticeAttempt first = anAttempt("Durand", "Groupe B", 1'796'725'862);
    const PracticeAttempt second = anAttempt("Durand", "Groupe B", 1'796'725'900);
    SendReport report = trainee.send({first, second});
    ASSERT_FALSE(report.failure) << report.failure->detail.toStdString();
    EXPECT_EQ(report.added, (std::vector{first.id, second.id}));

    const PracticeAttempt third = anAttempt("Durand", "Groupe B", 1'796'726'000);
    report = trainee.send({second, third});
    ASSERT_FALSE(report.failure);
    EXPECT_EQ(report.added, std::vector{third.id});
    EXPECT_EQ(report.alreadyThere, std::vector{second.id});
    EXPECT_EQ(rowsAsSuperuser(), 3);
}

TEST_F(ClassServerTest, TheInstructorExportsEveryAttemptAsTheLocalFileWould)
{
    PracticeAttempt a = anAttempt("Durand", "Groupe \"B\", matin", 1'796'725'862);
    PracticeAttempt b = anAttempt("Martin", "Groupe C", 1'796'725'800);
    b.seed.reset();
    b.source = "salle 12/série, 3.tavelle";
    ASSERT_FALSE(ClassServer(as(QStringLiteral("a"))).send({a}).failure);
    ASSERT_FALSE(ClassServer(as(QStringLiteral("b"))).send({b}).failure);

    a.account = login(QStringLiteral("a")).toStdString();
    b.account = login(QStringLiteral("b")).toStdString();
    ClassServer instructor(as(QStringLiteral("f")));
    const auto all = exported(instructor, std::nullopt);
    ASSERT_TRUE(std::holds_alternative<std::string>(all));
    EXPECT_EQ(std::get<std::string>(all), progressCsvHeader() + exportedRow(b) + exportedRow(a));
    const auto groupB = exported(instructor, QStringLiteral("Groupe \"B\", matin"));
    ASSERT_TRUE(std::holds_alternative<std::string>(groupB));
    EXPECT_EQ(std::get<std::string>(groupB), progressCsvHeader() + exportedRow(a));
}

TEST_F(ClassServerTest, ATraineeReadsAndAddsOnlyTheirOwn)
{
    ClassServer a(as(QStringLiteral("a")));
    ClassServer b(as(QStringLiteral("b")));
    for (std::int64_t minute = 0; minute < 12; ++minute)
        ASSERT_FALSE(a.send({anAttempt("Durand", "B", 1'796'725'800 + 60 * minute)}).failure);
    PracticeAttempt theirs = anAttempt("Martin", "B", 1'796'800'000);
    ASSERT_FALSE(b.send({theirs}).failure);
    theirs.account = login(QStringLiteral("b")).toStdString();

    // The summary's last ten: the newest first, the trainee's own only.
    const auto recent = a.ownRecentResults(10);
    ASSERT_TRUE((std::holds_alternative<std::vector<PastResult>>(recent)));
    const auto& results = std::get<std::vector<PastResult>>(recent);
    ASSERT_EQ(results.size(), 10u);
    EXPECT_EQ(results.front().finishedAt, 1'796'725'800 + 60 * 11);
    EXPECT_EQ(results.front().score, 4);
    EXPECT_EQ(results.front().secondsTaken, 185);
    const auto own = exported(b, std::nullopt);
    ASSERT_TRUE(std::holds_alternative<std::string>(own));
    EXPECT_EQ(std::get<std::string>(own), progressCsvHeader() + exportedRow(theirs));

    // Straight SQL as a trainee: another's rows stay unseen, and no kept row changes or goes.
    struct Case {
        const char* statement;
        int status;
        const char* output;
    };
    const QString theirId = QString::fromStdString(theirs.id);
    const Case cases[] = {
        {"SELECT count(*) FROM attempt", 0, "12"},
        {"SELECT count(*) FROM attempt WHERE id = '%1'", 0, "0"},
        {"DELETE FROM attempt", 1, "permission denied"},
        {"DELETE FROM attempt WHERE id = '%1'", 1, "permission denied"},
        {"UPDATE attempt SET score = 5", 1, "permission denied"},
        {"TRUNCATE attempt", 1, "permission denied"},
        {"INSERT INTO attempt (id, trainee_login, surname, given_name, trainee_group, finished_at, source, "
         "seconds_taken, score, answers, exercise) VALUES (gen_random_uuid(), 'postgres', 'X', 'Y', '', now(), '', 0, "
         "5, '{}', '{}')",
         1, "permission denied"},
        {"ALTER TABLE attempt DISABLE ROW LEVEL SECURITY", 1, "must be owner"},
        {"UPDATE tavelle_schema SET version = 9", 1, "permission denied"},
    };
    for (const Case& c : cases) {
        QString output;
        const QString statement = QString::fromUtf8(c.statement).replace(QStringLiteral("%1"), theirId);
        EXPECT_EQ(cluster->sql(database, statement, &output, login(QStringLiteral("a")), QStringLiteral("mdp")),
                  c.status)
            << c.statement << ": " << output.toStdString();
        EXPECT_TRUE(output.contains(QString::fromUtf8(c.output))) << c.statement << ": " << output.toStdString();
    }
    EXPECT_EQ(rowsAsSuperuser(), 13);

    QString count;
    cluster->sql(database, QStringLiteral("SELECT count(*) FROM attempt"), &count, login(QStringLiteral("f")),
                 QStringLiteral("mdp"));
    EXPECT_EQ(count, QStringLiteral("13"));
    EXPECT_NE(cluster->sql(database, QStringLiteral("DELETE FROM attempt"), nullptr, login(QStringLiteral("f")),
                           QStringLiteral("mdp")),
              0);
}

// What a hostile trainee tries with their own account: each is refused, or filed under that account.
TEST_F(ClassServerTest, AHostileTraineeIsRefusedOrFiledUnderTheirAccount)
{
    const auto insert = [](const char* surname, const char* finished, const char* seconds, const char* score,
                           const char* exercise) {
        return QStringLiteral(
                   "INSERT INTO attempt (id, surname, given_name, trainee_group, finished_at, source, "
                   "seconds_taken, score, answers, exercise) VALUES ('0f8fad5b-d9cb-469f-a165-70867728950e', "
                   "%1, 'Y', '', %2, '', %3, %4, '{}', %5)")
            .arg(QString::fromUtf8(surname), QString::fromUtf8(finished), QString::fromUtf8(seconds),
                 QString::fromUtf8(score), QString::fromUtf8(exercise));
    };
    struct Case {
        const char* act;
        QString statement;
        int status;
        const char* output;
    };
    const Case cases[] = {
        {"score 32767", insert("'X'", "now()", "0", "32767", "'{}'"), 1, "score_out_of_five"},
        {"score -1", insert("'X'", "now()", "0", "-1", "'{}'"), 1, "score_out_of_five"},
        {"seconds -5", insert("'X'", "now()", "-5", "5", "'{}'"), 1, "seconds_within_a_month"},
        {"finished in 1900", insert("'X'", "'1900-01-01'", "0", "5", "'{}'"), 1, "finished_near_received"},
        {"a 10 MB name", insert("repeat('x', 10000000)", "now()", "0", "5", "'{}'"), 1, "names_bounded"},
        {"a 10 MB exercise", insert("'X'", "now()", "0", "5", "repeat('x', 10000000)"), 1, "texts_bounded"},
        {"a temporary table", QStringLiteral("CREATE TEMPORARY TABLE t (x int)"), 1, "permission denied"},
        {"SET ROLE then insert",
         QStringLiteral("SET ROLE tavelle_stagiaire; ") + insert("'X'", "now()", "0", "5", "'{}'"), 0, ""},
    };
    for (const Case& c : cases) {
        QString output;
        EXPECT_EQ(cluster->sql(database, c.statement, &output, login(QStringLiteral("a")), QStringLiteral("mdp")),
                  c.status)
            << c.act << ": " << output.toStdString();
        EXPECT_TRUE(output.contains(QString::fromUtf8(c.output))) << c.act << ": " << output.toStdString();
    }
    QString filedUnder;
    cluster->sql(database, QStringLiteral("SELECT trainee_login FROM attempt"), &filedUnder);
    EXPECT_EQ(filedUnder, login(QStringLiteral("a")));

    // A classmate's typed name is filed, and exported, under the account that sent it, beside the name that
    // account usually gives.
    PracticeAttempt own = anAttempt("Martin", "B", 1'796'725'000);
    PracticeAttempt forged = anAttempt("Durand", "B", 1'796'725'862);
    ASSERT_FALSE(
        ClassServer(as(QStringLiteral("b"))).send({own, anAttempt("Martin", "B", 1'796'725'100), forged}).failure);
    own.account = forged.account = login(QStringLiteral("b")).toStdString();
    forged.usualName = "Martin Élise";
    ClassServer instructor(as(QStringLiteral("f")));
    const auto all = exported(instructor, std::nullopt);
    ASSERT_TRUE(std::holds_alternative<std::string>(all));
    EXPECT_NE(std::get<std::string>(all).find(exportedRow(own)), std::string::npos);
    EXPECT_NE(std::get<std::string>(all).find(exportedRow(forged)), std::string::npos);
}

// Marks the trainee sends are never the export's: each attempt is marked again from its exercise and answers.
TEST_F(ClassServerTest, AForgedMarkExportsAsItsDataProveIt)
{
    JsonWriter json;
    writeExercise(json, RandomExercises(7).next());
    struct Case {
        const char* act;
        std::string exercise;
        std::string exportedMarks;  // score, then each answer and its flag
        const char* check;
    };
    const Case cases[] = {
        {"5/5 on an empty exercise", "", ",,n/a,,n/a,,n/a,,n/a,,n/a", "unreadable"},
        {"5/5 on a cut exercise", json.text().substr(0, 30), ",,n/a,,n/a,,n/a,,n/a,,n/a", "unreadable"},
        {"5/5 for wrong answers", json.text(), ",0,n/a,0,n/a,0,n/a,0,n/a,0,n/a,0", "corrected"},
    };
    ClassServer trainee(as(QStringLiteral("a")));
    ClassServer instructor(as(QStringLiteral("f")));
    for (const Case& c : cases) {
        PracticeAttempt forged = anAttempt("Durand", "B", 1'796'725'862);
        forged.answers.fill("n/a");
        forged.right.fill(true);
        forged.exercise = c.exercise;
        ASSERT_FALSE(trainee.send({forged}).failure) << c.act;
        const auto all = exported(instructor, std::nullopt);
        ASSERT_TRUE(std::holds_alternative<std::string>(all)) << c.act;
        const std::string& csv = std::get<std::string>(all);
        const std::size_t row = csv.find(forged.id);
        ASSERT_NE(row, std::string::npos) << c.act;
        const std::string line = csv.substr(row, csv.find('\n', row) - row);
        EXPECT_NE(line.find(",185" + c.exportedMarks + ","), std::string::npos) << c.act << ": " << line;
        EXPECT_TRUE(line.ends_with(std::string(",") + c.check + ",")) << c.act << ": " << line;
    }
}

// Each fault: its code, one French sentence, and nothing of the batch kept.
TEST_F(ClassServerTest, EachFaultIsOneFrenchSentenceAndAddsNothing)
{
    ASSERT_EQ(cluster->sql(QStringLiteral("postgres"),
                           QStringLiteral("CREATE DATABASE ") + database + QStringLiteral("_vide")),
              0);
    const QString notPrepared =
        cluster->connection(database + QStringLiteral("_vide"), login(QStringLiteral("a")), QStringLiteral("mdp"));
    struct Case {
        const char* name;
        QString connection;
        std::function<void()> before;
        ServerFault fault;
    };
    const Case cases[] = {
        {"wrong password", as(QStringLiteral("a"), QStringLiteral("Xyzzy9")), [] {}, ServerFault::authenticationFailed},
        {"unknown account", cluster->connection(database, QStringLiteral("personne"), QStringLiteral("mdp")), [] {},
         ServerFault::authenticationFailed},
        {"unknown database",
         cluster->connection(QStringLiteral("nulle_part"), login(QStringLiteral("a")), QStringLiteral("mdp")), [] {},
         ServerFault::unknownDatabase},
        {"no server there", QStringLiteral("host=/nonexistent dbname=x user=y connect_timeout=2"), [] {},
         ServerFault::unreachable},
        {"a database not prepared", notPrepared, [] {}, ServerFault::notPrepared},
        {"a newer schema", as(QStringLiteral("a")),
         [&] { cluster->sql(database, QStringLiteral("INSERT INTO tavelle_schema (version) VALUES (99)")); },
         ServerFault::newerSchema},
    };
    for (const Case& c : cases) {
        c.before();
        ClassServer server(c.connection);
        const SendReport report = server.send({anAttempt("Durand", "B", 1'796'725'862)});
        ASSERT_TRUE(report.failure) << c.name;
        EXPECT_EQ(report.failure->fault, c.fault) << c.name << ": " << report.failure->detail.toStdString();
        EXPECT_TRUE(report.added.empty()) << c.name;
        const QString text = report.failure->text();
        EXPECT_EQ(text.toStdString(), serverFaultText(c.fault, shownServer(serverName(c.connection)),
                                                      report.failure->detail.toStdString()));
        EXPECT_FALSE(text.contains(QStringLiteral("mdp")) || text.contains(QStringLiteral("Xyzzy9"))) << c.name;
        const auto read = server.ownRecentResults(10);
        ASSERT_TRUE(std::holds_alternative<ServerFailure>(read)) << c.name;
        EXPECT_EQ(std::get<ServerFailure>(read).fault, c.fault) << c.name;
    }
    EXPECT_EQ(rowsAsSuperuser(), 0);

    // The administrator's program refuses to touch a newer schema too.
    int from = 0;
    int to = 0;
    const auto refused = ClassServer(cluster->connection(database)).prepare(from, to);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->fault, ServerFault::newerSchema);
}

// A newer schema is written to while every migration beyond this program's says its programs still write.
TEST_F(ClassServerTest, ANewerSchemaThatStillTakesThisProgramsRowsIsWrittenTo)
{
    const auto migration = [&](int version, int oldestWriter) {
        return cluster->sql(database, QStringLiteral("INSERT INTO tavelle_schema (version, oldest_writer) VALUES "
                                                     "(%1, %2)")
                                          .arg(version)
                                          .arg(oldestWriter));
    };
    const int own = ClassServer::schemaVersion();
    ASSERT_EQ(migration(own + 1, own), 0);
    EXPECT_FALSE(ClassServer(as(QStringLiteral("a"))).send({anAttempt("Durand", "B", 1'796'725'862)}).failure);
    ASSERT_EQ(migration(own + 2, own + 2), 0);
    const SendReport refused = ClassServer(as(QStringLiteral("a"))).send({anAttempt("Durand", "B", 1'796'725'900)});
    ASSERT_TRUE(refused.failure);
    EXPECT_EQ(refused.failure->fault, ServerFault::newerSchema);
    EXPECT_EQ(rowsAsSuperuser(), 1);
}

// Past years move to an archive partitioned by year, as README gives it, and sending goes on.
TEST_F(ClassServerTest, APastYearIsArchivedAndSendingGoesOn)
{
    QString output;
    ClassServer trainee(as(QStringLiteral("a")));
    ASSERT_FALSE(trainee.send({anAttempt("Durand", "B", 1'767'225'600 + 86'400)}).failure);  // 2 January 2026
    ASSERT_EQ(cluster->sql(database,
                           QStringLiteral("CREATE TABLE attempt_archive (LIKE attempt INCLUDING DEFAULTS INCLUDING "
                                          "CONSTRAINTS) PARTITION BY RANGE (finished_at); "
                                          "GRANT SELECT ON attempt_archive TO tavelle_formateur; "
                                          "CREATE TABLE attempt_2026 PARTITION OF attempt_archive "
                                          "FOR VALUES FROM ('2026-01-01') TO ('2027-01-01'); BEGIN; "
                                          "INSERT INTO attempt_archive SELECT * FROM attempt WHERE finished_at < "
                                          "'2027-01-01'; DELETE FROM attempt WHERE finished_at < '2027-01-01'; "
                                          "COMMIT;"),
                           &output),
              0)
        << output.toStdString();
    EXPECT_FALSE(trainee.send({anAttempt("Durand", "B", 1'796'725'862)}).failure);
    cluster->sql(database, QStringLiteral("SELECT count(*) FROM attempt_2026"), &output);
    EXPECT_EQ(output, QStringLiteral("1"));
    EXPECT_EQ(rowsAsSuperuser(), 1);
}

// Whatever form the connection takes, a message names the server by host, database and user, never by its
// password; a URI connects as libpq reads it.
TEST_F(ClassServerTest, NoMessageShowsThePasswordWhateverTheConnectionsForm)
{
    const QString host = cluster->connection(database).section(QLatin1Char(' '), 0, 0).mid(5);
    const QString user = login(QStringLiteral("a"));
    const QString uri =
        QStringLiteral("postgresql://%1:%2@/%3?host=%4")
            .arg(user, QStringLiteral("%1"), database, QString::fromUtf8(QUrl::toPercentEncoding(host)));
    struct Case {
        QString connection;
        const char* password;
        std::optional<ServerFault> fault;
    };
    const Case cases[] = {
        {cluster->connection(database, user) + QStringLiteral(" password='mon S3cret'"), "S3cret",
         ServerFault::authenticationFailed},
        {cluster->connection(database, user) + QStringLiteral(" password = S3cret2"), "S3cret2",
         ServerFault::authenticationFailed},
        {uri.arg(QStringLiteral("S3cretPw")), "S3cretPw", ServerFault::authenticationFailed},
        {uri.arg(QStringLiteral("mdp")), "mdp", std::nullopt},
        {cluster->connection(database, user) + QStringLiteral(" password='Zk9q"), "Zk9q",
         ServerFault::unreadableConnection},
        {cluster->connection(database, user) + QStringLiteral(" password=Zk;9q"), "Zk;9q",
         ServerFault::unreadableConnection},
    };
    for (const Case& c : cases) {
        ClassServer server(c.connection);
        const SendReport report = server.send({anAttempt("Durand", "B", 1'796'725'862)});
        ASSERT_EQ(report.failure.has_value(), c.fault.has_value()) << c.connection.toStdString();
        if (!report.failure) continue;
        EXPECT_EQ(report.failure->fault, *c.fault) << c.connection.toStdString();
        const QString text = report.failure->text();
        EXPECT_FALSE(text.contains(QString::fromUtf8(c.password))) << text.toStdString();
        const bool named = text.contains(QStringLiteral("dbname=%1 user=%2").arg(database, user));
        EXPECT_TRUE(named || c.fault == ServerFault::unreadableConnection) << text.toStdString();
    }
    EXPECT_EQ(rowsAsSuperuser(), 1);
}

// A statement the server gives up on says so in French, and keeps nothing of the batch; the connection's own
// options come after the program's.
TEST_F(ClassServerTest, AStatementTimeoutSaysSoInFrench)
{
    ASSERT_EQ(cluster->sql(database, QStringLiteral("CREATE FUNCTION slow() RETURNS trigger LANGUAGE plpgsql AS "
                                                    "$$ BEGIN PERFORM pg_sleep(3); RETURN NEW; END $$; "
                                                    "CREATE TRIGGER slow BEFORE INSERT ON attempt FOR EACH ROW "
                                                    "EXECUTE FUNCTION slow();")),
              0);
    const QString connection = as(QStringLiteral("a")) + QStringLiteral(" options='-c statement_timeout=200'");
    const SendReport report = ClassServer(connection).send({anAttempt("Durand", "B", 1'796'725'862)});
    ASSERT_TRUE(report.failure);
    EXPECT_EQ(report.failure->fault, ServerFault::statementTimedOut) << report.failure->detail.toStdString();
    EXPECT_EQ(report.failure->text().toStdString(),
              serverFaultText(ServerFault::statementTimedOut, shownServer(serverName(connection)), ""));
    EXPECT_EQ(rowsAsSuperuser(), 0);
}

TEST_F(ClassServerTest, AttemptsSentWhileTheServerIsDownArriveOnceItIsBack)
{
    ClassServer trainee(as(QStringLiteral("a")));
    const PracticeAttempt early = anAttempt("Durand", "B", 1'796'725'800);
    ASSERT_FALSE(trainee.send({early}).failure);

    ASSERT_TRUE(cluster->stop());
    const PracticeAttempt late = anAttempt("Durand", "B", 1'796'725'900);
    const SendReport whileDown = trainee.send({early, late});
    ASSERT_TRUE(whileDown.failure);
    EXPECT_EQ(whileDown.failure->fault, ServerFault::unreachable) << whileDown.failure->detail.toStdString();
    EXPECT_TRUE(whileDown.added.empty() && whileDown.alreadyThere.empty());

    ASSERT_TRUE(cluster->start());
    const SendReport afterwards = trainee.send({early, late});
    ASSERT_FALSE(afterwards.failure) << afterwards.failure->detail.toStdString();
    EXPECT_EQ(afterwards.added, std::vector{late.id});
    EXPECT_EQ(afterwards.alreadyThere, std::vector{early.id});
    EXPECT_EQ(rowsAsSuperuser(), 2);
}

TEST_F(ClassServerTest, APausedServerIsAFaultNotAHang)
{
    const pid_t server = cluster->serverProcess();
    ASSERT_GT(server, 0);
    ASSERT_EQ(kill(server, SIGSTOP), 0);
    ClassServer trainee(as(QStringLiteral("a")) + QStringLiteral(" connect_timeout=2"));
    const SendReport report = trainee.send({anAttempt("Durand", "B", 1'796'725'800)});
    kill(server, SIGCONT);
    ASSERT_TRUE(report.failure);
    EXPECT_EQ(report.failure->fault, ServerFault::unreachable) << report.failure->detail.toStdString();
    EXPECT_FALSE(trainee.send({anAttempt("Durand", "B", 1'796'725'900)}).failure);
    EXPECT_EQ(rowsAsSuperuser(), 1);
}

}  // namespace
}  // namespace tavelle::testing
