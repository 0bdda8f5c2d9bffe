#include "shell/progress_worker.h"

#include "core/progress/storage_fault.h"
#include "shell/job_thread.h"

#include <QElapsedTimer>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace tavelle {

// What the jobs of both threads use. Each part is used on one thread only, but for the asker's side,
// which is guarded by its lock.
struct ProgressWorker::State : std::enable_shared_from_this<State> {
    State(OpenStore open, std::chrono::milliseconds retries, OpenClassDatabase openClass,
          std::chrono::milliseconds retry, JobQueue sender)
        : openStore(std::move(open))
        , openClassDatabase(std::move(openClass))
        , lockedRetries(retries)
        , sendRetry(retry)
        , senderQueue(std::move(sender))
    {
    }

    const OpenStore openStore;
    const OpenClassDatabase openClassDatabase;
    const std::chrono::milliseconds lockedRetries;
    const std::chrono::milliseconds sendRetry;
    const JobQueue senderQueue;

    // The store's thread.
    std::unique_ptr<ProgressStore> store;
    bool storeTried = false;

    // The sender's thread.
    std::unique_ptr<ProgressStore> sendingStore;
    std::unique_ptr<ClassDatabase> classDatabase;
    bool senderTried = false;
    bool serverAnswered = true;  // at the last try
    std::atomic<bool> sendQueued = false;

    // The asker's side: gone (nullptr) once the owner finished.
    std::mutex homeLock;
    QObject* home = nullptr;
    std::function<void(SendOutcome)> sentListener;

    ProgressStore* openedStore()
    {
        if (!storeTried) {
            storeTried = true;
            store = openStore();
        }
        return store.get();
    }

    void openSender()
    {
        if (senderTried) return;
        senderTried = true;
        classDatabase = openClassDatabase();
        if (classDatabase) sendingStore = openStore();
    }

    template <typename Answer>
    void answer(std::function<void(Answer)> done, Answer value)
    {
        const std::lock_guard hold(homeLock);
        if (home == nullptr) return;
        // Dropped, with the home object, when the asker has gone.
        QMetaObject::invokeMethod(
            home, [done = std::move(done), value = std::move(value)]() mutable { done(std::move(value)); },
            Qt::QueuedConnection);
    }

    void answerSent(SendOutcome outcome)
    {
        std::function<void(SendOutcome)> listener;
        {
            const std::lock_guard hold(homeLock);
            listener = sentListener;
        }
        if (listener) answer(std::move(listener), std::move(outcome));
    }

    // On the store's thread, after what it kept: one send at most waits on the sender's queue, and it
    // sends everything unsent when it runs.
    void queueSend()
    {
        if (!openClassDatabase) return;
        // The sender's store opens after this one has brought the file to its schema, never beside it.
        openedStore();
        if (sendQueued.exchange(true)) return;
        senderQueue.post([state = shared_from_this()] {
            state->sendQueued = false;
            state->sendUnsent();
        });
    }

    void sendUnsent();
};

void ProgressWorker::State::sendUnsent()
{
    openSender();
    if (!classDatabase || !sendingStore) return;
    // In batches, each one transaction on the server then one here: a batch the server keeps but this
    // file does not mark is sent again, and the server keeps it once, by its ids.
    constexpr int batch = 500;
    SendOutcome outcome;
    for (;;) {
        auto unsent = sendingStore->unsent(batch);
        if (std::holds_alternative<StoreFault>(unsent)) break;
        const auto& attempts = std::get<std::vector<PracticeAttempt>>(unsent);
        if (attempts.empty()) break;
        SendReport report = classDatabase->send(attempts);
        if (report.failure) {
            outcome.failure = std::move(report.failure);
            break;
        }
        std::vector<std::string> held = std::move(report.added);
        held.insert(held.end(), report.alreadyThere.begin(), report.alreadyThere.end());
        if (sendingStore->markSent(held)) break;
        if (static_cast<int>(attempts.size()) < batch) break;
    }
    serverAnswered = !outcome.failure;
    const auto waiting = sendingStore->unsentCount();
    outcome.waiting = std::holds_alternative<int>(waiting) ? std::get<int>(waiting) : 0;
    if (outcome.waiting > 0)
        senderQueue.postAt(JobQueue::Clock::now() + sendRetry, [state = shared_from_this()] { state->sendUnsent(); });
    else
        senderQueue.postAt({}, {});
    answerSent(std::move(outcome));
}

ProgressWorker::ProgressWorker(OpenStore openStore, std::chrono::milliseconds lockedRetries,
                               OpenClassDatabase openClassDatabase, std::chrono::milliseconds sendRetry)
    : m_lockedRetries(lockedRetries)
    , m_home(std::make_unique<QObject>())
    , m_storeThread(std::make_unique<JobThread>("progress"))
    , m_senderThread(std::make_unique<JobThread>("class-sender"))
{
    m_state = std::make_shared<State>(std::move(openStore), lockedRetries, std::move(openClassDatabase), sendRetry,
                                      m_senderThread->queue());
    m_state->home = m_home.get();
}

ProgressWorker::~ProgressWorker()
{
    if (!finish(finishBound()))
        std::fprintf(stderr, "tavelle: the progress store did not answer in time; the program ends without it\n");
}

void ProgressWorker::onSent(std::function<void(SendOutcome)> listener)
{
    const std::lock_guard hold(m_state->homeLock);
    m_state->sentListener = std::move(listener);
}

void ProgressWorker::keep(PracticeAttempt attempt, std::function<void(KeepOutcome)> done)
{
    m_storeThread->queue().post([state = m_state, attempt = std::move(attempt), done = std::move(done)]() mutable {
        KeepOutcome outcome;
        if (ProgressStore* store = state->openedStore(); store == nullptr) {
            outcome.fault = StoreFault{StorageFault::noModule, {}, {}};
        } else {
            QElapsedTimer waited;
            waited.start();
            outcome.fault = store->keep(attempt);
            // Another program may hold the file a while: the attempt waits here for it, not the window.
            while (outcome.fault && outcome.fault->fault == StorageFault::locked &&
                   waited.elapsed() < state->lockedRetries.count())
                outcome.fault = store->keep(attempt);
            outcome.setAside = store->takeSetAside();
        }
        state->answer(std::move(done), std::move(outcome));
    });
}

void ProgressWorker::read(int recentCount, Trainee trainee, std::function<void(StoreReadout)> done)
{
    m_storeThread->queue().post([state = m_state, recentCount, trainee = std::move(trainee),
                                 done = std::move(done)]() mutable {
        StoreReadout readout;
        if (ProgressStore* store = state->openedStore(); store == nullptr)
            readout.fault = StoreFault{StorageFault::noModule, {}, {}};
        else
            readout = store->read(recentCount, trainee);
        if (!state->openClassDatabase || readout.fault) {
            state->answer(std::move(done), std::move(readout));
            return;
        }
        // The trainee's own results on the server, asked on the sender's thread, after what it sends.
        state->senderQueue.post([state, recentCount, readout = std::move(readout), done = std::move(done)]() mutable {
            state->openSender();
            // A server that did not answer the last try is not waited for again here: its own results
            // are the local ones until it answers.
            if (state->classDatabase && state->serverAnswered) {
                auto own = state->classDatabase->ownRecentResults(recentCount);
                if (auto* results = std::get_if<std::vector<PastResult>>(&own))
                    readout.recent = std::move(*results);
                else
                    state->serverAnswered = false;
            }
            state->answer(std::move(done), std::move(readout));
        });
    });
}

void ProgressWorker::send()
{
    m_storeThread->queue().post([state = m_state] { state->queueSend(); });
}

bool ProgressWorker::finish(std::chrono::milliseconds bound)
{
    if (m_finishedInTime) return *m_finishedInTime;
    const auto deadline = JobQueue::Clock::now() + bound;
    // Each store is closed on its own thread, after every job asked of it.
    m_storeThread->queue().post([state = m_state] { state->store.reset(); });
    const bool kept = m_storeThread->finish(deadline);
    m_senderThread->queue().post([state = m_state] {
        state->classDatabase.reset();
        state->sendingStore.reset();
    });
    const bool sent = m_senderThread->finish(deadline);
    {
        const std::lock_guard hold(m_state->homeLock);
        m_state->home = nullptr;
        m_state->sentListener = nullptr;
    }
    m_finishedInTime = kept && sent;
    return *m_finishedInTime;
}

}  // namespace tavelle
