#pragma once

#include "core/progress/storage_fault.h"
#include "shell/progress_store.h"

#include <chrono>

class QSqlError;
class QSqlQuery;

namespace tavelle {

// The trainee's progress in one SQLite file, through Qt SQL. The file is opened at the first use.
// Written ahead (WAL) with a busy timeout, so that two copies of the application practising at once
// both keep their results; each attempt is one transaction; a schema of an older version is migrated
// forward, never dropped; a damaged file is set aside under a new name and a new one begun, never
// overwritten. A symbolic link at the file's place is followed only to a file in the same folder.
class SqliteProgressStore final : public ProgressStore {
public:
    explicit SqliteProgressStore(QString file, std::chrono::milliseconds busyTimeout = std::chrono::seconds(5));
    ~SqliteProgressStore() override;
    SqliteProgressStore(const SqliteProgressStore&) = delete;
    SqliteProgressStore& operator=(const SqliteProgressStore&) = delete;

    std::optional<StoreFault> keep(const PracticeAttempt& attempt) override;
    StoreReadout read(int recentCount, const std::optional<Trainee>& trainee = std::nullopt) override;
    std::optional<StoreFault> exportCsv(const QString& file) override;
    std::optional<QString> takeSetAside() override;
    std::variant<std::vector<PracticeAttempt>, StoreFault> unsent(int count) override;
    std::variant<int, StoreFault> unsentCount() override;
    std::optional<StoreFault> markSent(const std::vector<std::string>& ids) override;

    // The schema version this program writes (PRAGMA user_version).
    static int schemaVersion();

private:
    std::optional<StoreFault> open();
    std::optional<StoreFault> openOnce();
    std::optional<StoreFault> linkOutOfFolder() const;
    void close();
    std::optional<StoreFault> setAside();
    StoreFault fault(StorageFault code, const QString& detail = {}) const;
    StoreFault fault(const QSqlError& error) const;
    std::optional<StoreFault> run(QSqlQuery& query, const QString& statement) const;

    QString m_file;
    QString m_connection;
    std::chrono::milliseconds m_busyTimeout;
    bool m_open = false;
    std::optional<QString> m_setAside;
};

}  // namespace tavelle
