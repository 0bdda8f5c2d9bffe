#include "tests/support/screen_probes.h"

#include "screens/screen_window.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <cstddef>
#include <fstream>

#include <malloc.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define TAVELLE_TEST_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVELLE_TEST_ADDRESS_SANITIZER 1
#endif
#endif

#ifdef TAVELLE_TEST_ADDRESS_SANITIZER
// From the sanitizer runtime's allocator interface; GCC ships the runtime without that header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace tavelle::testing {

namespace {

int screenCount(bool visibleOnly)
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<ScreenWindow*>(widget) != nullptr && (!visibleOnly || widget->isVisible())) ++count;
    return count;
}

}  // namespace

int visibleScreenCount()
{
    return screenCount(true);
}
int liveScreenCount()
{
    return screenCount(false);
}

void flushClosedScreens()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

#ifdef TAVELLE_TEST_ADDRESS_SANITIZER
const bool residentSizeIsMeaningful = false;
long heapInUse()
{
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
}
#else
const bool residentSizeIsMeaningful = true;
long heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
}
#endif

long residentBytes()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long total = 0;
    long resident = 0;
    statm >> total >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

MemorySample sampleMemory()
{
    return {heapInUse(), residentBytes()};
}

std::uintptr_t stackFrame()
{
    return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
}

void ScreenShowProbe::clearDepths()
{
    m_deepest = UINTPTR_MAX;
    m_deepestByAction.clear();
}

bool ScreenShowProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (const auto* screen = qobject_cast<ScreenWindow*>(watched)) {
            ++m_shows[screen->objectName().toStdString()];
            const std::uintptr_t frame = stackFrame();
            m_deepest = std::min(m_deepest, frame);
            const auto [place, inserted] = m_deepestByAction.try_emplace(m_action, frame);
            if (!inserted && frame < place->second) place->second = frame;
        }
    }
    return false;
}

}  // namespace tavelle::testing
