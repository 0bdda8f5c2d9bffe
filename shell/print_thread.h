#pragma once

#include "screens/paper_screen.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tavelle {

class PrinterSystem;

// Everything that talks to the print system, off the window's thread, so that a print system that does
// not answer never stops the windows. Prints go one at a time, in order, on one thread of their own,
// started by the first.
class PrintThread {
public:
    struct Answer {
        std::string printer;  // the current printer after the print; empty when there was none
        bool printed = false;
    };
    // Called on the window's thread; without an answer when none came in time.
    using Done = std::function<void(std::optional<Answer>)>;

    explicit PrintThread(PrinterSystem& printers);
    // A print the print system still holds up is left to run on: the print module is never unloaded.
    ~PrintThread();
    PrintThread(const PrintThread&) = delete;
    PrintThread& operator=(const PrintThread&) = delete;

    // Looks up the printers, chooses the current one after `currentPrinter`, and prints the page on it;
    // then `done` is called with the answer, or without one after `bound`, whichever comes first. A print
    // not answered in time goes on alone, and its answer is dropped when it comes. One print at a time.
    void print(const PaperScreen& page, std::string currentPrinter, std::chrono::milliseconds bound, Done done);

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);
    void answered(std::uint64_t request, std::optional<Answer> answer);

    // Shared with the thread, which may outlive this object.
    std::shared_ptr<Shared> m_shared;
    bool m_started = false;
    std::uint64_t m_lastRequest = 0;
    std::uint64_t m_awaited = 0;
    Done m_done;
    // Receives the answers on the window's thread; events for it go with it.
    QObject m_receiver;
    QTimer m_bound;
};

}  // namespace tavelle
