#pragma once

#include "shell/progress_store.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class QThread;

namespace tavelle {

// The one thread that owns the progress store (a Qt SQL connection belongs to the thread that opened
// it). Its jobs run there one after the other, in the order they were asked; each answer comes back on
// the thread that asked, through its event loop, so the window never waits on the store. Keeping an
// attempt locally is one job; a store that also sends attempts elsewhere would add a job of its own
// after it ("send what is unsent"), on the same thread, so that only what is kept is ever sent.
class ProgressWorker {
public:
    using OpenStore = std::function<std::unique_ptr<ProgressStore>()>;
    struct KeepOutcome {
        std::optional<StoreFault> fault;
        std::optional<QString> setAside;  // a damaged file set aside when the store opened
    };

    // `openStore` runs on the worker, at its first job. `lockedRetries` is how long a store locked by
    // another program is tried again before the attempt is said not kept.
    explicit ProgressWorker(OpenStore openStore, std::chrono::milliseconds lockedRetries = std::chrono::seconds(30));
    // Waits for what is queued, at most `finishBound()`.
    ~ProgressWorker();
    ProgressWorker(const ProgressWorker&) = delete;
    ProgressWorker& operator=(const ProgressWorker&) = delete;

    void keep(PracticeAttempt attempt, std::function<void(KeepOutcome)> done);
    void read(int recentCount, std::function<void(StoreReadout)> done);

    // Runs every job queued so far, then ends the thread; false when `bound` passed first.
    bool finish(std::chrono::milliseconds bound);
    std::chrono::milliseconds finishBound() const { return m_lockedRetries + std::chrono::seconds(10); }

private:
    void post(std::function<void(ProgressStore*)> job);
    template <typename Answer>
    void answer(std::function<void(Answer)> done, Answer value);

    OpenStore m_openStore;
    std::chrono::milliseconds m_lockedRetries;
    QThread* m_thread = nullptr;
    QObject* m_worker = nullptr;  // lives on the thread
    QObject m_home;               // lives here: the answers are delivered through it
    std::unique_ptr<ProgressStore> m_store;  // used, made and destroyed on the thread only
    bool m_storeTried = false;
    bool m_finished = false;
};

}  // namespace tavelle
