#include "command.h"

#include <QProcess>

namespace tavelle::testing {

CommandResult runCommand(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    CommandResult result;
    if (!process.waitForStarted(timeoutMs)) {
        result.output = process.errorString();
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        result.output = QString::fromLocal8Bit(process.readAll()) + QStringLiteral(" [timed out]");
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

}  // namespace tavelle::testing
