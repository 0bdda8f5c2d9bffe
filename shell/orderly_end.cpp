#include "shell/orderly_end.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <utility>

namespace tavelle {

namespace {

constexpr int endingSignals[] = {SIGTERM, SIGINT, SIGHUP};
// What a signal handler and an exit handler may reach: plain values of the process's.
int signalSockets[2] = {-1, -1};
std::function<void()>* cutShort = nullptr;
bool exitHandlerRegistered = false;

extern "C" void noteEndingSignal(int)
{
    const int savedErrno = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

extern "C" void endWhatWasCutShort()
{
    const std::unique_ptr<std::function<void()>> end(std::exchange(cutShort, nullptr));
    if (end) (*end)();
}

}  // namespace

OrderlyEnd::OrderlyEnd(std::function<void()> quit, std::function<void()> whenCutShort)
    : m_quit(std::move(quit))
{
    cutShort = new std::function<void()>(std::move(whenCutShort));
    if (!exitHandlerRegistered) exitHandlerRegistered = std::atexit(endWhatWasCutShort) == 0;
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0) return;
    m_signalled = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    QObject::connect(m_signalled.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (read(signalSockets[1], bytes, sizeof bytes) > 0) {
        }
        m_quit();
    });
    struct sigaction action {};
    action.sa_handler = noteEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : endingSignals) sigaction(signal, &action, nullptr);
}

OrderlyEnd::~OrderlyEnd()
{
    for (const int signal : endingSignals) std::signal(signal, SIG_DFL);
    m_signalled.reset();
    for (int& socket : signalSockets) {
        if (socket >= 0) close(socket);
        socket = -1;
    }
    delete std::exchange(cutShort, nullptr);
}

void OrderlyEnd::endedInOrder()
{
    delete std::exchange(cutShort, nullptr);
}

}  // namespace tavelle
