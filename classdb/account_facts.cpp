// What the check from a machine asks of the class server: ClassServer::accountFacts().
#include "classdb/class_server.h"
#include "classdb/pg_handle.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <sys/stat.h>

#include <memory>
#include <string>
#include <string_view>

namespace tavelle {

namespace {

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
