#include "shell/sqlite_progress_store.h"

#include "core/practice/practice_texts.h"
#include "core/progress/attempt_id.h"
#include "core/progress/progress_csv.h"
#include "core/progress/storage_fault.h"
#include "core/text/system_reason.h"
#include "format/attempt_marks.h"
#include "platform/kept_file.h"
#include "platform/sql_connection_name.h"
#include "shell/progress_schema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QVariant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>

namespace tavelle {

namespace {

// The marks are the trainee's own: the folders made for them and the file are the user's alone, as a
// user's other private files are, whatever the umask of a lab's accounts.
bool makePrivateFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir()) return true;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder && !makePrivateFolder(parent)) return false;
    // Made meanwhile by another copy, it is a folder all the same.
    return mkdir(QFile::encodeName(folder).constData(), 0700) == 0 || QFileInfo(folder).isDir();
}

// SQLite gives its journal the database file's own rights. A file an earlier version left readable by
// all becomes private too.
void makePrivateFile(const QString& file)
{
    const QByteArray name = QFile::encodeName(file);
    if (const int made = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); made >= 0) {
        ::close(made);
        return;
    }
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const QByteArray each = name + suffix;
        struct stat status {};
        if (stat(each.constData(), &status) == 0 && status.st_uid == geteuid() && (status.st_mode & 077) != 0)
            chmod(each.constData(), status.st_mode & 0700);
    }
}

// Each step takes the schema from the version before it to its own (its index + 1), in one transaction.
// Steps are only ever added: a kept file is never rebuilt. The step after these names the attempts
// (addNamedAttemptColumns), which SQL alone cannot do.
const std::array<std::array<const char*, 2>, 1> migrations{{
    {"CREATE TABLE attempt (id INTEGER PRIMARY KEY, finished_at INTEGER NOT NULL, source TEXT NOT NULL, "
     "seed TEXT, seconds_taken INTEGER NOT NULL, exercise TEXT NOT NULL)",
     "CREATE TABLE answer (attempt_id INTEGER NOT NULL REFERENCES attempt(id), question TEXT NOT NULL, "
     "given TEXT NOT NULL, right INTEGER NOT NULL, PRIMARY KEY (attempt_id, question))"},
}};

StorageFault faultOf(const QSqlError& error)
{
    // The driver reports SQLite's extended result code; its low byte is the primary code.
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    if (!number) return StorageFault::other;
    switch (code) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
        return StorageFault::locked;
    case 8:  // SQLITE_READONLY
    case 3:  // SQLITE_PERM
        return StorageFault::readOnly;
    case 13:  // SQLITE_FULL
        return StorageFault::diskFull;
    case 14:  // SQLITE_CANTOPEN
        return StorageFault::cannotOpen;
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
        return StorageFault::corrupt;
    case 10:  // SQLITE_IOERR
        return StorageFault::writeError;
    default: return StorageFault::other;
    }
}

// Less room than this left on the disk, and a failed write is the full disk's doing.
constexpr qint64 nearlyFull = 1 << 20;

}  // namespace

SqliteProgressStore::SqliteProgressStore(QString file, std::chrono::milliseconds busyTimeout)
    : m_file(std::move(file))
    , m_connection(uniqueConnectionName(u"tavelle-progress", this))
    , m_busyTimeout(busyTimeout)
{
}

SqliteProgressStore::~SqliteProgressStore()
{
    close();
}

int SqliteProgressStore::schemaVersion()
{
    return static_cast<int>(migrations.size()) + 1;
}

void SqliteProgressStore::close()
{
    if (!QSqlDatabase::contains(m_connection)) return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
    m_open = false;
}

StoreFault SqliteProgressStore::fault(StorageFault code, const QString& detail) const
{
    // SQLite reports a write the full disk refused as a plain I/O error.
    if ((code == StorageFault::writeError || code == StorageFault::other) &&
        QStorageInfo(QFileInfo(m_file).absolutePath()).bytesAvailable() < nearlyFull)
        code = StorageFault::diskFull;
    return {code, m_file, detail};
}

StoreFault SqliteProgressStore::fault(const QSqlError& error) const
{
    return fault(faultOf(error), error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

std::optional<StoreFault> SqliteProgressStore::run(QSqlQuery& query, const QString& statement) const
{
    if (query.exec(statement)) return std::nullopt;
    return fault(query.lastError());
}

std::optional<StoreFault> SqliteProgressStore::open()
{
    if (m_open) return std::nullopt;
    std::optional<StoreFault> failure = openOnce();
    if (failure && failure->fault == StorageFault::corrupt && QFileInfo(m_file).isFile()) {
        if (std::optional<StoreFault> notSetAside = setAside()) return notSetAside;
        failure = openOnce();
    }
    return failure;
}

std::optional<StoreFault> SqliteProgressStore::setAside()
{
    close();
    const QString aside = m_file + QStringLiteral(".endommagé-") +
                          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    if (QFile::exists(aside) || !QFile::rename(m_file, aside)) return fault(StorageFault::corrupt);
    // The journal of a damaged file belongs with it.
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFile::exists(m_file + suffix)) QFile::rename(m_file + suffix, aside + suffix);
    m_setAside = QFileInfo(aside).fileName();
    return std::nullopt;
}

std::optional<StoreFault> SqliteProgressStore::linkOutOfFolder() const
{
    const QFileInfo info(m_file);
    if (!info.isSymLink()) return std::nullopt;
    // A link is followed only to a file that exists in the database's own folder: a dangling one would
    // have SQLite create the file it points to, wherever that is.
    const QFileInfo target(info.symLinkTarget());
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (target.exists() && QFileInfo(target.canonicalFilePath()).absolutePath() == folder) return std::nullopt;
    return fault(StorageFault::linkOutsideFolder, QStringLiteral("link to ") + info.symLinkTarget());
}

std::optional<StoreFault> SqliteProgressStore::openOnce()
{
    close();
    const QFileInfo info(m_file);
    if (!makePrivateFolder(info.absolutePath())) return fault(StorageFault::folderCannotBeMade);
    if (std::optional<StoreFault> link = linkOutOfFolder()) return link;
    makePrivateFile(m_file);

    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!database.isValid()) return fault(StorageFault::noModule, QStringLiteral("no QSQLITE driver"));
    database.setDatabaseName(m_file);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeout.count()));
    if (!database.open()) return fault(database.lastError());

    QSqlQuery query(database);
    // A file that is not a database, or a damaged one, fails here, before anything is written.
    if (auto failure = run(query, QStringLiteral("PRAGMA quick_check"))) return failure;
    if (!query.next() || query.value(0).toString() != QStringLiteral("ok")) return fault(StorageFault::corrupt);
    if (auto failure = run(query, QStringLiteral("PRAGMA user_version"))) return failure;
    int version = query.next() ? query.value(0).toInt() : 0;
    if (version > schemaVersion()) return fault(StorageFault::newerVersion);

    // Another copy practising at the same time reads while this one writes.
    if (auto failure = run(query, QStringLiteral("PRAGMA journal_mode=WAL"))) return failure;
    while (version < schemaVersion()) {
        // The write lock first, then the version again: another connection, of this program or another copy,
        // may have brought the file on since it was read, and a step taken twice fails.
        if (auto failure = run(query, QStringLiteral("BEGIN IMMEDIATE"))) return failure;
        std::optional<StoreFault> failure = run(query, QStringLiteral("PRAGMA user_version"));
        if (!failure) version = query.next() ? query.value(0).toInt() : 0;
        query.finish();
        if (!failure && version > schemaVersion()) failure = fault(StorageFault::newerVersion);
        if (!failure && version == schemaVersion()) {
            if (database.commit()) break;
            failure = fault(database.lastError());
        }
        if (failure) {
            database.rollback();
            return failure;
        }
        if (version < static_cast<int>(migrations.size())) {
            for (const char* statement : migrations[static_cast<std::size_t>(version)])
                if (!failure) failure = run(query, QString::fromLatin1(statement));
        } else if (const std::optional<QSqlError> error = addNamedAttemptColumns(database)) {
            failure = fault(*error);
        }
        if (!failure) failure = run(query, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        if (!failure && !database.commit()) failure = fault(database.lastError());
        if (failure) {
            database.rollback();
            return failure;
        }
        ++version;
    }
    m_open = true;
    return std::nullopt;
}

std::optional<StoreFault> SqliteProgressStore::keep(const PracticeAttempt& attempt)
{
    if (std::optional<StoreFault> failure = open()) return failure;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    if (!database.transaction()) return fault(database.lastError());

    const auto fail = [&](const QSqlError& error) {
        const StoreFault failure = fault(error);
        database.rollback();
        return std::optional<StoreFault>(failure);
    };
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT INTO attempt (uuid, surname, given_name, trainee_group, finished_at, source, "
                                 "seed, seconds_taken, exercise) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(QString::fromStdString(attempt.id.empty() ? newAttemptId() : attempt.id));
    query.addBindValue(QString::fromStdString(attempt.surname));
    query.addBindValue(QString::fromStdString(attempt.givenName));
    query.addBindValue(QString::fromStdString(attempt.group));
    query.addBindValue(QVariant::fromValue<qint64>(attempt.finishedAt));
    query.addBindValue(QString::fromStdString(attempt.source));
    query.addBindValue(attempt.seed ? QVariant(QString::number(*attempt.seed)) : QVariant());
    query.addBindValue(QVariant::fromValue<qint64>(attempt.secondsTaken));
    query.addBindValue(QString::fromStdString(attempt.exercise));
    if (!query.exec()) return fail(query.lastError());
    const QVariant id = query.lastInsertId();

    query.prepare(QStringLiteral("INSERT INTO answer (attempt_id, question, given, right) VALUES (?, ?, ?, ?)"));
    for (std::size_t i = 0; i < questionCount; ++i) {
        query.addBindValue(id);
        query.addBindValue(QString::fromLatin1(questionKey(allQuestions[i])));
        query.addBindValue(QString::fromStdString(attempt.answers[i]));
        query.addBindValue(attempt.right[i] ? 1 : 0);
        if (!query.exec()) return fail(query.lastError());
    }
    if (!database.commit()) return fail(database.lastError());
    return std::nullopt;
}

StoreReadout SqliteProgressStore::read(int recentCount, const std::optional<Trainee>& trainee)
{
    StoreReadout readout;
    readout.fault = open();
    if (readout.fault) return readout;
    const QString whose = trainee ? QStringLiteral(" WHERE a.surname = ? AND a.given_name = ?") : QString();
    const auto bindTrainee = [&trainee](QSqlQuery& query) {
        if (!trainee) return;
        query.addBindValue(QString::fromStdString(trainee->surname));
        query.addBindValue(QString::fromStdString(trainee->givenName));
    };
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT a.finished_at, a.seconds_taken, SUM(r.right) FROM attempt a "
                                 "JOIN answer r ON r.attempt_id = a.id") +
                  whose + QStringLiteral(" GROUP BY a.id ORDER BY a.finished_at DESC, a.id DESC LIMIT ?"));
    bindTrainee(query);
    query.addBindValue(recentCount);
    if (!query.exec()) {
        readout.fault = fault(query.lastError());
        return readout;
    }
    while (query.next())
        readout.recent.push_back({query.value(0).toLongLong(), query.value(2).toInt(), query.value(1).toLongLong()});
    query.prepare(QStringLiteral("SELECT r.question, SUM(r.right), COUNT(*) FROM answer r "
                                 "JOIN attempt a ON a.id = r.attempt_id") +
                  whose + QStringLiteral(" GROUP BY r.question"));
    bindTrainee(query);
    if (!query.exec()) {
        readout.fault = fault(query.lastError());
        return readout;
    }
    while (query.next()) {
        const std::string key = query.value(0).toString().toStdString();
        for (std::size_t i = 0; i < questionCount; ++i)
            if (questionKey(allQuestions[i]) == key)
                readout.records[i] = {query.value(1).toInt(), query.value(2).toInt()};
    }
    return readout;
}

std::optional<StoreFault> SqliteProgressStore::exportCsv(const QString& file)
{
    // A newer version's file, opened but left as it is, is only read here: its steps only ever add, so
    // what this version knows of it is there to export.
    if (std::optional<StoreFault> failure = open(); failure && failure->fault != StorageFault::newerVersion)
        return failure;
    QSqlQuery attempts(QSqlDatabase::database(m_connection, false));
    attempts.setForwardOnly(true);
    if (!attempts.exec(selectAttempts(QStringLiteral("ORDER BY finished_at, id")))) return fault(attempts.lastError());
    QSqlQuery answers(QSqlDatabase::database(m_connection, false));
    prepareAnswers(answers);

    // Row by row into the file, each attempt marked again from its exercise as every export marks it.
    KeptFile kept(file);
    const auto written = [&](const std::string& text) { return kept.write(QByteArrayView(text)); };
    const auto writeFault = [&] {
        return StoreFault{StorageFault::writeError, file,
                          QString::fromStdString(systemReason(kept.systemError(), userLanguage()))};
    };
    if (!kept.open() || !written(progressCsvHeader())) return writeFault();
    AttemptMarker mark;
    for (PracticeAttempt attempt; attempts.next();) {
        if (const auto failure = readAttempt(attempts, answers, attempt)) return fault(*failure);
        mark(attempt);
        if (!written(progressCsvRow(attempt))) return writeFault();
    }
    if (!kept.commit()) return writeFault();
    return std::nullopt;
}

std::optional<QString> SqliteProgressStore::takeSetAside()
{
    return std::exchange(m_setAside, std::nullopt);
}

std::variant<std::vector<PracticeAttempt>, StoreFault> SqliteProgressStore::unsent(int count)
{
    if (std::optional<StoreFault> failure = open()) return *failure;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    auto found = unsentAttempts(database, count);
    if (auto* error = std::get_if<QSqlError>(&found)) return fault(*error);
    return std::move(std::get<std::vector<PracticeAttempt>>(found));
}

std::variant<int, StoreFault> SqliteProgressStore::unsentCount()
{
    if (std::optional<StoreFault> failure = open()) return *failure;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    const auto count = tavelle::unsentCount(database);
    if (const auto* error = std::get_if<QSqlError>(&count)) return fault(*error);
    return std::get<int>(count);
}

std::optional<StoreFault> SqliteProgressStore::markSent(const std::vector<std::string>& ids)
{
    if (std::optional<StoreFault> failure = open()) return failure;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    if (const std::optional<QSqlError> error = tavelle::markSent(database, ids)) return fault(*error);
    return std::nullopt;
}

}  // namespace tavelle
