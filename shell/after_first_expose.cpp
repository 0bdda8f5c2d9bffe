#include "shell/after_first_expose.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWindow>

#include <utility>
#include <vector>

namespace tavelle {

namespace {

// Watches every event of the application until the first expose, then runs its work and leaves.
// One watcher holds all the work: filters installed later would see the expose first.
class FirstExposeWatcher final : public QObject {
public:
    explicit FirstExposeWatcher(QObject* application)
        : QObject(application)
    {
        application->installEventFilter(this);
    }

    void add(std::function<void()> work) { m_work.push_back(std::move(work)); }
    bool isWaiting() const { return !m_done; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType() && static_cast<QWindow*>(watched)->isExposed()) {
            parent()->removeEventFilter(this);
            // Queued: the window paints while this expose is delivered, and the work comes after.
            QMetaObject::invokeMethod(
                this, [this] { runAndLeave(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void runAndLeave()
    {
        m_done = true;  // work added from here on waits for the next expose
        for (const std::function<void()>& work : m_work) work();
        deleteLater();
    }

    std::vector<std::function<void()>> m_work;
    bool m_done = false;
};

}  // namespace

void afterFirstExpose(std::function<void()> work)
{
    QCoreApplication* application = QCoreApplication::instance();
    FirstExposeWatcher* watcher = nullptr;
    for (QObject* child : application->children()) {
        auto* candidate = dynamic_cast<FirstExposeWatcher*>(child);
        if (candidate != nullptr && candidate->isWaiting()) {
            watcher = candidate;
            break;
        }
    }
    if (watcher == nullptr) watcher = new FirstExposeWatcher(application);
    watcher->add(std::move(work));
}

}  // namespace tavelle
