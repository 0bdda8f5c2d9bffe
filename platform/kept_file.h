#pragma once

#include <QFileDevice>
#include <QString>

#include <memory>

namespace tavelle {

// A file the user keeps, written whole or not at all: a regular file (or a new one) is written beside and
// renamed over its destination once whole; a device or a FIFO is written into, never replaced; "-" is
// standard output.
class KeptFile {
public:
    explicit KeptFile(const QString& path);

    // False when it cannot be opened; systemError() says why.
    bool open();
    QIODevice& device() { return *m_file; }
    // Writes `text` whole once open: false when it could not, systemError() saying why.
    bool write(QByteArrayView text);
    // Once everything is written: false when anything failed, and a file written beside is then dropped.
    bool commit();
    // Why the step that failed failed, as the system's error number (errno), for the user's words
    // (core/text/system_reason.h): EISDIR for a folder, EACCES, ENOSPC… EIO when the system gave none.
    int systemError() const { return m_systemError; }
    // Qt's text, which is the C library's in the user's settings: for logs, never for the user.
    QString errorString() const { return m_file->errorString(); }
    // Opens, writes `text` and commits: false when any step failed, systemError() saying why.
    bool writeWhole(QByteArrayView text);

private:
    bool failed();

    std::unique_ptr<QFileDevice> m_file;
    bool m_toStandardOutput = false;
    int m_systemError = 0;
};

}  // namespace tavelle
