#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

namespace tavelle::bench {

// Processes events until the window has been exposed, and so painted, on the display; false after
// five seconds without.
inline bool waitUntilPainted(QWidget& window)
{
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // The expose was painted as it was delivered; what it queued (the flush) goes now.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return true;
}

}  // namespace tavelle::bench
