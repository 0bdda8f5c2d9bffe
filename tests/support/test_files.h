#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tavelle::testing {

// Writes `content` into a new file at `path`, runnable by its owner when asked; whether all went well.
inline bool writeTestFile(const QString& path, const QByteArray& content, bool runnable = false)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) return false;
    file.close();
    return !runnable || file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace tavelle::testing
