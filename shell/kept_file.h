#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tavelle {

// Writes a file the user keeps, whole or not at all: a regular file (or a new one) is written beside
// and renamed over; a device, a pipe or a socket is written into, never replaced; "-" is standard
// output. The reason, in French, when it could not be written.
std::optional<QString> writeKeptFile(const QString& path, const QByteArray& contents);

}  // namespace tavelle
