#include "shell/progress_worker.h"

#include "core/progress/storage_fault.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace tavelle {

ProgressWorker::ProgressWorker(OpenStore openStore, std::chrono::milliseconds lockedRetries,
                               OpenClassDatabase openClassDatabase, std::chrono::milliseconds sendRetry)
    : m_openStore(std::move(openStore))
    , m_openClassDatabase(std::move(openClassDatabase))
    , m_lockedRetries(lockedRetries)
    , m_sendRetry(sendRetry)
    , m_thread(new QThread)
    , m_worker(new QObject)
{
    m_thread->setObjectName(QStringLiteral("progress"));
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
}

ProgressWorker::~ProgressWorker()
{
    if (!finish(finishBound()))
        std::fprintf(stderr, "tavelle: the progress store did not answer in time; the program ends without it\n");
}

void ProgressWorker::post(std::function<void(ProgressStore*)> job)
{
    QMetaObject::invokeMethod(
        m_worker,
        [this, job = std::move(job)] {
            if (!m_storeTried) {
                m_storeTried = true;
                m_store = m_openStore();
                if (m_openClassDatabase) m_classDatabase = m_openClassDatabase();
                if (m_classDatabase) {
                    m_retry = new QTimer(m_worker);
                    m_retry->setInterval(m_sendRetry);
                    QObject::connect(m_retry, &QTimer::timeout, m_worker, [this] { sendUnsent(m_store.get()); });
                }
            }
            job(m_store.get());
        },
        Qt::QueuedConnection);
}

template <typename Answer>
void ProgressWorker::answer(std::function<void(Answer)> done, Answer value)
{
    // Dropped, with the home object, when the asker has gone.
    QMetaObject::invokeMethod(
        &m_home, [done = std::move(done), value = std::move(value)]() mutable { done(std::move(value)); },
        Qt::QueuedConnection);
}

void ProgressWorker::keep(PracticeAttempt attempt, std::function<void(KeepOutcome)> done)
{
    post([this, attempt = std::move(attempt), done = std::move(done)](ProgressStore* store) mutable {
        KeepOutcome outcome;
        if (store == nullptr) {
            outcome.fault = StoreFault{StorageFault::noModule, {}, {}};
        } else {
            QElapsedTimer waited;
            waited.start();
            outcome.fault = store->keep(attempt);
            // Another program may hold the file a while: the attempt waits here for it, not the window.
            while (outcome.fault && outcome.fault->fault == StorageFault::locked &&
                   waited.elapsed() < m_lockedRetries.count())
                outcome.fault = store->keep(attempt);
            outcome.setAside = store->takeSetAside();
        }
        answer(std::move(done), std::move(outcome));
    });
}

void ProgressWorker::read(int recentCount, Trainee trainee, std::function<void(StoreReadout)> done)
{
    post([this, recentCount, trainee = std::move(trainee), done = std::move(done)](ProgressStore* store) mutable {
        StoreReadout readout;
        if (store == nullptr)
            readout.fault = StoreFault{StorageFault::noModule, {}, {}};
        else
            readout = store->read(recentCount, trainee);
        // A server that did not answer the last try is not waited for again here: its own results are
        // the local ones until it answers.
        if (m_classDatabase && m_serverAnswered && !readout.fault) {
            auto own = m_classDatabase->ownRecentResults(recentCount);
            if (auto* results = std::get_if<std::vector<PastResult>>(&own))
                readout.recent = std::move(*results);
            else
                m_serverAnswered = false;
        }
        answer(std::move(done), std::move(readout));
    });
}

void ProgressWorker::send()
{
    post([this](ProgressStore* store) { sendUnsent(store); });
}

void ProgressWorker::sendUnsent(ProgressStore* store)
{
    if (!m_classDatabase || store == nullptr) return;
    // In batches, each one transaction on the server then one here: a batch the server keeps but this
    // file does not mark is sent again, and the server keeps it once, by its ids.
    constexpr int batch = 500;
    SendOutcome outcome;
    for (;;) {
        auto unsent = store->unsent(batch);
        if (std::holds_alternative<StoreFault>(unsent)) break;
        const auto& attempts = std::get<std::vector<PracticeAttempt>>(unsent);
        if (attempts.empty()) break;
        SendReport report = m_classDatabase->send(attempts);
        if (report.failure) {
            outcome.failure = std::move(report.failure);
            break;
        }
        std::vector<std::string> held = std::move(report.added);
        held.insert(held.end(), report.alreadyThere.begin(), report.alreadyThere.end());
        if (store->markSent(held)) break;
        if (static_cast<int>(attempts.size()) < batch) break;
    }
    m_serverAnswered = !outcome.failure;
    const auto waiting = store->unsentCount();
    outcome.waiting = std::holds_alternative<int>(waiting) ? std::get<int>(waiting) : 0;
    if (outcome.waiting > 0 && !m_retry->isActive())
        m_retry->start();
    else if (outcome.waiting == 0)
        m_retry->stop();
    if (m_sentListener) answer(m_sentListener, std::move(outcome));
}

bool ProgressWorker::finish(std::chrono::milliseconds bound)
{
    if (m_finished) return true;
    // Queued after every job asked so far, so that none is lost.
    post([this](ProgressStore*) {
        if (m_retry) m_retry->stop();
        m_classDatabase.reset();
        m_store.reset();
        QThread::currentThread()->quit();
    });
    if (!m_thread->wait(QDeadlineTimer(bound.count()))) {
        // The thread still runs a job: it cannot be destroyed under it. The process ends around it.
        m_thread = nullptr;
        m_finished = true;
        return false;
    }
    delete m_thread;
    m_thread = nullptr;
    m_finished = true;
    return true;
}

}  // namespace tavelle
