#pragma once

#include "core/progress/practice_attempt.h"

#include <QSqlError>
#include <QString>

#include <optional>
#include <string>
#include <variant>
#include <vector>

class QSqlDatabase;
class QSqlQuery;

namespace tavelle {

// The local progress file's step to named attempts, run inside the store's migration transaction after
// the steps before it: adds to table `attempt` the columns uuid (the attempt's id), surname, given_name,
// trainee_group and sent (1 once the class database holds it), and gives every attempt kept before an id
// of its own. Old attempts stay anonymous and unsent.
std::optional<QSqlError> addNamedAttemptColumns(QSqlDatabase& database);

// The attempts the class database does not hold yet, the oldest first, at most `count`.
std::variant<std::vector<PracticeAttempt>, QSqlError> unsentAttempts(QSqlDatabase& database, int count);
// "SELECT" the columns readAttempt() reads "FROM attempt", then `rest` (a condition, an order).
QString selectAttempts(const QString& rest);
// Prepares `answers` for readAttempt(): an attempt's answers and marks.
void prepareAnswers(QSqlQuery& answers);
// Fills `attempt` from the current row of a query of selectAttempts(), its answers and marks through
// `answers`.
std::optional<QSqlError> readAttempt(const QSqlQuery& row, QSqlQuery& answers, PracticeAttempt& attempt);
// How many attempts wait to be sent.
std::variant<int, QSqlError> unsentCount(QSqlDatabase& database);
// Marks these attempts sent, in one transaction.
std::optional<QSqlError> markSent(QSqlDatabase& database, const std::vector<std::string>& ids);

}  // namespace tavelle
