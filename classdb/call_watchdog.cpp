#include "classdb/call_watchdog.h"

#include <pthread.h>
#include <sys/socket.h>

namespace tavelle {

CallWatchdog::CallWatchdog(std::chrono::milliseconds bound)
    : m_bound(bound)
{
}

CallWatchdog::~CallWatchdog()
{
    {
        const std::lock_guard hold(m_lock);
        m_ending = true;
        m_changed.notify_all();
    }
    if (m_thread.joinable()) m_thread.join();
}

CallWatchdog::Watch CallWatchdog::watch(int socket)
{
    arm(socket);
    return Watch(*this);
}

void CallWatchdog::arm(int socket)
{
    const std::lock_guard hold(m_lock);
    if (!m_thread.joinable()) {
        m_thread = std::thread([this] { run(); });
        pthread_setname_np(m_thread.native_handle(), "call-watchdog");
    }
    m_socket = socket;
    m_cut = false;
    m_deadline = std::chrono::steady_clock::now() + m_bound;
    m_changed.notify_all();
}

void CallWatchdog::Watch::again()
{
    const std::lock_guard hold(m_watchdog.m_lock);
    if (m_watchdog.m_socket < 0) return;
    m_watchdog.m_deadline = std::chrono::steady_clock::now() + m_watchdog.m_bound;
    m_watchdog.m_changed.notify_all();
}

CallWatchdog::Watch::~Watch()
{
    // Under the lock: the socket is never shut once the call has ended (it may be another's by then).
    const std::lock_guard hold(m_watchdog.m_lock);
    m_watchdog.m_socket = -1;
}

bool CallWatchdog::cut() const
{
    const std::lock_guard hold(m_lock);
    return m_cut;
}

void CallWatchdog::run()
{
    std::unique_lock hold(m_lock);
    while (!m_ending) {
        if (m_socket < 0) {
            m_changed.wait(hold);
        } else if (std::chrono::steady_clock::now() < m_deadline) {
            m_changed.wait_until(hold, m_deadline);
        } else {
            ::shutdown(m_socket, SHUT_RDWR);
            m_socket = -1;
            m_cut = true;
        }
    }
}

}  // namespace tavelle
