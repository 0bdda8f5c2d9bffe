#include "shell/outside_destruction.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <xcb/xcb.h>

namespace tavelle {

namespace {

constexpr char destroyedOutsideMark[] = "tavelleDestroyedOutside";

class OutsideDestructionWatch final : public QObject, public QAbstractNativeEventFilter {
public:
    explicit OutsideDestructionWatch(QWidget& window)
        : QObject(&window)
        , m_window(&window)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t" || m_window.isNull()) return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const auto kind = event->response_type & 0x7F;
        if (kind == XCB_DESTROY_NOTIFY) {
            const auto* destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
            if (m_lostWindow == 0 && destroyed->window == m_window->internalWinId() && destroyed->window != 0) {
                m_lostWindow = destroyed->window;
                m_window->setProperty(destroyedOutsideMark, true);
                // Once this event is handled: the close may end an event loop that is delivering it.
                QMetaObject::invokeMethod(m_window, &QWidget::close, Qt::QueuedConnection);
            }
        }
        // Qt still unmaps and destroys the window it believes it has: the server's answer that there
        // is no such window is expected, not worth a warning.
        if (kind == 0 && m_lostWindow != 0) {
            const auto* error = reinterpret_cast<const xcb_generic_error_t*>(event);
            return error->resource_id == m_lostWindow;
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    xcb_window_t m_lostWindow = 0;
};

}  // namespace

void closeWhenDestroyedOutside(QWidget& window)
{
    new OutsideDestructionWatch(window);
}

bool wasDestroyedOutside(const QWidget& window)
{
    return window.property(destroyedOutsideMark).toBool();
}

}  // namespace tavelle
