#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace tavelle {

struct JobQueueState;

// Where jobs are given to a JobThread. A job may hold a copy of the queue to give it more.
class JobQueue {
public:
    using Clock = std::chrono::steady_clock;

    explicit JobQueue(std::shared_ptr<JobQueueState> state);

    // Runs `job` after the jobs given before it; dropped once the thread is asked to end and has run
    // what it had.
    void post(std::function<void()> job) const;
    // Runs `job` at `when`, in place of the one set before; nothing again when `job` is empty. Dropped
    // when the thread is asked to end.
    void postAt(Clock::time_point when, std::function<void()> job) const;

private:
    std::shared_ptr<JobQueueState> m_state;
};

// A thread of its own that runs the jobs it is given, one after the other, in the order given. The
// queue outlives the object: a job still running when the owner stops waiting runs to its end, and the
// thread ends after it, alone. What a job uses, it holds (std::shared_ptr), never the owner's members.
class JobThread {
public:
    // `name` (15 characters at most) names the thread in debuggers and sanitizers' reports.
    explicit JobThread(const char* name);
    // finish() without waiting when it was not called.
    ~JobThread();
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    const JobQueue& queue() const { return m_queue; }

    // Runs the jobs given so far, then ends the thread; false when `deadline` passed first: the thread
    // is then left to end after its last job.
    bool finish(JobQueue::Clock::time_point deadline);

private:
    std::shared_ptr<JobQueueState> m_state;
    JobQueue m_queue;
    std::thread m_thread;
    bool m_finished = false;
};

}  // namespace tavelle
