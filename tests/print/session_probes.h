#pragma once

#include "screens/screen_window.h"

#include <QEvent>
#include <QObject>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <string>

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

namespace tavelle::test {

// Under AddressSanitizer freed blocks wait in a quarantine of up to 256 MiB before they are reused,
// so the resident size says nothing of what the program still holds; the sanitizer's allocator
// counts the blocks in use instead of the C library's.
#ifdef TAVELLE_TEST_ADDRESS_SANITIZER
inline constexpr bool residentSizeIsMeaningful = false;
inline long heapInUse()
{
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
}
#else
inline constexpr bool residentSizeIsMeaningful = true;
inline long heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
}
#endif

inline long residentBytes()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long total = 0;
    long resident = 0;
    statm >> total >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

struct MemorySample {
    long heap = 0;
    long resident = 0;
};

inline MemorySample sampleMemory()
{
    return {heapInUse(), residentBytes()};
}

// Watches every screen shown: how often each screen was shown, and how deep the stack was when it
// was, by what the trainee did to show it. The same action showing its screen deeper later in the
// session would be a navigation running inside an earlier one.
class ScreenShowProbe final : public QObject {
public:
    void setAction(std::string key) { m_action = std::move(key); }
    // Forgets the depths, not the counts.
    void clearDepths() { m_deepest.clear(); }

    const std::map<std::string, std::uintptr_t>& deepestShows() const { return m_deepest; }
    const std::map<std::string, int>& shows() const { return m_shows; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (const auto* screen = qobject_cast<ScreenWindow*>(watched)) {
                ++m_shows[screen->objectName().toStdString()];
                const auto frame = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
                const auto [place, inserted] = m_deepest.try_emplace(m_action, frame);
                if (!inserted && frame < place->second) place->second = frame;
            }
        }
        return false;
    }

private:
    std::string m_action;
    std::map<std::string, std::uintptr_t> m_deepest;  // lowest frame address: the stack grows down
    std::map<std::string, int> m_shows;
};

}  // namespace tavelle::test
