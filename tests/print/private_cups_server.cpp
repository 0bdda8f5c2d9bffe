#include "private_cups_server.h"

#include "command.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <sys/prctl.h>

#include <csignal>
#include <cstdlib>
#include <utility>

namespace tavelle::testing {

namespace {

const QString scriptsDirectory = QStringLiteral(TAVELLE_PRINT_TEST_DIR);
constexpr int startTimeoutMs = 15000;
constexpr int jobTimeoutMs = 60000;
constexpr int pollMs = 50;

::testing::AssertionResult commandSucceeded(const QString& program, const QStringList& arguments)
{
    const CommandResult result = runCommand(program, arguments);
    if (result.succeeded()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << program.toStdString() << ' ' << arguments.join(u' ').toStdString()
                                         << " failed: " << result.output.toStdString();
}

QString lpadmin()
{
    // Debian puts lpadmin in /usr/sbin, which is not on every PATH.
    const QString installed = QStringLiteral("/usr/sbin/lpadmin");
    return QFile::exists(installed) ? installed : QStringLiteral("lpadmin");
}

}  // namespace

PrivateCupsServer::PrivateCupsServer(QString directory)
    : m_directory(std::move(directory))
{
}

PrivateCupsServer::~PrivateCupsServer()
{
    stop();
}

void PrivateCupsServer::prepareEnvironment(const QString& directory)
{
    QDir(directory).mkpath(QStringLiteral("client"));
    QDir(directory).mkpath(QStringLiteral("home"));
    const QByteArray root = QDir(directory).absolutePath().toLocal8Bit();
    setenv("CUPS_SERVER", QByteArray(root + "/cups.sock").constData(), 1);
    // No client.conf or lpoptions of the machine or of the user may name another server or default.
    setenv("CUPS_SERVERROOT", QByteArray(root + "/client").constData(), 1);
    setenv("HOME", QByteArray(root + "/home").constData(), 1);
    unsetenv("LPDEST");
    unsetenv("PRINTER");
}

::testing::AssertionResult PrivateCupsServer::start()
{
    if (isRunning()) return ::testing::AssertionSuccess();

    m_scheduler = std::make_unique<QProcess>();
    m_scheduler->setProcessChannelMode(QProcess::MergedChannels);
    m_scheduler->setStandardOutputFile(m_directory + QStringLiteral("/cupsd.out"));
    // However this process ends, its scheduler ends with it.
    m_scheduler->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_scheduler->start(QStringLiteral("/bin/sh"),
                       {scriptsDirectory + QStringLiteral("/private_cupsd.sh"), m_directory});
    if (!m_scheduler->waitForStarted(startTimeoutMs))
        return ::testing::AssertionFailure()
               << "cannot start the private scheduler: " << m_scheduler->errorString().toStdString();

    const QDeadlineTimer deadline(startTimeoutMs);
    while (!deadline.hasExpired()) {
        if (m_scheduler->state() == QProcess::NotRunning) break;
        const CommandResult answer = runCommand(QStringLiteral("lpstat"), {QStringLiteral("-r")});
        if (answer.succeeded() && answer.output.contains(QStringLiteral("scheduler is running")))
            return ::testing::AssertionSuccess();
        QThread::msleep(pollMs);
    }
    QFile log(m_directory + QStringLiteral("/cupsd.out"));
    log.open(QIODevice::ReadOnly);
    return ::testing::AssertionFailure() << "the private scheduler did not answer: " << log.readAll().toStdString();
}

void PrivateCupsServer::stop()
{
    if (!m_scheduler) return;
    if (m_scheduler->state() != QProcess::NotRunning) {
        thaw();
        m_scheduler->terminate();
        if (!m_scheduler->waitForFinished(10000)) {
            m_scheduler->kill();
            m_scheduler->waitForFinished(5000);
        }
    }
    m_scheduler.reset();
}

void PrivateCupsServer::freeze()
{
    if (isRunning()) ::kill(static_cast<pid_t>(m_scheduler->processId()), SIGSTOP);
}

void PrivateCupsServer::thaw()
{
    if (isRunning()) ::kill(static_cast<pid_t>(m_scheduler->processId()), SIGCONT);
}

bool PrivateCupsServer::isRunning() const
{
    return m_scheduler && m_scheduler->state() == QProcess::Running;
}

::testing::AssertionResult PrivateCupsServer::addPdfQueue(const QString& name)
{
    return commandSucceeded(QStringLiteral("/bin/sh"),
                            {scriptsDirectory + QStringLiteral("/add_pdf_queue.sh"), m_directory, name});
}

::testing::AssertionResult PrivateCupsServer::removeQueue(const QString& name)
{
    return commandSucceeded(lpadmin(), {QStringLiteral("-x"), name});
}

::testing::AssertionResult PrivateCupsServer::rejectJobs(const QString& name)
{
    return commandSucceeded(QStringLiteral("cupsreject"), {name});
}

::testing::AssertionResult PrivateCupsServer::setDefaultQueue(const QString& name)
{
    return commandSucceeded(lpadmin(), {QStringLiteral("-d"), name});
}

QStringList PrivateCupsServer::queues() const
{
    const CommandResult listed = runCommand(QStringLiteral("lpstat"), {QStringLiteral("-e")});
    return listed.succeeded() ? listed.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList();
}

QString PrivateCupsServer::defaultQueue() const
{
    // "system default destination: NAME", or "no system default destination".
    const CommandResult answer = runCommand(QStringLiteral("lpstat"), {QStringLiteral("-d")});
    const QString prefix = QStringLiteral("system default destination: ");
    const QString line = answer.output.trimmed();
    return line.startsWith(prefix) ? line.mid(prefix.size()) : QString();
}

::testing::AssertionResult PrivateCupsServer::reset()
{
    // Jobs left by an earlier test go with their queues.
    for (const QString& queue : queues()) {
        const QString name = queue.trimmed();
        if (name.isEmpty()) continue;
        if (const auto removed = removeQueue(name); !removed) return removed;
    }
    if (!queues().isEmpty())
        return ::testing::AssertionFailure() << "queues remain: " << queues().join(u' ').toStdString();
    for (const QString& file : allPrintedFiles()) QFile::remove(file);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PrivateCupsServer::waitForJobs()
{
    const QDeadlineTimer deadline(jobTimeoutMs);
    CommandResult pending;
    while (!deadline.hasExpired()) {
        pending = runCommand(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        if (pending.succeeded() && pending.output.trimmed().isEmpty()) return ::testing::AssertionSuccess();
        QThread::msleep(pollMs);
    }
    return ::testing::AssertionFailure() << "jobs still pending: " << pending.output.toStdString();
}

QStringList PrivateCupsServer::printedFiles(const QString& queue) const
{
    QDir out(m_directory + QStringLiteral("/out-") + queue);
    QStringList files;
    for (const QString& name : out.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        files.push_back(out.filePath(name));
    return files;
}

QStringList PrivateCupsServer::allPrintedFiles() const
{
    QStringList files;
    const QDir root(m_directory);
    for (const QString& folder : root.entryList({QStringLiteral("out-*")}, QDir::Dirs))
        files += printedFiles(folder.mid(4));
    return files;
}

QStringList PrivateCupsServer::submittedDocuments() const
{
    // The scheduler names a job's documents dJOBID-NNN in its spool.
    const QDir spool(m_directory + QStringLiteral("/spool"));
    QStringList documents;
    for (const QString& name : spool.entryList({QStringLiteral("d*-*")}, QDir::Files, QDir::Name))
        documents.push_back(spool.filePath(name));
    return documents;
}

}  // namespace tavelle::testing
