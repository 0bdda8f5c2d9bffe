#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace tavelle {

// Every way the program is told to end goes the way of its own "Quitter", so that a print under way has
// its outcome (or is cancelled) and the trainee's progress is kept:
// - SIGTERM, SIGINT and SIGHUP (a log-out, Ctrl+C, a closed terminal) reach the event loop, which calls
//   `quit`, as Quitter does;
// - an exit() called under the program, as Qt's X11 plugin calls it when the display is lost, first runs
//   `whenCutShort`, which ends what `quit` and the return from the event loop would have.
// One at a time: the signals' handlers and the exit's handler are the process's own. Needs a
// QCoreApplication; the signals end the program as before once it is destroyed.
class OrderlyEnd final {
public:
    OrderlyEnd(std::function<void()> quit, std::function<void()> whenCutShort);
    ~OrderlyEnd();
    OrderlyEnd(const OrderlyEnd&) = delete;
    OrderlyEnd& operator=(const OrderlyEnd&) = delete;

    // The event loop has returned: the program ends as it should, and an exit() is no longer a cut.
    void endedInOrder();

private:
    std::function<void()> m_quit;
    std::unique_ptr<QSocketNotifier> m_signalled;
};

}  // namespace tavelle
