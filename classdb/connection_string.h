#pragma once

#include "core/progress/class_database_texts.h"

#include <QString>

#include <optional>

namespace tavelle {

// A connection as the settings give it: libpq's key=value words (quoted where they hold blanks), a
// postgresql:// URI, or a bare service name of pg_service.conf.
bool isServiceName(const QString& connection);

// The server the connection names, as libpq's own parse reads it; nothing of it when libpq cannot read it.
ServerName serverName(const QString& connection);

// Why the connection cannot be used: libpq's words when it cannot read it, or the character Qt's driver
// would change on the way; nothing when it can.
std::optional<QString> unreadableConnection(const QString& connection);

// What Qt's driver hands libpq: the program's bounds, then every word libpq reads in the connection as
// key='value' (a word of the connection wins over a bound; its `options` are added to the program's).
QString driverOptions(const QString& connection);

}  // namespace tavelle
