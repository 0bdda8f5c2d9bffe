#pragma once

#include <QSqlDatabase>

#include <libpq-fe.h>

namespace tavelle {

// libpq's own handle of a connection Qt's PostgreSQL driver opened; null when there is none.
PGconn* pgConnectionOf(const QSqlDatabase& database);

// The socket of an open connection, for the watchdog; -1 when there is none.
int socketOf(const QSqlDatabase& database);

}  // namespace tavelle
