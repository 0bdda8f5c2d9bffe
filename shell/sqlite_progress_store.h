#pragma once

#include "shell/progress_store.h"

#include <chrono>

namespace tavelle {

class StorageFailure;

// The trainee's progress in one SQLite file, through Qt SQL. The file is opened at the first use.
// Written ahead (WAL) with a busy timeout, so that two copies of the application practising at once
// both keep their results; each attempt is one transaction; a schema of an older version is migrated
// forward, never dropped; a damaged file is set aside under a new name and a new one begun, never
// overwritten.
class SqliteProgressStore final : public ProgressStore {
public:
    explicit SqliteProgressStore(QString file, std::chrono::milliseconds busyTimeout = std::chrono::seconds(5));
    ~SqliteProgressStore() override;
    SqliteProgressStore(const SqliteProgressStore&) = delete;
    SqliteProgressStore& operator=(const SqliteProgressStore&) = delete;

    std::optional<QString> keep(const PracticeAttempt& attempt) override;
    std::vector<PastResult> recentResults(int count) override;
    QuestionRecords questionRecords() override;
    std::optional<QString> exportCsv(const QString& file) override;
    std::optional<QString> takeNotice() override;

    // The schema version this program writes (PRAGMA user_version).
    static int schemaVersion();

private:
    std::optional<QString> open();
    std::optional<StorageFailure> openOnce();
    void close();
    std::optional<QString> setAside();

    QString m_file;
    QString m_connection;
    std::chrono::milliseconds m_busyTimeout;
    bool m_open = false;
    std::optional<QString> m_notice;
};

}  // namespace tavelle
