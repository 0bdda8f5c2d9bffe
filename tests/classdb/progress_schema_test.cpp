#include "core/attempt_id.h"
#include "shell/progress_schema.h"
#include "shell/sqlite_progress_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace tavelle::testing {
namespace {

// A progress file kept before attempts were named: its attempts get ids, stay anonymous and wait to be
// sent, with their answers.
TEST(ProgressSchema, OldAttemptsGetAnIdAndWaitToBeSent)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("progression.sqlite"));
    {
        SqliteProgressStore store(file);
        for (std::int64_t when : {1'796'725'800, 1'796'725'900, 1'796'726'000}) {
            PracticeAttempt attempt;
            attempt.finishedAt = when;
            attempt.exercise = R"({"pumpRating":"1000/15"})";
            attempt.answers = {"Lance 1", "6,5", "1,1", "8,5", "La pompe suffit"};
            attempt.right = {true, false, true, true, true};
            ASSERT_FALSE(store.keep(attempt));
        }
    }
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schema"));
        database.setDatabaseName(file);
        ASSERT_TRUE(database.open());
        ASSERT_TRUE(database.transaction());
        const auto failure = addNamedAttemptColumns(database);
        ASSERT_FALSE(failure) << failure->text().toStdString();
        ASSERT_TRUE(database.commit());

        const auto unsent = unsentAttempts(database, 2);
        ASSERT_TRUE((std::holds_alternative<std::vector<PracticeAttempt>>(unsent)));
        const auto& attempts = std::get<std::vector<PracticeAttempt>>(unsent);
        ASSERT_EQ(attempts.size(), 2u);
        EXPECT_EQ(attempts[0].finishedAt, 1'796'725'800);
        EXPECT_EQ(attempts[0].answers[1], "6,5");
        EXPECT_EQ(attempts[0].score(), 4);
        EXPECT_TRUE(attempts[0].surname.empty() && attempts[0].givenName.empty() && attempts[0].group.empty());
        EXPECT_TRUE(isAttemptId(attempts[0].id) && isAttemptId(attempts[1].id));
        EXPECT_NE(attempts[0].id, attempts[1].id);

        EXPECT_FALSE(markSent(database, {attempts[0].id, attempts[1].id}));
        ASSERT_TRUE(std::holds_alternative<int>(unsentCount(database)));
        EXPECT_EQ(std::get<int>(unsentCount(database)), 1);
        // Two attempts can never share an id.
        QSqlQuery query(database);
        EXPECT_FALSE(query.exec(QStringLiteral("UPDATE attempt SET uuid = '%1'").arg(QString::fromStdString(attempts[0].id))));
        // A step runs once: a second run fails and, in its transaction, changes nothing.
        ASSERT_TRUE(database.transaction());
        EXPECT_TRUE(addNamedAttemptColumns(database));
        database.rollback();
        EXPECT_EQ(std::get<int>(unsentCount(database)), 1);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("schema"));
}

}  // namespace
}  // namespace tavelle::testing
