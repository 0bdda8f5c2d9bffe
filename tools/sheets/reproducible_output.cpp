#include "tools/sheets/reproducible_output.h"

#include <QDateTime>
#include <QTimeZone>

namespace tavelle {

ReproducibleOutput::ReproducibleOutput(QIODevice& target) : m_target(target)
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
            if (m_target.write(bytes) != length) m_succeeded = false;
            return length;
        }
    }
    if (m_target.write(data, length) != length) m_succeeded = false;
    return length;
}

}  // namespace tavelle
