#pragma once

#include "shell/class_database.h"

#include <QString>

class QSqlError;

namespace tavelle {

// The class database on a PostgreSQL server, through Qt SQL's PostgreSQL driver. `connection` is a libpq
// connection string ("host=salle dbname=tavelle") or a service name of pg_service.conf ("tavelle");
// passwords come from libpq's own password file, never from here.
class ClassServer final : public ClassDatabase {
public:
    explicit ClassServer(QString connection);
    ~ClassServer() override;
    ClassServer(const ClassServer&) = delete;
    ClassServer& operator=(const ClassServer&) = delete;

    // The schema version this program writes and reads.
    static int schemaVersion();
    // What libpq is given: a bare name is a service; a connection that does not say how long to wait for
    // the server waits a few seconds, so that a paused server is a fault, not a hang.
    static QString connectionOptions(const QString& connection);

    std::optional<ServerFailure> prepare(int& fromVersion, int& toVersion) override;
    SendReport send(const std::vector<PracticeAttempt>& attempts) override;
    std::variant<std::vector<PastResult>, ServerFailure> ownRecentResults(int count) override;
    std::variant<std::string, ServerFailure> progressCsv(const std::optional<QString>& group) override;

private:
    // Connects when not connected, and checks the schema's version unless preparing it.
    std::optional<ServerFailure> connect(bool checkSchema);
    std::optional<ServerFailure> failed(const QSqlError& error, bool inTransaction = false);
    void disconnect();

    QString m_connection;
    QString m_name;
    bool m_schemaChecked = false;
};

}  // namespace tavelle
