#include "shell/job_thread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

#include <pthread.h>

namespace tavelle {

struct JobQueueState {
    std::mutex lock;
    std::condition_variable changed;
    std::deque<std::function<void()>> jobs;
    std::optional<JobQueue::Clock::time_point> timedAt;
    std::function<void()> timed;
    bool ending = false;
    bool ended = false;
};

namespace {

void runJobs(const std::shared_ptr<JobQueueState>& state)
{
    std::unique_lock hold(state->lock);
    for (;;) {
        std::function<void()> job;
        if (!state->jobs.empty()) {
            job = std::move(state->jobs.front());
            state->jobs.pop_front();
        } else if (state->ending) {
            break;
        } else if (state->timedAt && JobQueue::Clock::now() >= *state->timedAt) {
            job = std::move(state->timed);
            state->timedAt.reset();
        } else {
            if (state->timedAt)
                state->changed.wait_until(hold, *state->timedAt);
            else
                state->changed.wait(hold);
            continue;
        }
        hold.unlock();
        job();
        // What the job held goes here, outside the lock.
        job = nullptr;
        hold.lock();
    }
    state->ended = true;
    state->changed.notify_all();
}

}  // namespace

JobQueue::JobQueue(std::shared_ptr<JobQueueState> state)
    : m_state(std::move(state))
{
}

void JobQueue::post(std::function<void()> job) const
{
    const std::lock_guard hold(m_state->lock);
    if (m_state->ended) return;
    m_state->jobs.push_back(std::move(job));
    m_state->changed.notify_all();
}

void JobQueue::postAt(Clock::time_point when, std::function<void()> job) const
{
    std::function<void()> replaced;
    const std::lock_guard hold(m_state->lock);
    if (m_state->ending) return;
    replaced = std::exchange(m_state->timed, std::move(job));
    if (m_state->timed)
        m_state->timedAt = when;
    else
        m_state->timedAt.reset();
    m_state->changed.notify_all();
}

JobThread::JobThread(const char* name)
    : m_state(std::make_shared<JobQueueState>())
    , m_queue(m_state)
    , m_thread([state = m_state] { runJobs(state); })
{
    pthread_setname_np(m_thread.native_handle(), name);
}

JobThread::~JobThread()
{
    finish(JobQueue::Clock::now());
}

bool JobThread::finish(JobQueue::Clock::time_point deadline)
{
    if (m_finished) return true;
    m_finished = true;
    std::function<void()> timed;
    std::unique_lock hold(m_state->lock);
    m_state->ending = true;
    timed = std::move(m_state->timed);
    m_state->timedAt.reset();
    m_state->changed.notify_all();
    const bool ended = m_state->changed.wait_until(hold, deadline, [this] { return m_state->ended; });
    hold.unlock();
    if (ended)
        m_thread.join();
    else
        m_thread.detach();
    return ended;
}

}  // namespace tavelle
