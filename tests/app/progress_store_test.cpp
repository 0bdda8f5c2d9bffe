#include "core/progress/attempt_id.h"
#include "core/progress/storage_fault.h"
#include "shell/progress_worker.h"
#include "shell/sqlite_progress_store.h"
#include "tests/support/test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>
#include <tuple>

namespace tavelle::testing {
namespace {

PracticeAttempt anAttempt(std::int64_t finishedAt, bool allRight)
{
    PracticeAttempt attempt;
    attempt.finishedAt = finishedAt;
    attempt.exercise = R"({"pumpRating":"1000/15"})";
    attempt.seed = 7;
    attempt.answers = {"Lance 1", "6,5", "1,1", "8,5", "La pompe suffit"};
    attempt.right = {allRight, true, allRight, true, true};
    attempt.secondsTaken = 90;
    return attempt;
}

// Runs `statement` on its own connection to `file`, which stays open (and holds what it took) until the
// returned connection's name is removed.
QString holdWith(const QString& file, const QString& statement)
{
    const QString name = QStringLiteral("holder");
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    database.setDatabaseName(file);
    EXPECT_TRUE(database.open());
    QSqlQuery query(database);
    EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
    return name;
}

// Every fault of the file or the folder: the attempt is refused with its reason, or kept anyway, and
// nothing already kept is lost.
TEST(ProgressStore, FaultsLoseNothingAlreadyKept)
{
    struct Case {
        const char* name;
        std::function<QString(const QTemporaryDir&)> prepare;  // gives the database file
        std::optional<StorageFault> fault;  // none: the attempt is kept
        bool setAside;
    } const cases[] = {
        {"a folder that cannot be made",
         [](const QTemporaryDir& dir) {
             writeTestFile(dir.filePath(QStringLiteral("fichier")), "x");
             return dir.filePath(QStringLiteral("fichier/progression.sqlite"));
         },
         StorageFault::folderCannotBeMade, false},
        {"a damaged file, set aside",
         [](const QTemporaryDir& dir) {
             const QString file = dir.filePath(QStringLiteral("progression.sqlite"));
             writeTestFile(file, QByteArray("SQLite format 3") + QByteArray(4000, '\x5a'));
             return file;
         },
         std::nullopt, true},
        {"a file of a newer version",
         [](const QTemporaryDir& dir) {
             const QString file = dir.filePath(QStringLiteral("progression.sqlite"));
             QSqlDatabase::removeDatabase(holdWith(file, QStringLiteral("PRAGMA user_version = 99")));
             return file;
         },
         StorageFault::newerVersion, false},
        // A link at the file's place is never followed out of the folder, nor created through when dangling.
        {"a dangling link",
         [](const QTemporaryDir& dir) {
             const QString file = dir.filePath(QStringLiteral("progression.sqlite"));
             QDir(dir.path()).mkdir(QStringLiteral("ailleurs"));
             QFile::link(dir.filePath(QStringLiteral("ailleurs/cible.sqlite")), file);
             return file;
         },
         StorageFault::linkOutsideFolder, false},
        {"a link out of the folder",
         [](const QTemporaryDir& dir) {
             QDir(dir.path()).mkdir(QStringLiteral("ailleurs"));
             const QString file = dir.filePath(QStringLiteral("dossier/progression.sqlite"));
             QDir(dir.path()).mkdir(QStringLiteral("dossier"));
             writeTestFile(dir.filePath(QStringLiteral("ailleurs/cible.sqlite")), "");
             QFile::link(dir.filePath(QStringLiteral("ailleurs/cible.sqlite")), file);
             return file;
         },
         StorageFault::linkOutsideFolder, false},
        {"a link within the folder",
         [](const QTemporaryDir& dir) {
             const QString file = dir.filePath(QStringLiteral("progression.sqlite"));
             writeTestFile(dir.filePath(QStringLiteral("vraie.sqlite")), "");
             QFile::link(QStringLiteral("vraie.sqlite"), file);
             return file;
         },
         std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString file = c.prepare(dir);
        const QByteArray before = QFile::exists(file) ? [&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }() : QByteArray();
        SqliteProgressStore store(file, std::chrono::milliseconds(50));
        const std::optional<StoreFault> failure = store.keep(anAttempt(100, true));
        ASSERT_EQ(failure.has_value(), c.fault.has_value());
        if (failure) {
            EXPECT_EQ(failure->fault, *c.fault);
            EXPECT_EQ(failure->file, file);
        } else {
            EXPECT_EQ(store.read(10).recent.size(), 1u);
        }
        // Outside the folder, nothing is created or written.
        const QFileInfo outside(dir.filePath(QStringLiteral("ailleurs/cible.sqlite")));
        EXPECT_EQ(outside.exists(), std::string_view(c.name) == "a link out of the folder");
        EXPECT_EQ(outside.size(), 0);
        const std::optional<QString> aside = store.takeSetAside();
        EXPECT_EQ(aside.has_value(), c.setAside);
        if (aside) {
            EXPECT_TRUE(aside->startsWith(QStringLiteral("progression.sqlite.endommagé-"))) << aside->toStdString();
            QFile kept(dir.filePath(*aside));
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), before);
        } else if (!before.isEmpty()) {
            QFile untouched(file);
            ASSERT_TRUE(untouched.open(QIODevice::ReadOnly));
            EXPECT_EQ(untouched.readAll(), before);
        }
    }
}

TEST(ProgressStore, AFileLockedByAnotherProgramRefusesAfterItsTimeout)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("progression.sqlite"));
    SqliteProgressStore first(file, std::chrono::milliseconds(50));
    ASSERT_FALSE(first.keep(anAttempt(100, true)));
    const QString holder = holdWith(file, QStringLiteral("BEGIN EXCLUSIVE"));
    const std::optional<StoreFault> failure = first.keep(anAttempt(200, true));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->fault, StorageFault::locked);
    QSqlDatabase::database(holder).rollback();
    QSqlDatabase::removeDatabase(holder);
    ASSERT_FALSE(first.keep(anAttempt(300, true)));
    EXPECT_EQ(first.read(10).recent.size(), 2u);
}

// On a machine two trainees share, each one's summary counts their own attempts alone.
// Two connections that meet a new file at once (the keeping and the sending threads, two copies of the
// program) each bring it to its schema or find it there: neither takes a step twice.
TEST(ProgressStore, ConnectionsOpeningANewFileAtOnceBothKeep)
{
    for (int round = 0; round < 20; ++round) {
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("progression.sqlite"));
        std::atomic<int> ready = 0;
        std::optional<StoreFault> faults[2];
        const auto keepOne = [&](std::optional<StoreFault>& fault) {
            SqliteProgressStore store(file);
            PracticeAttempt attempt = anAttempt(1'700'000'000, true);
            attempt.id = newAttemptId();
            ++ready;
            while (ready < 2) std::this_thread::yield();
            // A lock meets a lock as the worker meets it: by trying again.
            for (int attempts = 0; attempts < 100; ++attempts) {
                fault = store.keep(attempt);
                if (!fault || fault->fault != StorageFault::locked) break;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        };
        std::thread first(keepOne, std::ref(faults[0]));
        std::thread second(keepOne, std::ref(faults[1]));
        first.join();
        second.join();
        for (const auto& fault : faults)
            ASSERT_FALSE(fault) << "round " << round << ": " << fault->detail.toStdString();
        EXPECT_EQ(SqliteProgressStore(file).read(10).recent.size(), 2u);
    }
}

TEST(ProgressStore, EachTraineeReadsTheirOwnResults)
{
    QTemporaryDir dir;
    SqliteProgressStore store(dir.filePath(QStringLiteral("progression.sqlite")));
    const Trainee dupont{"DUPONT", "Jean", ""};
    const Trainee martin{"MARTIN", "Léa", "B"};
    for (const auto& [trainee, finishedAt, allRight] :
         {std::tuple(dupont, 100, true), std::tuple(martin, 200, false), std::tuple(dupont, 300, true)}) {
        PracticeAttempt attempt = anAttempt(finishedAt, allRight);
        attempt.surname = trainee.surname;
        attempt.givenName = trainee.givenName;
        attempt.group = trainee.group;
        ASSERT_FALSE(store.keep(attempt));
    }
    struct Case {
        const char* name;
        Trainee trainee;
        std::size_t results;
        int firstQuestionRight;
        int firstQuestionAsked;
    };
    for (const Case& c : {Case{"Dupont", dupont, 2, 2, 2}, Case{"Martin", martin, 1, 0, 1},
                          Case{"NoAttemptYet", Trainee{"DURAND", "Paul", ""}, 0, 0, 0}}) {
        SCOPED_TRACE(c.name);
        const StoreReadout readout = store.read(10, c.trainee);
        EXPECT_FALSE(readout.fault);
        EXPECT_EQ(readout.recent.size(), c.results);
        EXPECT_EQ(readout.records[0].right, c.firstQuestionRight);
        EXPECT_EQ(readout.records[0].asked, c.firstQuestionAsked);
    }
}

mode_t modeOf(const QString& path)
{
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Whatever the umask, and whatever an earlier version left: no other account reads the marks.
TEST(ProgressStore, TheFileAndTheFolderMadeForItAreTheUsersAlone)
{
    QTemporaryDir dir;
    const mode_t umaskBefore = umask(022);
    const QString folder = dir.filePath(QStringLiteral("share/Tavelle"));
    const QString file = folder + QStringLiteral("/progression.sqlite");
    {
        SqliteProgressStore store(file);
        ASSERT_FALSE(store.keep(anAttempt(100, true)));
        for (const QString& made : {dir.filePath(QStringLiteral("share")), folder})
            EXPECT_EQ(modeOf(made), 0700u) << made.toStdString();
        for (const QString& kept : {file, QString(file + QStringLiteral("-wal"))})
            EXPECT_EQ(modeOf(kept), 0600u) << kept.toStdString();
    }
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0644), 0);
    ASSERT_FALSE(SqliteProgressStore(file).keep(anAttempt(200, true)));
    EXPECT_EQ(modeOf(file), 0600u);
    umask(umaskBefore);
}

// Export only reads: a file a newer version has kept in is exported as this version knows it.
TEST(ProgressStore, AFileOfANewerVersionIsExported)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("progression.sqlite"));
    ASSERT_FALSE(SqliteProgressStore(file).keep(anAttempt(100, true)));
    QSqlDatabase::removeDatabase(holdWith(file, QStringLiteral("PRAGMA user_version = 99")));

    SqliteProgressStore newer(file);
    const QString csv = dir.filePath(QStringLiteral("progression.csv"));
    ASSERT_FALSE(newer.exportCsv(csv));
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().trimmed().count('\n'), 1);
    ASSERT_TRUE(newer.keep(anAttempt(200, true)));
}

TEST(ProgressStore, TwoCopiesPractisingAtOnceBothKeepTheirResults)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("progression.sqlite"));
    SqliteProgressStore first(file);
    SqliteProgressStore second(file);
    ASSERT_FALSE(first.keep(anAttempt(100, true)));
    ASSERT_FALSE(second.keep(anAttempt(200, false)));
    ASSERT_FALSE(first.keep(anAttempt(300, true)));

    const std::vector<PastResult> recent = second.read(2).recent;
    ASSERT_EQ(recent.size(), 2u);
    EXPECT_EQ(recent[0].finishedAt, 300);
    EXPECT_EQ(recent[1].score, 3);
    const QuestionRecords records = first.read(10).records;
    EXPECT_EQ(records[0].right, 2);
    EXPECT_EQ(records[0].asked, 3);

    const QString csv = dir.filePath(QStringLiteral("progression.csv"));
    ASSERT_FALSE(first.exportCsv(csv));
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().count('\n'), 4);
    // A pipe named as the export is written into, never replaced.
    const QByteArray pipe = QFile::encodeName(dir.filePath(QStringLiteral("tube")));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    const int reader = ::open(pipe.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_FALSE(first.exportCsv(QFile::decodeName(pipe)));
    char head[10] = {};
    EXPECT_EQ(::read(reader, head, 10), 10);
    EXPECT_EQ(std::string(head, 10), "attemptId,");
    ::close(reader);
    struct stat status {};
    ASSERT_EQ(::stat(pipe.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_TRUE(first.exportCsv(dir.path()).has_value());
}

// The worker answers on the asking thread, and at its end runs every job already queued.
TEST(ProgressWorker, AnswersOnTheAskingThreadAndLosesNothingQueuedAtItsEnd)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("progression.sqlite"));
    {
        ProgressWorker worker([file] { return std::make_unique<SqliteProgressStore>(file); });
        std::optional<StoreReadout> readout;
        worker.read(10, {}, [&](StoreReadout answer) {
            EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
            readout = std::move(answer);
        });
        ASSERT_TRUE(QTest::qWaitFor([&] { return readout.has_value(); }, 10'000));
        EXPECT_FALSE(readout->fault);
        for (int i = 0; i < 20; ++i) worker.keep(anAttempt(i, true), [](ProgressWorker::KeepOutcome) {});
    }
    EXPECT_EQ(SqliteProgressStore(file).read(50).recent.size(), 20u);

    ProgressWorker without([] { return std::unique_ptr<ProgressStore>(); });
    std::optional<ProgressWorker::KeepOutcome> outcome;
    without.keep(anAttempt(1, true), [&](ProgressWorker::KeepOutcome answer) { outcome = std::move(answer); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 10'000));
    ASSERT_TRUE(outcome->fault);
    EXPECT_EQ(outcome->fault->fault, StorageFault::noModule);
}

}  // namespace
}  // namespace tavelle::testing
