#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QPixmapCache>

#include <cstdint>

namespace tavelle::testing {
namespace {

struct Sample {
    std::uintptr_t deepestShow = 0;
    std::uintptr_t driverFrame = 0;
    long heap = 0;
    long resident = 0;
    int liveScreens = 0;
};

// A trainee working all day: exercise after exercise through the real event loop, so that closed
// screens are destroyed the way they are in the application.
class LongRunTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // The style keeps button pictures keyed by palette and forgets stale keys only every
        // thirty seconds; without it only the application's own memory is measured.
        m_pixmapCacheLimit = QPixmapCache::cacheLimit();
        QPixmapCache::setCacheLimit(0);
        qApp->installEventFilter(&m_probe);
    }

    void TearDown() override
    {
        qApp->removeEventFilter(&m_probe);
        QPixmapCache::setCacheLimit(m_pixmapCacheLimit);
        AppTest::TearDown();
    }

    void step()
    {
        const std::string name = screenName();
        if (name == "f1")
            click("Command1");
        else if (name == "Form2")
            enterExercise("1");
        else if (name == "Lance1")
            enterNozzle1();
        else
            click("Command1");  // statement, schematic, portion AB, then "Nouvel Exercice"
    }

    // Invoked from the event loop each time, never from the previous step.
    void drive()
    {
        if (::testing::Test::HasFailure()) {
            m_loop.quit();
            return;
        }
        step();
        ++m_navigations;
        if (m_navigations == 10 || m_navigations == kNavigations) {
            Sample& sample = m_navigations == 10 ? m_afterTen : m_afterAll;
            sample.deepestShow = m_probe.deepestShow();
            sample.driverFrame = stackFrame();
            sample.resident = residentBytes();
            sample.heap = heapInUse();
            sample.liveScreens = liveScreenCount();
        }
        if (m_navigations == kNavigations) {
            m_loop.quit();
            return;
        }
        QMetaObject::invokeMethod(
            &m_loop, [this] { drive(); }, Qt::QueuedConnection);
    }

    static constexpr int kNavigations = 10'000;
    QEventLoop m_loop;
    ScreenShowProbe m_probe;
    int m_pixmapCacheLimit = 0;
    int m_navigations = 0;
    Sample m_afterTen;
    Sample m_afterAll;
};

TEST_F(LongRunTest, TenThousandNavigationsKeepStackAndMemoryFlat)
{
    QMetaObject::invokeMethod(
        &m_loop, [this] { drive(); }, Qt::QueuedConnection);
    m_loop.exec();
    flush();

    ASSERT_EQ(m_navigations, kNavigations);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(programEnds, 0);
    // No navigation ran inside another: the stack is no deeper than after ten.
    EXPECT_EQ(m_afterAll.deepestShow, m_afterTen.deepestShow);
    EXPECT_EQ(m_afterAll.driverFrame, m_afterTen.driverFrame);
    // At a sampling point the screen just left may still await its deletion, no more.
    EXPECT_LE(m_afterTen.liveScreens, 2);
    EXPECT_LE(m_afterAll.liveScreens, 2);
    EXPECT_EQ(liveScreenCount(), 1);
    const long heapGrowth = m_afterAll.heap - m_afterTen.heap;
    RecordProperty("heap_kib_after_10", static_cast<int>(m_afterTen.heap / 1024));
    RecordProperty("heap_kib_after_10000", static_cast<int>(m_afterAll.heap / 1024));
    // Under 26 bytes a navigation: a screen left behind would cost kilobytes each time.
    EXPECT_LT(heapGrowth, 256L * 1024) << "heap grew by " << heapGrowth / 1024 << " KiB";
    const long residentGrowth = m_afterAll.resident - m_afterTen.resident;
    if (residentSizeIsMeaningful) {
        EXPECT_LT(residentGrowth, 2L * 1024 * 1024) << "resident memory grew by " << residentGrowth / 1024 << " KiB";
    }
}

}  // namespace
}  // namespace tavelle::testing
