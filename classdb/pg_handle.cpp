#include "classdb/pg_handle.h"

#include <QSqlDriver>
#include <QVariant>

namespace tavelle {

PGconn* pgConnectionOf(const QSqlDatabase& database)
{
    const QVariant handle = database.driver()->handle();
    // Qt's driver names it after libpq's struct, whose typedef is PGconn.
    if (handle.metaType().sizeOf() != sizeof(PGconn*) ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

int socketOf(const QSqlDatabase& database)
{
    PGconn* connection = pgConnectionOf(database);
    return connection == nullptr ? -1 : PQsocket(connection);
}

}  // namespace tavelle
