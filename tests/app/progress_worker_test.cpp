// The progress worker's threads on their own (a run of its own under the sanitizers too).
#include "shell/progress_worker.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace tavelle::testing {
namespace {

using namespace std::chrono_literals;

struct StoreEvents {
    std::atomic<bool> kept = false;
    std::atomic<bool> closed = false;
};

// A store whose keep outlasts the owner's bound, as a file locked a long while does.
class SlowStore final : public ProgressStore {
public:
    explicit SlowStore(std::shared_ptr<StoreEvents> events)
        : m_events(std::move(events))
    {
    }
    ~SlowStore() override { m_events->closed = true; }

    std::optional<StoreFault> keep(const PracticeAttempt&) override
    {
        std::this_thread::sleep_for(300ms);
        m_events->kept = true;
        return std::nullopt;
    }
    StoreReadout read(int, const std::optional<Trainee>&) override { return {}; }
    std::optional<StoreFault> exportCsv(const QString&) override { return std::nullopt; }
    std::optional<QString> takeSetAside() override { return std::nullopt; }
    std::variant<std::vector<PracticeAttempt>, StoreFault> unsent(int) override
    {
        return std::vector<PracticeAttempt>{};
    }
    std::variant<int, StoreFault> unsentCount() override { return 0; }
    std::optional<StoreFault> markSent(const std::vector<std::string>&) override { return std::nullopt; }

private:
    std::shared_ptr<StoreEvents> m_events;
};

// The owner gives up at its bound while a keep still runs: the keep runs to its end on what it holds,
// its store is closed on its own thread after it, and no answer comes to the owner that has gone.
TEST(ProgressWorker, AKeepOutlivingTheBoundTouchesNothingFreed)
{
    const auto events = std::make_shared<StoreEvents>();
    bool answered = false;
    {
        ProgressWorker worker([events] { return std::make_unique<SlowStore>(events); }, 0ms);
        worker.keep(PracticeAttempt{}, [&answered](ProgressWorker::KeepOutcome) { answered = true; });
        worker.send();
        EXPECT_FALSE(worker.finish(20ms));
        EXPECT_FALSE(events->closed);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return events->kept && events->closed; }, 10'000));
    QCoreApplication::processEvents();
    EXPECT_FALSE(answered);
}

}  // namespace
}  // namespace tavelle::testing
