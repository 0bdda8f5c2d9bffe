#include "classdb/answers_json.h"
#include "classdb/class_server.h"

#include <QSqlError>
#include <QVariant>

namespace tavelle {

ServerAttempts::ServerAttempts(QSqlQuery query, std::function<ServerFailure(const QSqlError&)> failed,
                               QHash<QString, UsualName> usualNames)
    : m_query(std::move(query))
    , m_failed(std::move(failed))
    , m_usualNames(std::move(usualNames))
{
}

bool ServerAttempts::next(PracticeAttempt& attempt)
{
    if (!read(attempt)) return false;
    m_mark(attempt);
    return true;
}

bool ServerAttempts::read(PracticeAttempt& attempt)
{
    if (m_failure) return false;
    if (!m_query.next()) {
        if (m_query.lastError().isValid()) m_failure = m_failed(m_query.lastError());
        return false;
    }
    attempt = PracticeAttempt();
    attempt.id = m_query.value(0).toString().toStdString();
    attempt.surname = m_query.value(1).toString().toStdString();
    attempt.givenName = m_query.value(2).toString().toStdString();
    attempt.group = m_query.value(3).toString().toStdString();
    attempt.finishedAt = m_query.value(4).toLongLong();
    attempt.source = m_query.value(5).toString().toStdString();
    if (!m_query.value(6).isNull()) attempt.seed = m_query.value(6).toString().toULongLong();
    attempt.secondsTaken = m_query.value(7).toLongLong();
    readAnswers(m_query.value(8).toString(), attempt);
    attempt.exercise = m_query.value(9).toString().toStdString();
    const QString account = m_query.value(10).toString();
    attempt.account = account.toStdString();
    const auto usual = m_usualNames.constFind(account);
    if (usual != m_usualNames.cend() && (usual->surname != attempt.surname || usual->givenName != attempt.givenName))
        attempt.usualName = usual->shown;
    return true;
}

std::optional<std::string> ServerAttempts::fault() const
{
    if (!m_failure) return std::nullopt;
    return m_failure->text().toStdString();
}

}  // namespace tavelle
