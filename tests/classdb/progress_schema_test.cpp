#include "core/progress/attempt_id.h"
#include "shell/sqlite_progress_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavelle::testing {
namespace {

// A progress file kept before attempts were named: opened by this program, its attempts get ids, stay
// anonymous and wait to be sent, with their answers.
TEST(ProgressSchema, OldAttemptsGetAnIdAndWaitToBeSent)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("progression.sqlite"));
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        database.setDatabaseName(file);
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        for (const char* statement :
             {"CREATE TABLE attempt (id INTEGER PRIMARY KEY, finished_at INTEGER NOT NULL, source TEXT NOT NULL, "
              "seed TEXT, seconds_taken INTEGER NOT NULL, exercise TEXT NOT NULL)",
              "CREATE TABLE answer (attempt_id INTEGER NOT NULL REFERENCES attempt(id), question TEXT NOT NULL, "
              "given TEXT NOT NULL, right INTEGER NOT NULL, PRIMARY KEY (attempt_id, question))",
              "INSERT INTO attempt VALUES (1, 1796725800, '', '7', 90, '{}'), (2, 1796725900, '', NULL, 80, '{}'), "
              "(3, 1796726000, '', NULL, 70, '{}')",
              "INSERT INTO answer VALUES (1, 'worstNozzleLoss', '6,5', 1), (1, 'feedLoss', '1', 0)",
              "PRAGMA user_version = 1"})
            ASSERT_TRUE(query.exec(QString::fromLatin1(statement))) << statement;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));

    SqliteProgressStore store(file);
    const auto unsent = store.unsent(2);
    ASSERT_TRUE((std::holds_alternative<std::vector<PracticeAttempt>>(unsent)));
    const auto& attempts = std::get<std::vector<PracticeAttempt>>(unsent);
    ASSERT_EQ(attempts.size(), 2u);
    EXPECT_EQ(attempts[0].finishedAt, 1'796'725'800);
    EXPECT_EQ(attempts[0].seed, 7u);
    EXPECT_EQ(attempts[0].answers[1], "6,5");
    EXPECT_EQ(attempts[0].score(), 1);
    EXPECT_TRUE(attempts[0].surname.empty() && attempts[0].givenName.empty() && attempts[0].group.empty());
    EXPECT_TRUE(isAttemptId(attempts[0].id) && isAttemptId(attempts[1].id));
    EXPECT_NE(attempts[0].id, attempts[1].id);

    EXPECT_FALSE(store.markSent({attempts[0].id, attempts[1].id}));
    ASSERT_TRUE(std::holds_alternative<int>(store.unsentCount()));
    EXPECT_EQ(std::get<int>(store.unsentCount()), 1);
    // A named attempt keeps its id and names, and waits too.
    PracticeAttempt named;
    named.id = newAttemptId();
    named.surname = "Durand";
    named.givenName = "Élise";
    ASSERT_FALSE(store.keep(named));
    EXPECT_EQ(std::get<int>(store.unsentCount()), 2);
    const auto last = std::get<std::vector<PracticeAttempt>>(store.unsent(5)).back();
    EXPECT_EQ(last.id, named.id);
    EXPECT_EQ(last.givenName, "Élise");
    // Two attempts can never share an id.
    EXPECT_TRUE(store.keep(named));
}

}  // namespace
}  // namespace tavelle::testing
