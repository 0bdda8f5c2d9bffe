#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace tavelle {

// A tick every 20 ms on the window's thread; one that comes more than 100 ms after the one before is
// the window held.
class EventLoopLatency {
public:
    EventLoopLatency()
    {
        QObject::connect(&m_ticker, &QTimer::timeout, [this] {
            if (m_ticks++ > 0 && m_sinceTick.elapsed() > 100) ++m_late;
            m_sinceTick.restart();
        });
        m_ticker.start(20);
        m_sinceTick.start();
    }

    void stop() { m_ticker.stop(); }
    int ticks() const { return m_ticks; }
    int lateTicks() const { return m_late; }

private:
    QElapsedTimer m_sinceTick;
    QTimer m_ticker;
    int m_ticks = 0;
    int m_late = 0;
};

}  // namespace tavelle
