#include "tools/sheets/reproducible_output.h"

#include <QDateTime>
#include <QFileDevice>
#include <QTimeZone>

#include <cerrno>
#include <cstring>

namespace tavelle {

ReproducibleOutput::ReproducibleOutput(QIODevice& target)
    : m_target(target)
{
    bool whole = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&whole);
    if (whole) m_epoch = epoch;
}

namespace {

// The writer stamps its own clock in the document's information, in UTC when TZ says so.
constexpr char creationDate[] = "/CreationDate (D:";
constexpr qsizetype stampLength = 14;  // yyyyMMddHHmmss

}  // namespace

qint64 ReproducibleOutput::writeData(const char* data, qint64 length)
{
    if (m_epoch) {
        QByteArray bytes(data, length);
        const qsizetype at = bytes.indexOf(creationDate);
        const qsizetype stamp = at + qsizetype(sizeof creationDate) - 1;
        if (at >= 0 && stamp + stampLength <= bytes.size()) {
            const QByteArray epoch = QDateTime::fromSecsSinceEpoch(*m_epoch, QTimeZone::utc())
                                         .toString(QStringLiteral("yyyyMMddHHmmss"))
                                         .toLatin1();
            bytes.replace(stamp, stampLength, epoch.left(stampLength));
            written(m_target.write(bytes), length);
            return length;
        }
    }
    written(m_target.write(data, length), length);
    return length;
}

void ReproducibleOutput::written(qint64 count, qint64 length)
{
    if (count == length || !m_succeeded) return;
    const int number = errno;
    m_succeeded = false;
    m_failure = m_target.errorString();
    // A file that fails a large write forgets the system's reason: it is the write's own.
    if (number != 0 && (m_failure.isEmpty() || m_failure == QStringLiteral("Unknown error")))
        m_failure = QString::fromLocal8Bit(std::strerror(number));
}

bool ReproducibleOutput::flushTarget()
{
    auto* file = qobject_cast<QFileDevice*>(&m_target);
    if (file == nullptr || !m_succeeded || file->flush()) return m_succeeded;
    m_succeeded = false;
    m_failure = file->errorString();
    return false;
}

}  // namespace tavelle
