#include "shell/print_thread.h"

#include "core/printer_choice.h"
#include "shell/printer_system.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace tavelle {

namespace {

// How long the program, when it ends, waits for a print under way.
constexpr std::chrono::seconds lastPrintWait{2};

}  // namespace

struct PrintThread::Shared {
    struct Request {
        std::uint64_t number = 0;
        PaperScreen page;
        std::string currentPrinter;
    };

    Shared(PrinterSystem& system, PrintThread& thread)
        : printers(system)
        , owner(&thread)
    {
    }

    PrinterSystem& printers;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Request> requests;
    // Gone once the PrintThread goes: answers are then dropped.
    PrintThread* owner;
    bool ending = false;
    bool ended = false;
};

PrintThread::PrintThread(PrinterSystem& printers)
    : m_shared(std::make_shared<Shared>(printers, *this))
{
    m_bound.setSingleShot(true);
    QObject::connect(&m_bound, &QTimer::timeout, &m_receiver, [this] { answered(m_awaited, std::nullopt); });
}

PrintThread::~PrintThread()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->owner = nullptr;
    if (!m_started) return;
    m_shared->ending = true;
    m_shared->changed.notify_all();
    m_shared->changed.wait_for(lock, lastPrintWait, [this] { return m_shared->ended; });
}

void PrintThread::print(const PaperScreen& page, std::string currentPrinter, std::chrono::milliseconds bound, Done done)
{
    m_awaited = ++m_lastRequest;
    m_done = std::move(done);
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->requests.push_back({m_awaited, page, std::move(currentPrinter)});
        m_shared->changed.notify_all();
    }
    if (!m_started) {
        std::thread([shared = m_shared] { run(shared); }).detach();
        m_started = true;
    }
    m_bound.start(bound);
}

void PrintThread::answered(std::uint64_t request, std::optional<Answer> answer)
{
    if (request != m_awaited || !m_done) return;
    m_bound.stop();
    m_awaited = 0;
    std::exchange(m_done, nullptr)(std::move(answer));
}

void PrintThread::run(const std::shared_ptr<Shared>& shared)
{
    for (;;) {
        std::unique_lock lock(shared->mutex);
        shared->changed.wait(lock, [&] { return shared->ending || !shared->requests.empty(); });
        if (shared->ending) {
            shared->ended = true;
            shared->changed.notify_all();
            return;
        }
        Shared::Request request = std::move(shared->requests.front());
        shared->requests.pop_front();
        lock.unlock();

        Answer answer;
        answer.printer = chooseCurrentPrinter(shared->printers.installedPrinters(), request.currentPrinter);
        answer.printed = !answer.printer.empty() && shared->printers.printPage(answer.printer, request.page);

        lock.lock();
        // The owner cannot go unseen: it forgets itself here under the same lock, before its receiver goes.
        if (PrintThread* owner = shared->owner) {
            QMetaObject::invokeMethod(
                &owner->m_receiver,
                [owner, number = request.number, answer = std::move(answer)] { owner->answered(number, answer); },
                Qt::QueuedConnection);
        }
    }
}

}  // namespace tavelle
