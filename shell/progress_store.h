#pragma once

#include "core/practice/practice_texts.h"
#include "core/practice/trainee.h"
#include "core/progress/practice_attempt.h"
#include "core/progress/storage_fault.h"

#include <QString>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tavelle {

// Why a store could not do its work: the fault as a code (its French wording is the core's), the file it
// concerns as the trainee knows it, and the system's own words, for standard error only.
struct StoreFault {
    StorageFault fault = StorageFault::other;
    QString file;
    QString detail;

    std::string reason() const { return storageFaultReason(fault, file.toStdString()); }
};

// What the store holds, as the summary reads it.
struct StoreReadout {
    std::optional<StoreFault> fault;
    std::vector<PastResult> recent;  // newest first
    QuestionRecords records{};
};

// Where the trainee's finished practice exercises are kept. Every call either does all of its work or
// none of it. Calls may block (a lock, a slow disk, a server): the application makes them on its progress
// worker only, never on the window's thread, and one store is used by one thread only.
class ProgressStore {
public:
    virtual ~ProgressStore() = default;

    // Keeps one finished exercise.
    virtual std::optional<StoreFault> keep(const PracticeAttempt& attempt) = 0;
    // The results and shares of `trainee`'s attempts alone (a machine may be shared), of every attempt
    // without one.
    virtual StoreReadout read(int recentCount, const std::optional<Trainee>& trainee = std::nullopt) = 0;
    // Every attempt kept, as CSV.
    virtual std::optional<StoreFault> exportCsv(const QString& file) = 0;
    // The name a damaged file was set aside under when the store opened, once.
    virtual std::optional<QString> takeSetAside() = 0;

    // The attempts the class database does not hold yet, the oldest first, at most `count`.
    virtual std::variant<std::vector<PracticeAttempt>, StoreFault> unsent(int count) = 0;
    // How many attempts wait to be sent to the class database.
    virtual std::variant<int, StoreFault> unsentCount() = 0;
    // Marks these attempts as held by the class database, all or none.
    virtual std::optional<StoreFault> markSent(const std::vector<std::string>& ids) = 0;
};

}  // namespace tavelle
