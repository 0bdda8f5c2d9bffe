#include "shell/progress_worker.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

namespace tavelle {

ProgressWorker::ProgressWorker(OpenStore openStore, std::chrono::milliseconds lockedRetries)
    : m_openStore(std::move(openStore))
    , m_lockedRetries(lockedRetries)
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

void ProgressWorker::read(int recentCount, std::function<void(StoreReadout)> done)
{
    post([this, recentCount, done = std::move(done)](ProgressStore* store) mutable {
        StoreReadout readout;
        if (store == nullptr)
            readout.fault = StoreFault{StorageFault::noModule, {}, {}};
        else
            readout = store->read(recentCount);
        answer(std::move(done), std::move(readout));
    });
}

bool ProgressWorker::finish(std::chrono::milliseconds bound)
{
    if (m_finished) return true;
    // Queued after every job asked so far, so that none is lost.
    post([this](ProgressStore*) {
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
