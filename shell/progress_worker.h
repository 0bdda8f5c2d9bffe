#pragma once

#include "classdb/class_database.h"
#include "shell/progress_store.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class QThread;
class QTimer;

namespace tavelle {

// The one thread that owns the progress store (a Qt SQL connection belongs to the thread that opened
// it). Its jobs run there one after the other, in the order they were asked; each answer comes back on
// the thread that asked, through its event loop, so the window never waits on the store nor on the
// class database. Keeping an attempt locally is one job; sending what is unsent to the class database is
// another, after it on the same thread, so that only what is kept is ever sent.
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

    // `openStore` and `openClassDatabase` run on the worker, at its first job. `lockedRetries` is how
    // long a store locked by another program is tried again before the attempt is said not kept. While
    // attempts wait for the class database, they are sent again every `sendRetry`.
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
    void onSent(std::function<void(SendOutcome)> listener) { m_sentListener = std::move(listener); }

    // Runs every job queued so far, then ends the thread; false when `bound` passed first.
    bool finish(std::chrono::milliseconds bound);
    std::chrono::milliseconds finishBound() const { return m_lockedRetries + std::chrono::seconds(10); }

private:
    void post(std::function<void(ProgressStore*)> job);
    template <typename Answer>
    void answer(std::function<void(Answer)> done, Answer value);

    void sendUnsent(ProgressStore* store);

    OpenStore m_openStore;
    OpenClassDatabase m_openClassDatabase;
    std::chrono::milliseconds m_lockedRetries;
    std::chrono::milliseconds m_sendRetry;
    std::function<void(SendOutcome)> m_sentListener;
    QThread* m_thread = nullptr;
    QObject* m_worker = nullptr;  // lives on the thread
    QObject m_home;  // lives here: the answers are delivered through it
    std::unique_ptr<ProgressStore> m_store;  // used, made and destroyed on the thread only
    std::unique_ptr<ClassDatabase> m_classDatabase;  // likewise
    QTimer* m_retry = nullptr;  // likewise
    bool m_serverAnswered = true;  // at the last try; on the thread only
    bool m_storeTried = false;
    bool m_finished = false;
};

}  // namespace tavelle
