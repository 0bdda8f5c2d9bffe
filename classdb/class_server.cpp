#include "classdb/class_server.h"

#include "class_database_migrations.h"
#include "classdb/answers_json.h"
#include "classdb/connection_fault.h"
#include "classdb/connection_string.h"
#include "classdb/pg_handle.h"
#include "core/progress/progress_csv.h"
#include "platform/sql_connection_name.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <memory>
#include <string_view>

namespace tavelle {

namespace {

const QString driverName = QStringLiteral("QPSQL");

// For each migration, in order, the oldest schema version whose programs still write after it: a migration
// that only adds what no insert names (an index, a column with a default) keeps the programs before it.
constexpr int oldestWriter[] = {1, 2, 2};
static_assert(std::size(oldestWriter) == std::size(classDatabaseMigrations));
// tavelle_schema says each migration's oldest writer from this version on.
constexpr int firstVersionSayingItsWriters = 3;

// A statement's fault is the server's error code (SQLSTATE); a statement that has none never reached the
// server.
ServerFailure failureOf(const QSqlError& error, const QString& server)
{
    const QString code = error.nativeErrorCode();
    const QString detail = (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
    return {code.isEmpty() ? ServerFault::unreachable : faultOfCode(code), detail, server};
}

}  // namespace

ClassServer::ClassServer(QString connection, std::chrono::milliseconds callBound)
    : m_connection(std::move(connection))
    , m_name(uniqueConnectionName(u"tavelle-class", this))
    , m_server(QString::fromStdString(shownServer(serverName(m_connection))))
    , m_watchdog(callBound)
{
}

ClassServer::~ClassServer()
{
    disconnect();
}

int ClassServer::schemaVersion()
{
    return static_cast<int>(std::size(classDatabaseMigrations));
}

QString ClassServer::connectionOptions(const QString& connection)
{
    return driverOptions(connection);
}

ServerFailure ClassServer::failure(ServerFault fault, const QString& detail) const
{
    return {fault, detail, m_server};
}

void ClassServer::disconnect()
{
    m_schemaChecked = false;
    m_insert.reset();
    if (!QSqlDatabase::contains(m_name)) return;
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

std::optional<ServerFailure> ClassServer::failed(const QSqlError& error, bool inTransaction)
{
    ServerFailure result = failureOf(error, m_server);
    // Abandoned at its bound: the server did not answer in time.
    if (m_watchdog.cut()) result.fault = ServerFault::unreachable;
    QSqlDatabase database = QSqlDatabase::database(m_name, false);
    // A connection the server dropped is made again at the next call.
    if (result.fault == ServerFault::unreachable || !database.isOpen()) {
        m_insert.reset();
        database.close();
        m_schemaChecked = false;
    } else if (inTransaction) {
        database.rollback();
    }
    return result;
}

std::optional<ServerFailure> ClassServer::connect(bool checkSchema)
{
    if (!QSqlDatabase::isDriverAvailable(driverName)) return failure(ServerFault::driverMissing, {});
    if (const std::optional<QString> unreadable = unreadableConnection(m_connection))
        return failure(ServerFault::unreadableConnection, *unreadable);
    QSqlDatabase database = QSqlDatabase::database(m_name, false);
    if (!database.isValid()) {
        database = QSqlDatabase::addDatabase(driverName, m_name);
        database.setConnectOptions(connectionOptions(m_connection));
    }
    if (!database.isOpen() && !database.open()) {
        const QSqlError error = database.lastError();
        return failure(connectionFault(connectionOptions(m_connection)),
                       (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed());
    }
    if (!checkSchema || m_schemaChecked) return std::nullopt;
    const CallWatchdog::Watch watched = m_watchdog.watch(socketOf(database));
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT coalesce(max(version), 0) FROM tavelle_schema")) || !query.next())
        return failed(query.lastError());
    const int version = query.value(0).toInt();
    if (version > schemaVersion()) {
        if (!query.prepare(QStringLiteral("SELECT coalesce(max(coalesce(oldest_writer, version)), 0) FROM "
                                          "tavelle_schema WHERE version > ?")))
            return failed(query.lastError());
        query.addBindValue(schemaVersion());
        if (!query.exec() || !query.next()) return failed(query.lastError());
        if (query.value(0).toInt() > schemaVersion())
            return failure(ServerFault::newerSchema, QStringLiteral("version %1").arg(version));
    }
    if (version < schemaVersion()) return failure(ServerFault::notPrepared, QStringLiteral("version %1").arg(version));
    m_schemaFound = version;
    m_schemaChecked = true;
    return std::nullopt;
}

std::optional<ServerFailure> ClassServer::prepare(int& fromVersion, int& toVersion)
{
    if (auto refused = connect(false)) return refused;
    QSqlDatabase database = QSqlDatabase::database(m_name, false);
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS tavelle_schema (version integer PRIMARY KEY, "
                                   "applied_at timestamptz NOT NULL DEFAULT now())")) ||
        !query.exec(QStringLiteral("GRANT SELECT ON tavelle_schema TO PUBLIC")))
        return failed(query.lastError());
    if (!database.transaction()) return failed(database.lastError());
    // Two administrators preparing at once: the second waits, then finds the work done.
    if (!query.exec(QStringLiteral("LOCK TABLE tavelle_schema IN EXCLUSIVE MODE")) ||
        !query.exec(QStringLiteral("SELECT coalesce(max(version), 0) FROM tavelle_schema")) || !query.next())
        return failed(query.lastError(), true);
    fromVersion = query.value(0).toInt();
    toVersion = fromVersion;
    if (fromVersion > schemaVersion()) {
        database.rollback();
        return failure(ServerFault::newerSchema, QStringLiteral("version %1").arg(fromVersion));
    }
    for (int version = fromVersion + 1; version <= schemaVersion(); ++version) {
        const std::string_view migration = classDatabaseMigrations[version - 1];
        if (!query.exec(QString::fromUtf8(migration.data(), static_cast<qsizetype>(migration.size()))))
            return failed(query.lastError(), true);
        const bool saysWriters = version >= firstVersionSayingItsWriters;
        if (!query.prepare(saysWriters
                               ? QStringLiteral("INSERT INTO tavelle_schema (version, oldest_writer) VALUES (?, ?)")
                               : QStringLiteral("INSERT INTO tavelle_schema (version) VALUES (?)")))
            return failed(query.lastError(), true);
        query.addBindValue(version);
        if (saysWriters) query.addBindValue(oldestWriter[version - 1]);
        if (!query.exec()) return failed(query.lastError(), true);
        toVersion = version;
    }
    if (!database.commit()) {
        toVersion = fromVersion;
        return failed(database.lastError(), true);
    }
    return std::nullopt;
}

SendReport ClassServer::send(const std::vector<PracticeAttempt>& attempts)
{
    SendReport report;
    if (attempts.empty()) return report;
    if ((report.failure = connect(true))) return report;
    QSqlDatabase database = QSqlDatabase::database(m_name, false);
    CallWatchdog::Watch watched = m_watchdog.watch(socketOf(database));
    if (!database.transaction()) {
        report.failure = failed(database.lastError());
        return report;
    }
    // Prepared once a connection: each send then costs the server no parse and no round trip of its own.
    if (!m_insert) {
        auto insert = std::make_unique<QSqlQuery>(database);
        if (!insert->prepare(QStringLiteral(
                "INSERT INTO attempt (id, surname, given_name, trainee_group, finished_at, source, seed, "
                "seconds_taken, score, answers, exercise) VALUES (CAST(? AS uuid), ?, ?, ?, to_timestamp(?), ?, "
                "CAST(? AS numeric), ?, ?, CAST(? AS jsonb), ?) ON CONFLICT (id) DO NOTHING RETURNING id"))) {
            report.failure = failed(insert->lastError(), true);
            return report;
        }
        m_insert = std::move(insert);
    }
    QSqlQuery& query = *m_insert;
    for (const PracticeAttempt& attempt : attempts) {
        query.addBindValue(QString::fromStdString(attempt.id));
        query.addBindValue(QString::fromStdString(attempt.surname));
        query.addBindValue(QString::fromStdString(attempt.givenName));
        query.addBindValue(QString::fromStdString(attempt.group));
        query.addBindValue(QVariant::fromValue<qint64>(attempt.finishedAt));
        query.addBindValue(QString::fromStdString(attempt.source));
        query.addBindValue(attempt.seed ? QVariant(QString::number(*attempt.seed))
                                        : QVariant(QMetaType::fromType<QString>()));
        // A clock set back or forward during an exercise must not keep the whole queue off the server.
        query.addBindValue(
            QVariant::fromValue<qint64>(std::clamp<qint64>(attempt.secondsTaken, 0, longestAttemptSeconds)));
        query.addBindValue(attempt.score());
        query.addBindValue(answersJson(attempt));
        query.addBindValue(QString::fromStdString(attempt.exercise));
        watched.again();
        if (!query.exec()) {
            report.failure = failed(query.lastError(), true);
            report.added.clear();
            report.alreadyThere.clear();
            return report;
        }
        (query.next() ? report.added : report.alreadyThere).push_back(attempt.id);
    }
    query.finish();
    watched.again();
    if (!database.commit()) {
        report.failure = failed(database.lastError(), true);
        report.added.clear();
        report.alreadyThere.clear();
    }
    return report;
}

std::variant<std::vector<PastResult>, ServerFailure> ClassServer::ownRecentResults(int count)
{
    if (auto refused = connect(true)) return *refused;
    QSqlDatabase database = QSqlDatabase::database(m_name, false);
    const CallWatchdog::Watch watched = m_watchdog.watch(socketOf(database));
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT CAST(extract(epoch FROM finished_at) AS bigint), score, seconds_taken "
                                      "FROM attempt WHERE trainee_login = session_user "
                                      "ORDER BY finished_at DESC, received_at DESC LIMIT ?")))
        return *failed(query.lastError());
    query.addBindValue(count);
    if (!query.exec()) return *failed(query.lastError());
    std::vector<PastResult> results;
    while (query.next())
        results.push_back({query.value(0).toLongLong(), query.value(1).toInt(), query.value(2).toLongLong()});
    return results;
}

std::variant<std::unique_ptr<ServerAttempts>, ServerFailure> ClassServer::attempts(const AttemptChoice& choice)
{
    if (auto refused = connect(true)) return *refused;
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    query.setForwardOnly(true);
    // Each account's usual name, over every attempt of it the reader may read: the one it gives most often,
    // the first given among those. One per account, whatever the number of attempts.
    QHash<QString, ServerAttempts::UsualName> usualNames;
    if (choice.usualNames) {
        if (!query.exec(QStringLiteral("SELECT DISTINCT ON (trainee_login) trainee_login, surname, given_name "
                                       "FROM attempt GROUP BY trainee_login, surname, given_name ORDER BY "
                                       "trainee_login, count(*) DESC, min(finished_at), surname, given_name")))
            return *failed(query.lastError());
        while (query.next()) {
            ServerAttempts::UsualName& usual = usualNames[query.value(0).toString()];
            usual.surname = query.value(1).toString().toStdString();
            usual.givenName = query.value(2).toString().toStdString();
            usual.shown = usual.surname.empty() || usual.givenName.empty() ? usual.surname + usual.givenName
                                                                           : usual.surname + " " + usual.givenName;
        }
        if (query.lastError().isValid()) return *failed(query.lastError());
    }
    // Each condition on the server, in the order its indexes keep (migration 003): no row travels to be
    // left out, and none is sorted in memory.
    QStringList conditions;
    if (choice.group) conditions << QStringLiteral("trainee_group = ?");
    if (choice.from) conditions << QStringLiteral("finished_at >= to_timestamp(?)");
    if (choice.before) conditions << QStringLiteral("finished_at < to_timestamp(?)");
    const bool prepared = query.prepare(
        QStringLiteral("SELECT CAST(id AS text), surname, given_name, trainee_group, "
                       "CAST(extract(epoch FROM finished_at) AS bigint), source, CAST(seed AS text), "
                       "seconds_taken, CAST(answers AS text), exercise, trainee_login FROM attempt ") +
        (conditions.isEmpty() ? QString() : QStringLiteral("WHERE ") + conditions.join(QStringLiteral(" AND "))) +
        QStringLiteral(" ORDER BY finished_at, id"));
    if (!prepared) return *failed(query.lastError());
    if (choice.group) query.addBindValue(*choice.group);
    if (choice.from) query.addBindValue(QVariant::fromValue<qint64>(*choice.from));
    if (choice.before) query.addBindValue(QVariant::fromValue<qint64>(*choice.before));
    if (!query.exec()) return *failed(query.lastError());
    return std::make_unique<ServerAttempts>(
        std::move(query), [this](const QSqlError& error) { return *failed(error); }, std::move(usualNames));
}

std::variant<std::vector<QString>, ServerFailure> ClassServer::groups()
{
    if (auto refused = connect(true)) return *refused;
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT DISTINCT trainee_group FROM attempt ORDER BY 1")))
        return *failed(query.lastError());
    std::vector<QString> groups;
    while (query.next()) groups.push_back(query.value(0).toString());
    if (query.lastError().isValid()) return *failed(query.lastError());
    return groups;
}

std::optional<ServerFailure> ClassServer::writeProgressCsv(const std::optional<QString>& group,
                                                           const std::function<bool(const std::string&)>& write)
{
    auto source = attempts({group, std::nullopt, std::nullopt, true});
    if (auto* refused = std::get_if<ServerFailure>(&source)) return *refused;
    ServerAttempts& rows = *std::get<std::unique_ptr<ServerAttempts>>(source);
    if (!write(progressCsvHeader())) return std::nullopt;
    for (PracticeAttempt attempt; rows.next(attempt);)
        if (!write(progressCsvRow(attempt))) return std::nullopt;
    return rows.failure();
}

}  // namespace tavelle
