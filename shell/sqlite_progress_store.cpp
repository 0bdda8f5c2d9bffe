#include "shell/sqlite_progress_store.h"

#include "core/practice_texts.h"
#include "platform/kept_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <atomic>

namespace tavelle {

// Why the progress could not be kept, with the system's own words.
class StorageFailure {
public:
    StorageFailure(StorageFault fault, QString detail = {})
        : m_fault(fault)
        , m_detail(std::move(detail))
    {
    }
    StorageFault fault() const { return m_fault; }
    QString reason(const QString& file) const
    {
        return QString::fromStdString(storageFaultReason(m_fault, file.toStdString(), m_detail.toStdString()));
    }

private:
    StorageFault m_fault;
    QString m_detail;
};

namespace {

// Each step takes the schema from the version before it to its own (its index + 1), in one transaction.
// Steps are only ever added: a kept file is never rebuilt.
const std::array<std::array<const char*, 2>, 1> migrations{{
    {"CREATE TABLE attempt (id INTEGER PRIMARY KEY, finished_at INTEGER NOT NULL, source TEXT NOT NULL, "
     "seed TEXT, seconds_taken INTEGER NOT NULL, exercise TEXT NOT NULL)",
     "CREATE TABLE answer (attempt_id INTEGER NOT NULL REFERENCES attempt(id), question TEXT NOT NULL, "
     "given TEXT NOT NULL, right INTEGER NOT NULL, PRIMARY KEY (attempt_id, question))"},
}};


StorageFailure failureOf(const QSqlError& error)
{
    // The driver reports SQLite's extended result code; its low byte is the primary code.
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (!number) return {StorageFault::other, detail};
    switch (code) {
    case 5:   // SQLITE_BUSY
    case 6:   // SQLITE_LOCKED
        return {StorageFault::locked, detail};
    case 8:   // SQLITE_READONLY
    case 3:   // SQLITE_PERM
        return {StorageFault::readOnly, detail};
    case 13:  // SQLITE_FULL
        return {StorageFault::diskFull, detail};
    case 14:  // SQLITE_CANTOPEN
        return {StorageFault::cannotOpen, detail};
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
        return {StorageFault::corrupt, detail};
    case 10:  // SQLITE_IOERR
        return {StorageFault::writeError, detail};
    default: return {StorageFault::other, detail};
    }
}

// Runs one statement; the failure when it fails.
std::optional<StorageFailure> run(QSqlQuery& query, const QString& statement)
{
    if (query.exec(statement)) return std::nullopt;
    return failureOf(query.lastError());
}

QString uniqueConnectionName()
{
    static std::atomic<int> count{0};
    return QStringLiteral("tavelle-progress-%1").arg(count++);
}

}  // namespace

SqliteProgressStore::SqliteProgressStore(QString file, std::chrono::milliseconds busyTimeout)
    : m_file(std::move(file))
    , m_connection(uniqueConnectionName())
    , m_busyTimeout(busyTimeout)
{
}

SqliteProgressStore::~SqliteProgressStore() { close(); }

int SqliteProgressStore::schemaVersion() { return static_cast<int>(migrations.size()); }

void SqliteProgressStore::close()
{
    if (!QSqlDatabase::contains(m_connection)) return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
    m_open = false;
}

std::optional<QString> SqliteProgressStore::open()
{
    if (m_open) return std::nullopt;
    std::optional<StorageFailure> failure = openOnce();
    if (failure && failure->fault() == StorageFault::corrupt && QFileInfo(m_file).isFile()) {
        if (std::optional<QString> notSetAside = setAside()) return notSetAside;
        failure = openOnce();
    }
    if (failure) return failure->reason(m_file);
    return std::nullopt;
}

std::optional<QString> SqliteProgressStore::setAside()
{
    close();
    const QString aside =
        m_file + QStringLiteral(".endommagé-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    if (QFile::exists(aside) || !QFile::rename(m_file, aside)) return StorageFailure(StorageFault::corrupt).reason(m_file);
    // The journal of a damaged file belongs with it.
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFile::exists(m_file + suffix)) QFile::rename(m_file + suffix, aside + suffix);
    m_notice = QString::fromStdString(damagedFileSetAside(m_file.toStdString(), QFileInfo(aside).fileName().toStdString()));
    return std::nullopt;
}

std::optional<StorageFailure> SqliteProgressStore::openOnce()
{
    close();
    const QFileInfo info(m_file);
    if (!QDir().mkpath(info.absolutePath()))
        return StorageFailure(StorageFault::cannotOpen, QStringLiteral("dossier impossible à créer"));

    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!database.isValid()) return StorageFailure(StorageFault::other, QStringLiteral("pilote SQLite absent"));
    database.setDatabaseName(m_file);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeout.count()));
    if (!database.open()) return failureOf(database.lastError());

    QSqlQuery query(database);
    // A file that is not a database, or a damaged one, fails here, before anything is written.
    if (auto failure = run(query, QStringLiteral("PRAGMA quick_check"))) return failure;
    if (!query.next() || query.value(0).toString() != QStringLiteral("ok"))
        return StorageFailure(StorageFault::corrupt);
    if (auto failure = run(query, QStringLiteral("PRAGMA user_version"))) return failure;
    int version = query.next() ? query.value(0).toInt() : 0;
    if (version > schemaVersion()) return StorageFailure(StorageFault::newerVersion);

    // Another copy practising at the same time reads while this one writes.
    if (auto failure = run(query, QStringLiteral("PRAGMA journal_mode=WAL"))) return failure;
    while (version < schemaVersion()) {
        if (!database.transaction()) return failureOf(database.lastError());
        std::optional<StorageFailure> failure;
        for (const char* statement : migrations[static_cast<std::size_t>(version)])
            if (!failure) failure = run(query, QString::fromLatin1(statement));
        if (!failure) failure = run(query, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        if (!failure && !database.commit()) failure = failureOf(database.lastError());
        if (failure) {
            database.rollback();
            return failure;
        }
        ++version;
    }
    m_open = true;
    return std::nullopt;
}

std::optional<QString> SqliteProgressStore::keep(const PracticeAttempt& attempt)
{
    if (std::optional<QString> failure = open()) return failure;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    if (!database.transaction()) return failureOf(database.lastError()).reason(m_file);

    const auto fail = [&](const QSqlError& error) {
        database.rollback();
        return std::optional<QString>(failureOf(error).reason(m_file));
    };
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT INTO attempt (finished_at, source, seed, seconds_taken, exercise) "
                                 "VALUES (?, ?, ?, ?, ?)"));
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

std::vector<PastResult> SqliteProgressStore::recentResults(int count)
{
    std::vector<PastResult> results;
    if (open()) return results;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT a.finished_at, a.seconds_taken, SUM(r.right) FROM attempt a "
                                 "JOIN answer r ON r.attempt_id = a.id GROUP BY a.id "
                                 "ORDER BY a.finished_at DESC, a.id DESC LIMIT ?"));
    query.addBindValue(count);
    if (!query.exec()) return results;
    while (query.next())
        results.push_back({query.value(0).toLongLong(), query.value(2).toInt(), query.value(1).toLongLong()});
    return results;
}

QuestionRecords SqliteProgressStore::questionRecords()
{
    QuestionRecords records{};
    if (open()) return records;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("SELECT question, SUM(right), COUNT(*) FROM answer GROUP BY question")))
        return records;
    while (query.next()) {
        const std::string key = query.value(0).toString().toStdString();
        for (std::size_t i = 0; i < questionCount; ++i)
            if (questionKey(allQuestions[i]) == key) records[i] = {query.value(1).toInt(), query.value(2).toInt()};
    }
    return records;
}

std::optional<QString> SqliteProgressStore::exportCsv(const QString& file)
{
    if (std::optional<QString> failure = open()) return failure;
    QSqlQuery attempts(QSqlDatabase::database(m_connection, false));
    attempts.setForwardOnly(true);
    if (!attempts.exec(QStringLiteral("SELECT id, finished_at, source, seed, seconds_taken, exercise FROM attempt "
                                      "ORDER BY finished_at, id")))
        return failureOf(attempts.lastError()).reason(m_file);
    QSqlQuery answers(QSqlDatabase::database(m_connection, false));
    answers.prepare(QStringLiteral("SELECT question, given, right FROM answer WHERE attempt_id = ?"));

    std::string csv = progressCsvHeader();
    while (attempts.next()) {
        PracticeAttempt attempt;
        attempt.finishedAt = attempts.value(1).toLongLong();
        attempt.source = attempts.value(2).toString().toStdString();
        if (!attempts.value(3).isNull()) attempt.seed = attempts.value(3).toString().toULongLong();
        attempt.secondsTaken = attempts.value(4).toLongLong();
        attempt.exercise = attempts.value(5).toString().toStdString();
        answers.addBindValue(attempts.value(0));
        if (!answers.exec()) return failureOf(answers.lastError()).reason(m_file);
        while (answers.next()) {
            const std::string key = answers.value(0).toString().toStdString();
            for (std::size_t i = 0; i < questionCount; ++i) {
                if (questionKey(allQuestions[i]) != key) continue;
                attempt.answers[i] = answers.value(1).toString().toStdString();
                attempt.right[i] = answers.value(2).toInt() != 0;
            }
        }
        csv += progressCsvRow(attempt);
    }
    KeptFile kept(file);
    if (!kept.open() || kept.device().write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
        !kept.commit())
        return StorageFailure(StorageFault::writeError, kept.errorString()).reason(file);
    return std::nullopt;
}

std::optional<QString> SqliteProgressStore::takeNotice() { return std::exchange(m_notice, std::nullopt); }

}  // namespace tavelle
