#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

namespace tavelle::testing {

// A PostgreSQL cluster of the test's own, never the machine's: made with initdb in a temporary folder,
// reached only through a Unix socket in that folder (no TCP), run as the `postgres` user when the test
// runs as root (PostgreSQL refuses root). The superuser `postgres` connects without a password; every
// other account with its password (scram-sha-256). Stopped and removed with the object.
class PrivatePostgres {
public:
    // `durable`: fsync as a real server does (for measures); off, tests run faster. `tls`: the server also
    // listens on localhost, on a free port, with TLS from a certificate authority of its own
    // (certificateAuthority()), and takes accounts there with or without TLS.
    explicit PrivatePostgres(bool durable = false, bool tls = false);
    ~PrivatePostgres();
    PrivatePostgres(const PrivatePostgres&) = delete;
    PrivatePostgres& operator=(const PrivatePostgres&) = delete;

    // Empty when the cluster runs; else what went wrong.
    const QString& failure() const { return m_failure; }

    // A new empty database of its own name.
    QString createDatabase();
    // A login account, member of `role` when given.
    bool createLogin(const QString& login, const QString& password, const QString& role = {});
    // Runs `sql` in `database` as `user` (the superuser without password), through psql; the exit status is
    // 0 when every statement passed. `output` gets psql's unaligned output, or its error.
    int sql(const QString& database, const QString& sql, QString* output = nullptr,
            const QString& user = QStringLiteral("postgres"), const QString& password = {}) const;
    // The libpq connection string to `database` as `user`.
    QString connection(const QString& database, const QString& user = QStringLiteral("postgres"),
                       const QString& password = {}) const;
    // The connection to `database` as `user` over localhost (with tls), without its sslmode.
    QString networkConnection(const QString& database, const QString& user, const QString& password) const;
    // The authority's certificate that signed the server's, for sslrootcert.
    QString certificateAuthority() const;

    bool stop();
    bool start();
    // The postmaster's process, to pause it (SIGSTOP) and resume it.
    pid_t serverProcess() const;
    // Sends `signal` to the postmaster and each of its processes (the backends of open connections), as
    // a server that hangs with its connections open (SIGSTOP) and comes back (SIGCONT); false when one
    // could not be signalled.
    bool signalServer(int signal) const;

private:
    // Runs a PostgreSQL program as the cluster's owner; its output on failure.
    bool runAsOwner(const QString& program, const QStringList& arguments, QString* output = nullptr) const;

    QTemporaryDir m_folder;
    // Makes the authority and the server's certificate (CN and name localhost); false with the reason.
    bool makeCertificates();

    bool m_durable;
    int m_port = 0;  // with tls: the port on localhost, which names the socket too
    bool m_running = false;
    QString m_failure;
    int m_databases = 0;
};

}  // namespace tavelle::testing
