#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tavelle {

// Abandons a call on a server connection that takes longer than its bound. libpq's own timeouts bound
// connecting and a dead link, not a server that acknowledges and never answers (stopped, or its machine
// swapping): from a thread of its own, the watchdog then shuts the connection's socket down, and the
// call returns at once with a broken connection, which the caller closes.
class CallWatchdog {
public:
    explicit CallWatchdog(std::chrono::milliseconds bound);
    ~CallWatchdog();
    CallWatchdog(const CallWatchdog&) = delete;
    CallWatchdog& operator=(const CallWatchdog&) = delete;

    // While it lives, the socket is shut down once the bound passes from its making or its last again().
    class Watch {
    public:
        ~Watch();
        Watch(const Watch&) = delete;
        Watch& operator=(const Watch&) = delete;
        // Another call on the connection: its own bound from now.
        void again();

    private:
        friend class CallWatchdog;
        explicit Watch(CallWatchdog& watchdog)
            : m_watchdog(watchdog)
        {
        }
        CallWatchdog& m_watchdog;
    };

    // `socket` is the connection's (libpq's PQsocket); nothing is watched when it is negative.
    [[nodiscard]] Watch watch(int socket);
    // Whether the last watch ended with the socket shut down.
    bool cut() const;

private:
    void arm(int socket);
    void run();

    const std::chrono::milliseconds m_bound;
    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    int m_socket = -1;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_cut = false;
    bool m_ending = false;
    std::thread m_thread;  // started at the first watch
};

}  // namespace tavelle
