#include "platform/kept_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace tavelle {

KeptFile::KeptFile(const QString& path)
{
    const QFileInfo info(path);
    if (path == QStringLiteral("-")) {
        m_file = std::make_unique<QFile>();
        m_toStandardOutput = true;
    } else if (info.exists() && !info.isFile() && !info.isDir()) {
        // Renaming over a device or a pipe would destroy it: it takes the contents as they come.
        m_file = std::make_unique<QFile>(path);
    } else {
        m_file = std::make_unique<QSaveFile>(path);
    }
}

bool KeptFile::open()
{
    if (m_toStandardOutput)
        return static_cast<QFile&>(*m_file).open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    return m_file->open(QIODevice::WriteOnly);
}

bool KeptFile::commit()
{
    if (auto* beside = qobject_cast<QSaveFile*>(m_file.get())) return beside->commit();
    return m_file->flush() && m_file->error() == QFileDevice::NoError;
}

bool KeptFile::writeWhole(QByteArrayView text)
{
    return open() && m_file->write(text.data(), text.size()) == text.size() && commit();
}

}  // namespace tavelle
