#include "classdb/class_server.h"

#include "class_database_migrations.h"
#include "classdb/connection_fault.h"
#include "classdb/connection_string.h"
#include "core/progress/progress_csv.h"
#include "platform/sql_connection_name.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <libpq-fe.h>

#include <sys/stat.h>

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

qint64 toSeconds(const QVariant& value)
{
    return value.toLongLong();
}

QString answersJson(const PracticeAttempt& attempt)
{
    QJsonObject answers;
    for (std::size_t i = 0; i < questionCount; ++i)
        answers.insert(QString::fromLatin1(questionKey(allQuestions[i])),
                       QJsonObject{{QStringLiteral("given"), QString::fromStdString(attempt.answers[i])},
                                   {QStringLiteral("right"), attempt.right[i]}});
    return QString::fromUtf8(QJsonDocument(answers).toJson(QJsonDocument::Compact));
}

void readAnswers(const QString& json, PracticeAttempt& attempt)
{
    const QJsonObject answers = QJsonDocument::fromJson(json.toUtf8()).object();
    for (std::size_t i = 0; i < questionCount; ++i) {
        const QJsonObject answer = answers.value(QString::fromLatin1(questionKey(allQuestions[i]))).toObject();
        attempt.answers[i] = answer.value(QStringLiteral("given")).toString().toStdString();
        attempt.right[i] = answer.value(QStringLiteral("right")).toBool();
    }
}

// libpq's own handle of an open connection; null when there is none.
PGconn* pgConnectionOf(const QSqlDatabase& database)
{
    const QVariant handle = database.driver()->handle();
    // Qt's driver names it after libpq's struct, whose typedef is PGconn.
    if (handle.metaType().sizeOf() != sizeof(PGconn*) ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

// The socket of an open connection, for the watchdog; -1 when there is none.
int socketOf(const QSqlDatabase& database)
{
    PGconn* connection = pgConnectionOf(database);
    return connection == nullptr ? -1 : PQsocket(connection);
}

// One keyword's value of an open connection, as libpq took it (its defaults filled in).
std::string settingOf(PGconn* connection, std::string_view keyword)
{
    std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)> options(PQconninfo(connection), PQconninfoFree);
    for (const PQconninfoOption* option = options.get(); option != nullptr && option->keyword != nullptr; ++option)
        if (keyword == option->keyword) return option->val == nullptr ? std::string() : std::string(option->val);
    return {};
}

// How this machine reaches the server, and the password file libpq would ignore as others may read it.
void readLink(PGconn* connection, AccountFacts& facts)
{
    if (connection == nullptr) return;
    facts.sslMode = settingOf(connection, "sslmode");
    const char* host = PQhost(connection);
    if (host != nullptr && host[0] == '/')
        facts.link = ServerLink::localSocket;
    else if (PQsslInUse(connection) == 0)
        facts.link = ServerLink::plain;
    else
        facts.link = facts.sslMode == "verify-full" ? ServerLink::encryptedVerified : ServerLink::encryptedUnchecked;
    // libpq's own rule: a plain file that its group or others may read is not read at all.
    const std::string passwordFile = settingOf(connection, "passfile");
    struct stat status {};
    if (!passwordFile.empty() && ::stat(passwordFile.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        (status.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        facts.exposedPasswordFile = passwordFile;
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
    QSqlQuery query(database);
    const bool prepared = query.prepare(QStringLiteral(
        "INSERT INTO attempt (id, surname, given_name, trainee_group, finished_at, source, seed, seconds_taken, "
        "score, answers, exercise) VALUES (CAST(? AS uuid), ?, ?, ?, to_timestamp(?), ?, CAST(? AS numeric), ?, "
        "?, CAST(? AS jsonb), ?) ON CONFLICT (id) DO NOTHING RETURNING id"));
    if (!prepared) {
        report.failure = failed(query.lastError(), true);
        return report;
    }
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
        results.push_back({toSeconds(query.value(0)), query.value(1).toInt(), toSeconds(query.value(2))});
    return results;
}

ServerAttempts::ServerAttempts(QSqlQuery query, std::function<ServerFailure(const QSqlError&)> failed,
                               QHash<QString, std::pair<QString, QString>> usualNames)
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
    attempt.finishedAt = toSeconds(m_query.value(4));
    attempt.source = m_query.value(5).toString().toStdString();
    if (!m_query.value(6).isNull()) attempt.seed = m_query.value(6).toString().toULongLong();
    attempt.secondsTaken = toSeconds(m_query.value(7));
    readAnswers(m_query.value(8).toString(), attempt);
    attempt.exercise = m_query.value(9).toString().toStdString();
    const QString account = m_query.value(10).toString();
    attempt.account = account.toStdString();
    const auto usual = m_usualNames.constFind(account);
    if (usual != m_usualNames.cend() &&
        (usual->first != m_query.value(1).toString() || usual->second != m_query.value(2).toString())) {
        QString name = usual->first;
        if (!name.isEmpty() && !usual->second.isEmpty()) name += QLatin1Char(' ');
        name += usual->second;
        attempt.usualName = name.toStdString();
    }
    return true;
}

std::optional<std::string> ServerAttempts::fault() const
{
    if (!m_failure) return std::nullopt;
    return m_failure->text().toStdString();
}

std::variant<std::unique_ptr<ServerAttempts>, ServerFailure> ClassServer::attempts(const AttemptChoice& choice)
{
    if (auto refused = connect(true)) return *refused;
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    query.setForwardOnly(true);
    // Each account's usual name, over every attempt of it the reader may read: the one it gives most often,
    // the first given among those. One per account, whatever the number of attempts.
    QHash<QString, std::pair<QString, QString>> usualNames;
    if (!query.exec(QStringLiteral("SELECT DISTINCT ON (trainee_login) trainee_login, surname, given_name FROM attempt "
                                   "GROUP BY trainee_login, surname, given_name "
                                   "ORDER BY trainee_login, count(*) DESC, min(finished_at), surname, given_name")))
        return *failed(query.lastError());
    while (query.next())
        usualNames.insert(query.value(0).toString(), {query.value(1).toString(), query.value(2).toString()});
    if (query.lastError().isValid()) return *failed(query.lastError());
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
    auto source = attempts({group, std::nullopt, std::nullopt});
    if (auto* refused = std::get_if<ServerFailure>(&source)) return *refused;
    ServerAttempts& rows = *std::get<std::unique_ptr<ServerAttempts>>(source);
    if (!write(progressCsvHeader())) return std::nullopt;
    for (PracticeAttempt attempt; rows.next(attempt);)
        if (!write(progressCsvRow(attempt))) return std::nullopt;
    return rows.failure();
}

std::variant<AccountFacts, ServerFailure> ClassServer::accountFacts()
{
    if (auto refused = connect(true)) return *refused;
    QSqlDatabase database = QSqlDatabase::database(m_name, false);
    CallWatchdog::Watch watched = m_watchdog.watch(socketOf(database));
    QSqlQuery query(database);
    query.setForwardOnly(true);
    // Each right as the server would grant it to the account that logged in, through any of its roles; a
    // superuser holds them all, and is told as that alone.
    if (!query.exec(QStringLiteral(
            "SELECT session_user, pg_has_role(session_user, 'tavelle_stagiaire', 'MEMBER'), "
            "pg_has_role(session_user, 'tavelle_formateur', 'MEMBER'), pg_has_role(session_user, c.relowner, "
            "'MEMBER'), has_any_column_privilege(session_user, c.oid, 'INSERT'), "
            "has_table_privilege(session_user, c.oid, 'SELECT'), "
            "has_any_column_privilege(session_user, c.oid, 'UPDATE') OR has_table_privilege(session_user, c.oid, "
            "'DELETE') OR has_table_privilege(session_user, c.oid, 'TRUNCATE'), "
            "has_database_privilege(session_user, current_database(), 'TEMPORARY'), "
            "CASE WHEN r.rolsuper THEN 'SUPERUSER' ELSE concat_ws(', ', "
            "CASE WHEN r.rolcreaterole THEN 'CREATEROLE' END, CASE WHEN r.rolcreatedb THEN 'CREATEDB' END, "
            "CASE WHEN r.rolbypassrls THEN 'BYPASSRLS' END, CASE WHEN r.rolreplication THEN 'REPLICATION' END, "
            "(SELECT string_agg(p, ', ' ORDER BY p) FROM unnest(ARRAY['pg_read_server_files', "
            "'pg_write_server_files', 'pg_execute_server_program', 'pg_read_all_data', 'pg_write_all_data']) p "
            "WHERE pg_has_role(session_user, p, 'MEMBER'))) END "
            "FROM pg_class c, pg_roles r WHERE c.oid = CAST('attempt' AS regclass) AND r.rolname = session_user")) ||
        !query.next())
        return *failed(query.lastError());
    AccountFacts facts;
    facts.account = query.value(0).toString().toStdString();
    facts.server = m_server.toStdString();
    facts.schemaVersion = m_schemaFound;
    facts.programSchemaVersion = schemaVersion();
    facts.trainee = query.value(1).toBool();
    facts.instructor = query.value(2).toBool();
    facts.owner = query.value(3).toBool();
    facts.maySend = query.value(4).toBool();
    facts.mayRead = query.value(5).toBool();
    facts.mayChange = query.value(6).toBool();
    facts.mayMakeTemporary = query.value(7).toBool();
    for (const QString& right : query.value(8).toString().split(QStringLiteral(", "), Qt::SkipEmptyParts))
        facts.excessRights.push_back(right.toStdString());
    // Reading a table without the right fails the whole statement, whatever it would have read.
    if (facts.mayRead) {
        watched.again();
        if (!query.exec(QStringLiteral("SELECT count(*) FROM attempt")) || !query.next())
            return *failed(query.lastError());
        facts.readableAttempts = query.value(0).toLongLong();
    }
    readLink(pgConnectionOf(database), facts);
    return facts;
}

}  // namespace tavelle
