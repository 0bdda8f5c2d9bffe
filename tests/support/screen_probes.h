#pragma once

#include <QObject>

#include <cstdint>
#include <map>
#include <string>

class QEvent;

namespace tavelle::testing {

// Top-level screens that are shown, and that exist at all (closed ones go once their handler returns).
int visibleScreenCount();
int liveScreenCount();
// Deletes the screens closed so far, as the event loop does once the closing handler has returned.
void flushClosedScreens();

// Under AddressSanitizer the resident size says nothing of what the program still holds (freed blocks
// wait in a quarantine of up to 256 MiB), so only the heap in use is compared there.
extern const bool residentSizeIsMeaningful;
long heapInUse();
long residentBytes();

struct MemorySample {
    long heap = 0;
    long resident = 0;
};
MemorySample sampleMemory();

// The current stack frame's address; the stack grows down.
std::uintptr_t stackFrame();

// Watches every screen shown: how often each screen was shown, and how deep the stack was when it
// was, overall and by what the trainee did to show it. The same action showing its screen deeper
// later would be a navigation running inside an earlier one.
class ScreenShowProbe final : public QObject {
public:
    void setAction(std::string key) { m_action = std::move(key); }
    // Forgets the depths, not the counts.
    void clearDepths();

    std::uintptr_t deepestShow() const { return m_deepest; }
    const std::map<std::string, std::uintptr_t>& deepestShows() const { return m_deepestByAction; }
    const std::map<std::string, int>& shows() const { return m_shows; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string m_action;
    std::uintptr_t m_deepest = UINTPTR_MAX;
    std::map<std::string, std::uintptr_t> m_deepestByAction;  // lowest frame address
    std::map<std::string, int> m_shows;
};

}  // namespace tavelle::testing
