#pragma once

#include "classdb/call_watchdog.h"
#include "classdb/class_database.h"
#include "core/progress/attempt_source.h"
#include "format/attempt_marks.h"

#include <QHash>
#include <QSqlQuery>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlError;

namespace tavelle {

// The attempts of a query on the class database, read from the server a row at a time (a forward-only
// query, which Qt's PostgreSQL driver fetches row by row), so that a report of a whole centre holds one;
// each is marked again from its exercise (AttemptMarker), never taken on its sender's word.
class ServerAttempts final : public AttemptSource {
public:
    // The name an account gives most often, and as the export shows it ("Durand Élise").
    struct UsualName {
        std::string surname;
        std::string givenName;
        std::string shown;
    };

    // `failed` turns the query's error into the fault; `usualNames` gives each account's usual name, told
    // beside an attempt typed under another.
    ServerAttempts(QSqlQuery query, std::function<ServerFailure(const QSqlError&)> failed,
                   QHash<QString, UsualName> usualNames);

    bool next(PracticeAttempt& attempt) override;
    std::optional<std::string> fault() const override;
    const std::optional<ServerFailure>& failure() const { return m_failure; }

private:
    bool read(PracticeAttempt& attempt);

    QSqlQuery m_query;
    AttemptMarker m_mark;
    std::function<ServerFailure(const QSqlError&)> m_failed;
    std::optional<ServerFailure> m_failure;
    QHash<QString, UsualName> m_usualNames;
};

// Which attempts to read: one group's, finished from an instant on, before an instant (seconds since 1970);
// with `usualNames`, each beside its account's usual name when typed under another (the export's column).
struct AttemptChoice {
    std::optional<QString> group;
    std::optional<std::int64_t> from;
    std::optional<std::int64_t> before;
    bool usualNames = false;
};

// The class database on a PostgreSQL server, through Qt SQL's PostgreSQL driver. `connection` is a libpq
// connection string ("host=salle dbname=tavelle"), a postgresql:// URI or a service name of pg_service.conf
// ("tavelle"); passwords come from libpq's own password file, never from here. Each call that sends
// attempts or reads a trainee's own results waits at most `callBound` for each answer of the server, then
// is abandoned as a server that does not answer, and the connection is made again at the next call.
class ClassServer final : public ClassDatabase {
public:
    explicit ClassServer(QString connection, std::chrono::milliseconds callBound = std::chrono::seconds(10));
    ~ClassServer() override;
    ClassServer(const ClassServer&) = delete;
    ClassServer& operator=(const ClassServer&) = delete;

    // The schema version this program writes and reads. It keeps writing to a newer schema whose every
    // newer migration says programs of this version still write after it.
    static int schemaVersion();
    // What libpq is given: a bare name is a service; a connection that does not say how long to wait for
    // the server waits a few seconds, so that a paused server is a fault, not a hang; its own `options`
    // come after the program's.
    static QString connectionOptions(const QString& connection);

    std::optional<ServerFailure> prepare(int& fromVersion, int& toVersion) override;
    SendReport send(const std::vector<PracticeAttempt>& attempts) override;
    std::variant<std::vector<PastResult>, ServerFailure> ownRecentResults(int count) override;
    std::optional<ServerFailure> writeProgressCsv(const std::optional<QString>& group,
                                                  const std::function<bool(const std::string&)>& write) override;
    std::variant<AccountFacts, ServerFailure> accountFacts() override;
    // The attempts writeProgressCsv() exports, one at a time, or those of `choice`. They are read through
    // this object's connection: the source must not outlive it, and no other call may come while it is
    // read.
    std::variant<std::unique_ptr<ServerAttempts>, ServerFailure> attempts(const AttemptChoice& choice);
    // The groups of the attempts the account may read, in order.
    std::variant<std::vector<QString>, ServerFailure> groups();

private:
    // Connects when not connected, and checks the schema's version unless preparing it.
    std::optional<ServerFailure> connect(bool checkSchema);
    std::optional<ServerFailure> failed(const QSqlError& error, bool inTransaction = false);
    ServerFailure failure(ServerFault fault, const QString& detail) const;
    void disconnect();

    QString m_connection;
    QString m_name;
    QString m_server;  // as messages show it
    bool m_schemaChecked = false;
    int m_schemaFound = 0;  // the server's schema version, once checked
    std::unique_ptr<QSqlQuery> m_insert;  // the sending's statement, prepared on the open connection
    CallWatchdog m_watchdog;
};

}  // namespace tavelle
