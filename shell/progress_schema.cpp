#include "shell/progress_schema.h"

#include "core/progress/attempt_id.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace tavelle {

std::optional<QSqlError> addNamedAttemptColumns(QSqlDatabase& database)
{
    QSqlQuery query(database);
    for (const QString& statement :
         {QStringLiteral("ALTER TABLE attempt ADD COLUMN uuid TEXT"),
          QStringLiteral("ALTER TABLE attempt ADD COLUMN surname TEXT NOT NULL DEFAULT ''"),
          QStringLiteral("ALTER TABLE attempt ADD COLUMN given_name TEXT NOT NULL DEFAULT ''"),
          QStringLiteral("ALTER TABLE attempt ADD COLUMN trainee_group TEXT NOT NULL DEFAULT ''"),
          QStringLiteral("ALTER TABLE attempt ADD COLUMN sent INTEGER NOT NULL DEFAULT 0")})
        if (!query.exec(statement)) return query.lastError();

    // SQLite cannot draw a UUID: each old attempt gets one from here.
    std::vector<qint64> old;
    if (!query.exec(QStringLiteral("SELECT id FROM attempt WHERE uuid IS NULL"))) return query.lastError();
    while (query.next()) old.push_back(query.value(0).toLongLong());
    query.prepare(QStringLiteral("UPDATE attempt SET uuid = ? WHERE id = ?"));
    for (qint64 id : old) {
        query.addBindValue(QString::fromStdString(newAttemptId()));
        query.addBindValue(id);
        if (!query.exec()) return query.lastError();
    }
    for (const QString& statement : {QStringLiteral("CREATE UNIQUE INDEX attempt_uuid ON attempt (uuid)"),
                                     QStringLiteral("CREATE INDEX attempt_unsent ON attempt (id) WHERE sent = 0")})
        if (!query.exec(statement)) return query.lastError();
    return std::nullopt;
}

QString selectAttempts(const QString& rest)
{
    return QStringLiteral("SELECT id, uuid, surname, given_name, trainee_group, finished_at, source, seed, "
                          "seconds_taken, exercise FROM attempt ") +
           rest;
}

void prepareAnswers(QSqlQuery& answers)
{
    answers.prepare(QStringLiteral("SELECT question, given, right FROM answer WHERE attempt_id = ?"));
}

std::optional<QSqlError> readAttempt(const QSqlQuery& row, QSqlQuery& answers, PracticeAttempt& attempt)
{
    attempt = PracticeAttempt();
    attempt.id = row.value(1).toString().toStdString();
    attempt.surname = row.value(2).toString().toStdString();
    attempt.givenName = row.value(3).toString().toStdString();
    attempt.group = row.value(4).toString().toStdString();
    attempt.finishedAt = row.value(5).toLongLong();
    attempt.source = row.value(6).toString().toStdString();
    if (!row.value(7).isNull()) attempt.seed = row.value(7).toString().toULongLong();
    attempt.secondsTaken = row.value(8).toLongLong();
    attempt.exercise = row.value(9).toString().toStdString();
    answers.addBindValue(row.value(0));
    if (!answers.exec()) return answers.lastError();
    while (answers.next()) {
        const std::string key = answers.value(0).toString().toStdString();
        for (std::size_t i = 0; i < questionCount; ++i) {
            if (questionKey(allQuestions[i]) != key) continue;
            attempt.answers[i] = answers.value(1).toString().toStdString();
            attempt.right[i] = answers.value(2).toInt() != 0;
        }
    }
    return std::nullopt;
}

std::variant<std::vector<PracticeAttempt>, QSqlError> unsentAttempts(QSqlDatabase& database, int count)
{
    QSqlQuery attempts(database);
    attempts.setForwardOnly(true);
    attempts.prepare(selectAttempts(QStringLiteral("WHERE sent = 0 ORDER BY id LIMIT ?")));
    attempts.addBindValue(count);
    if (!attempts.exec()) return attempts.lastError();
    QSqlQuery answers(database);
    prepareAnswers(answers);
    std::vector<PracticeAttempt> found;
    for (PracticeAttempt attempt; attempts.next();) {
        if (auto failure = readAttempt(attempts, answers, attempt)) return *failure;
        found.push_back(std::move(attempt));
    }
    return found;
}

std::variant<int, QSqlError> unsentCount(QSqlDatabase& database)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM attempt WHERE sent = 0")) || !query.next())
        return query.lastError();
    return query.value(0).toInt();
}

std::optional<QSqlError> markSent(QSqlDatabase& database, const std::vector<std::string>& ids)
{
    if (!database.transaction()) return database.lastError();
    QSqlQuery query(database);
    query.prepare(QStringLiteral("UPDATE attempt SET sent = 1 WHERE uuid = ?"));
    for (const std::string& id : ids) {
        query.addBindValue(QString::fromStdString(id));
        if (!query.exec()) {
            const QSqlError error = query.lastError();
            database.rollback();
            return error;
        }
    }
    if (!database.commit()) {
        const QSqlError error = database.lastError();
        database.rollback();
        return error;
    }
    return std::nullopt;
}

}  // namespace tavelle
