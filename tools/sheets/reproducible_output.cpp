#include "tools/sheets/reproducible_output.h"

#include <QDateTime>
#include <QFileDevice>
#include <QTimeZone>

#include <cerrno>

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
            errno = 0;
            written(m_target.write(bytes), length);
            return length;
        }
    }
    errno = 0;
    written(m_target.write(data, length), length);
    return length;
}

void ReproducibleOutput::written(qint64 count, qint64 length)
{
    if (count == length || !m_succeeded) return;
    m_systemError = errno;
    m_succeeded = false;
}

bool ReproducibleOutput::flushTarget()
{
    auto* file = qobject_cast<QFileDevice*>(&m_target);
    if (file == nullptr || !m_succeeded) return m_succeeded;
    errno = 0;
    if (file->flush()) return true;
    m_systemError = errno;
    m_succeeded = false;
    return false;
}

}  // namespace tavelle
