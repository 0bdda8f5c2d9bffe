#pragma once

#include "core/progress/account_check.h"
#include "core/progress/class_database_texts.h"
#include "core/progress/practice_attempt.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tavelle {

// Why the class database did not do what was asked: the fault, the server's own words, and the server as
// messages name it (shownServer(), never with a password).
struct ServerFailure {
    ServerFault fault = ServerFault::other;
    QString detail;
    QString server;

    QString text() const
    {
        return QString::fromStdString(serverFaultText(fault, server.toStdString(), detail.toStdString()));
    }
};

// What became of a batch of attempts sent to the class database.
struct SendReport {
    std::optional<ServerFailure> failure;  // when set, nothing of the batch was kept
    std::vector<std::string> added;  // ids the server keeps from now on
    std::vector<std::string> alreadyThere;  // ids it kept before: sent once already
};

// The training centre's database of every trainee's attempts (PostgreSQL). Each call connects when it
// must, and may wait on the server: call it from a worker, never from the window's thread.
class ClassDatabase {
public:
    virtual ~ClassDatabase() = default;

    // Brings the server's schema to this program's version; for the administrator, once. `fromVersion`
    // and `toVersion` tell what was done.
    virtual std::optional<ServerFailure> prepare(int& fromVersion, int& toVersion) = 0;
    // Sends the attempts in one transaction: all of them are on the server afterwards, or none is added.
    // An attempt whose id the server holds already is not added again.
    virtual SendReport send(const std::vector<PracticeAttempt>& attempts) = 0;
    // The connected trainee's own results, the newest first.
    virtual std::variant<std::vector<PastResult>, ServerFailure> ownRecentResults(int count) = 0;
    // Every attempt the account may read (an instructor: all; a trainee: their own), or one group's, as
    // the progress CSV, in the order they were finished, each marked again from its exercise: the header,
    // then each row as the server gives it, through `write`, which returns false to stop (its own fault,
    // which the caller tells). Holds one row at a time, however many there are.
    virtual std::optional<ServerFailure> writeProgressCsv(const std::optional<QString>& group,
                                                          const std::function<bool(const std::string&)>& write) = 0;
    // What the account that logged in may do, as the server grants it, and how this machine reaches it.
    virtual std::variant<AccountFacts, ServerFailure> accountFacts() = 0;
};

}  // namespace tavelle
