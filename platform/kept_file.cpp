#include "platform/kept_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

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

// Qt keeps the failed call's errno; the refusals it makes before any call are told apart here.
bool KeptFile::failed()
{
    const int number = errno;
    const QFileInfo info(m_file->fileName());
    if (!m_toStandardOutput && info.isDir())
        m_systemError = EISDIR;
    else if (number != 0)
        m_systemError = number;
    else if (!m_toStandardOutput && info.exists() && !info.isWritable())
        m_systemError = EACCES;
    else
        m_systemError = EIO;
    return false;
}

bool KeptFile::open()
{
    errno = 0;
    const bool opened = m_toStandardOutput ? static_cast<QFile&>(*m_file).open(STDOUT_FILENO, QIODevice::WriteOnly,
                                                                               QFileDevice::DontCloseHandle)
                                           : m_file->open(QIODevice::WriteOnly);
    return opened || failed();
}

bool KeptFile::commit()
{
    errno = 0;
    if (auto* beside = qobject_cast<QSaveFile*>(m_file.get())) return beside->commit() || failed();
    return (m_file->flush() && m_file->error() == QFileDevice::NoError) || failed();
}

bool KeptFile::write(QByteArrayView text)
{
    errno = 0;
    return m_file->write(text.data(), text.size()) == text.size() || failed();
}

bool KeptFile::writeWhole(QByteArrayView text)
{
    return open() && write(text) && commit();
}

}  // namespace tavelle
