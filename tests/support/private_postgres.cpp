#include "tests/support/private_postgres.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tavelle::testing {

namespace {

const QString binaries = QStringLiteral("/usr/lib/postgresql/15/bin/");
const QString owner = QStringLiteral("postgres");

// A port no one listens on now, on localhost; 0 when none is found.
int freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    if (probe < 0) return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    const bool bound = ::bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                       ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0;
    ::close(probe);
    return bound ? ntohs(address.sin_port) : 0;
}

}  // namespace

PrivatePostgres::PrivatePostgres(bool durable, bool tls)
    : m_durable(durable)
{
    if (!m_folder.isValid()) {
        m_failure = QStringLiteral("no temporary folder: ") + m_folder.errorString();
        return;
    }
    if (geteuid() == 0) {
        const passwd* account = getpwnam("postgres");
        if (account == nullptr ||
            chown(QFile::encodeName(m_folder.path()).constData(), account->pw_uid, account->pw_gid) != 0) {
            m_failure = QStringLiteral("the postgres account is missing, or the folder cannot be given to it");
            return;
        }
    }
    QString output;
    if (!runAsOwner(QStringLiteral("initdb"),
                    {QStringLiteral("-D"), m_folder.filePath(QStringLiteral("data")), QStringLiteral("-U"), owner,
                     QStringLiteral("--auth-local=trust"), QStringLiteral("--no-sync"), QStringLiteral("-E"),
                     QStringLiteral("UTF8"), QStringLiteral("--locale=C")},
                    &output)) {
        m_failure = QStringLiteral("initdb: ") + output;
        return;
    }
    if (tls) {
        m_port = freePort();
        if (m_port == 0 || !makeCertificates()) {
            if (m_failure.isEmpty()) m_failure = QStringLiteral("no free port on localhost");
            return;
        }
    }
    QFile rules(m_folder.filePath(QStringLiteral("data/pg_hba.conf")));
    if (!rules.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        rules.write("local all postgres trust\nlocal all all scram-sha-256\n"
                    "host all all 127.0.0.1/32 scram-sha-256\nhost all all ::1/128 scram-sha-256\n") < 0) {
        m_failure = QStringLiteral("pg_hba.conf: ") + rules.errorString();
        return;
    }
    rules.close();
    if (!start())
        m_failure = QStringLiteral("the server did not start: see ") + m_folder.filePath(QStringLiteral("log"));
}

PrivatePostgres::~PrivatePostgres()
{
    if (m_running)
        runAsOwner(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), m_folder.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                    QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
}

bool PrivatePostgres::runAsOwner(const QString& program, const QStringList& arguments, QString* output) const
{
    QProcess process;
    process.setWorkingDirectory(m_folder.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (geteuid() == 0)
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), owner, QStringLiteral("--"), binaries + program} + arguments);
    else
        process.start(binaries + program, arguments);
    const bool done =
        process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (output) *output = QString::fromLocal8Bit(process.readAll());
    return done;
}

bool PrivatePostgres::makeCertificates()
{
    // The server reads its key only when no one else may.
    QProcess openssl;
    openssl.setWorkingDirectory(m_folder.path());
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("sh"),
                  {QStringLiteral("-ec"),
                   QStringLiteral("openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=Tavelle test' "
                                  "-keyout ca.key -out ca.pem; "
                                  "openssl req -newkey rsa:2048 -nodes -subj /CN=localhost -keyout server.key "
                                  "-out server.csr; echo subjectAltName=DNS:localhost > server.ext; "
                                  "openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial "
                                  "-days 2 -extfile server.ext -out server.crt; chmod 600 server.key; "
                                  "if [ \"$(id -u)\" = 0 ]; then chown postgres server.key; fi")});
    if (openssl.waitForFinished(60'000) && openssl.exitStatus() == QProcess::NormalExit && openssl.exitCode() == 0)
        return true;
    m_failure = QStringLiteral("openssl: ") + QString::fromLocal8Bit(openssl.readAll()) + openssl.errorString();
    return false;
}

QString PrivatePostgres::certificateAuthority() const
{
    return m_folder.filePath(QStringLiteral("ca.pem"));
}

QString PrivatePostgres::networkConnection(const QString& database, const QString& user, const QString& password) const
{
    return QStringLiteral("host=localhost port=%1 dbname=%2 user=%3 password=%4")
        .arg(QString::number(m_port), database, user, password);
}

bool PrivatePostgres::start()
{
    QString options = QStringLiteral("-k %1 -c listen_addresses='' -c fsync=%2 -c max_connections=100")
                          .arg(m_folder.path(), m_durable ? QStringLiteral("on") : QStringLiteral("off"));
    if (m_port != 0)
        options = QStringLiteral("-k %1 -c listen_addresses=localhost -p %2 -c ssl=on -c ssl_cert_file=%3 "
                                 "-c ssl_key_file=%4 -c fsync=off -c max_connections=100")
                      .arg(m_folder.path(), QString::number(m_port), m_folder.filePath(QStringLiteral("server.crt")),
                           m_folder.filePath(QStringLiteral("server.key")));
    m_running = runAsOwner(QStringLiteral("pg_ctl"),
                           {QStringLiteral("-D"), m_folder.filePath(QStringLiteral("data")), QStringLiteral("-l"),
                            m_folder.filePath(QStringLiteral("log")), QStringLiteral("-w"), QStringLiteral("-o"),
                            options, QStringLiteral("start")});
    return m_running;
}

bool PrivatePostgres::stop()
{
    const bool stopped =
        runAsOwner(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), m_folder.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                    QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")});
    if (stopped) m_running = false;
    return stopped;
}

pid_t PrivatePostgres::serverProcess() const
{
    QFile file(m_folder.filePath(QStringLiteral("data/postmaster.pid")));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return static_cast<pid_t>(file.readLine().trimmed().toLong());
}

bool PrivatePostgres::signalServer(int signal) const
{
    const pid_t server = serverProcess();
    if (server <= 0 || ::kill(server, signal) != 0) return false;
    bool all = true;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile status(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!status.open(QIODevice::ReadOnly)) continue;
        // pid (name) state ppid …: the name may hold blanks, the fields after its ')' do not.
        const QByteArray line = status.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLong() == server) all = ::kill(entry.toInt(), signal) == 0 && all;
    }
    return all;
}

QString PrivatePostgres::connection(const QString& database, const QString& user, const QString& password) const
{
    QString text = QStringLiteral("host=%1 dbname=%2 user=%3").arg(m_folder.path(), database, user);
    if (m_port != 0) text += QStringLiteral(" port=") + QString::number(m_port);
    if (!password.isEmpty()) text += QStringLiteral(" password=") + password;
    return text;
}

int PrivatePostgres::sql(const QString& database, const QString& statements, QString* output, const QString& user,
                         const QString& password) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGPASSWORD"), password);
    environment.insert(QStringLiteral("PGCONNECT_TIMEOUT"), QStringLiteral("10"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(binaries + QStringLiteral("psql"),
                  {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"), QStringLiteral("-t"),
                   QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), m_folder.path(),
                   QStringLiteral("-p"), QString::number(m_port != 0 ? m_port : 5432), QStringLiteral("-U"), user,
                   QStringLiteral("-d"), database, QStringLiteral("-c"), statements});
    if (!process.waitForFinished(60'000)) {
        process.kill();
        process.waitForFinished();
        if (output) *output = QStringLiteral("psql did not end");
        return -1;
    }
    if (output) *output = QString::fromUtf8(process.readAll()).trimmed();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString PrivatePostgres::createDatabase()
{
    const QString name = QStringLiteral("classe%1").arg(++m_databases);
    return sql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE ") + name) == 0 ? name : QString();
}

bool PrivatePostgres::createLogin(const QString& login, const QString& password, const QString& role)
{
    QString statement = QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(login, password);
    if (!role.isEmpty()) statement += QStringLiteral(" IN ROLE ") + role;
    return sql(QStringLiteral("postgres"), statement) == 0;
}

}  // namespace tavelle::testing
