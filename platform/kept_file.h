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

    // False when it cannot be opened; errorString() says why.
    bool open();
    QIODevice& device() { return *m_file; }
    // Once everything is written: false when anything failed, and a file written beside is then dropped.
    bool commit();
    QString errorString() const { return m_file->errorString(); }
    // Opens, writes `text` and commits: false when any step failed, errorString() saying why.
    bool writeWhole(QByteArrayView text);

private:
    std::unique_ptr<QFileDevice> m_file;
    bool m_toStandardOutput = false;
};

}  // namespace tavelle
