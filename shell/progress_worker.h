#pragma once

#include "classdb/class_database.h"
#include "shell/progress_store.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

namespace tavelle {

class JobThread;

// The threads that own the progress store and the class database (a Qt SQL connection belongs to the
// thread that opened it): the store's, where each attempt is kept and the progress read, and the
// sender's, where attempts go to the class database, so that keeping an attempt never waits on the
// network. Each thread runs its jobs one after the other, in the order they were asked; a send is asked
// of the sender once every keep asked before it is on disk, so that only what is kept is ever sent.
// Each answer comes back on the thread that asked, through its event loop, so the window never waits.
// What the jobs use is held by them: a job still running when the owner gives up waiting touches
// nothing freed.
class ProgressWorker {
public:
    using OpenStore = std::function<std::unique_ptr<ProgressStore>()>;
    // Gives nothing when attempts stay on this machine alone.
    using OpenClassDatabase = std::function<std::unique_ptr<ClassDatabase>()>;
    struct KeepOutcome {
        std::optional<StoreFault> fault;
        std::optional<QString> setAside;  // a damaged file set aside when the store opened
    };
    // Where the sending stands after a try: how many attempts still wait, and why the server did not
    // take them.
    struct SendOutcome {
        int waiting = 0;
        std::optional<ServerFailure> failure;
    };

    // `openStore` runs on each thread at its first job (the sender reads and marks what it sends through a
    // store of its own), `openClassDatabase` on the sender's. `lockedRetries` is how long a store locked
    // by another program is tried again before the attempt is said not kept. While attempts wait for the
    // class database, they are sent again every `sendRetry`.
    explicit ProgressWorker(OpenStore openStore, std::chrono::milliseconds lockedRetries = std::chrono::seconds(30),
                            OpenClassDatabase openClassDatabase = {},
                            std::chrono::milliseconds sendRetry = std::chrono::seconds(30));
    // Waits for what is queued, at most `finishBound()`.
    ~ProgressWorker();
    ProgressWorker(const ProgressWorker&) = delete;
    ProgressWorker& operator=(const ProgressWorker&) = delete;

    void keep(PracticeAttempt attempt, std::function<void(KeepOutcome)> done);
    // `trainee`'s: the recent results come from the class database when it answers, from the store otherwise.
    void read(int recentCount, Trainee trainee, std::function<void(StoreReadout)> done);
    // Sends every unsent attempt to the class database; each try's outcome, this one's and the retries',
    // goes to the listener. Nothing happens without a class database.
    void send();
    void onSent(std::function<void(SendOutcome)> listener);

    // Keeps every attempt queued so far and tries once more to send what waits, then ends the threads;
    // false when `bound` passed first (the threads then end alone, after their jobs). No answer comes after.
    bool finish(std::chrono::milliseconds bound);
    std::chrono::milliseconds finishBound() const { return m_lockedRetries + std::chrono::seconds(10); }

private:
    struct State;

    std::chrono::milliseconds m_lockedRetries;
    std::shared_ptr<State> m_state;
    std::unique_ptr<QObject> m_home;  // lives here: the answers are delivered through it
    std::unique_ptr<JobThread> m_storeThread;
    std::unique_ptr<JobThread> m_senderThread;
    std::optional<bool> m_finishedInTime;
};

}  // namespace tavelle
