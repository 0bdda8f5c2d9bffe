#include "classdb/connection_fault.h"

#include <libpq-fe.h>

#include <poll.h>

#include <memory>

namespace tavelle {

namespace {

// The code libpq puts after the severity when asked for codes alone ("FATAL:  3D000"), whatever the
// server's language.
QString codeOf(const char* message)
{
    const QString text = QString::fromUtf8(message).trimmed();
    const QString code = text.mid(text.lastIndexOf(QStringLiteral(":  ")) + 3);
    if (code.size() != 5) return {};
    for (QChar c : code)
        if (!(c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))) return {};
    return code;
}

int connectTimeoutMilliseconds(PGconn* connection)
{
    std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)> options(PQconninfo(connection), &PQconninfoFree);
    for (const PQconninfoOption* option = options.get(); option && option->keyword; ++option)
        if (option->val && qstrcmp(option->keyword, "connect_timeout") == 0)
            return qMax(2, QByteArray(option->val).toInt()) * 1000;
    return 5000;
}

}  // namespace

ServerFault faultOfCode(const QString& code)
{
    if (code == QStringLiteral("3D000")) return ServerFault::unknownDatabase;
    if (code == QStringLiteral("28000")) return ServerFault::accountRefused;
    if (code.startsWith(QStringLiteral("28"))) return ServerFault::authenticationFailed;
    if (code == QStringLiteral("42501")) return ServerFault::notAllowed;
    if (code == QStringLiteral("42P01")) return ServerFault::notPrepared;
    if (code == QStringLiteral("57014")) return ServerFault::statementTimedOut;
    if (code.startsWith(QStringLiteral("08")) || code.startsWith(QStringLiteral("57P")) ||
        code == QStringLiteral("53300"))
        return ServerFault::unreachable;
    return ServerFault::other;
}

ServerFault connectionFault(const QString& driverOptions)
{
    std::unique_ptr<PGconn, decltype(&PQfinish)> connection(PQconnectStart(driverOptions.toUtf8().constData()),
                                                            &PQfinish);
    if (!connection) return ServerFault::other;
    PQsetErrorVerbosity(connection.get(), PQERRORS_SQLSTATE);
    const int timeout = connectTimeoutMilliseconds(connection.get());
    PostgresPollingStatusType status =
        PQstatus(connection.get()) == CONNECTION_BAD ? PGRES_POLLING_FAILED : PGRES_POLLING_WRITING;
    while (status != PGRES_POLLING_OK && status != PGRES_POLLING_FAILED) {
        pollfd socket{PQsocket(connection.get()),
                      static_cast<short>(status == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
        if (poll(&socket, 1, timeout) <= 0) return ServerFault::unreachable;
        status = PQconnectPoll(connection.get());
    }
    // It opened this time: the server was between states (starting, stopping) when the driver tried.
    if (status == PGRES_POLLING_OK) return ServerFault::unreachable;
    if (PQconnectionNeedsPassword(connection.get())) return ServerFault::authenticationFailed;
    const QString code = codeOf(PQerrorMessage(connection.get()));
    return code.isEmpty() ? ServerFault::unreachable : faultOfCode(code);
}

}  // namespace tavelle
