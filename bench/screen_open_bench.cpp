// How long each of the eleven screens takes to open: built from its design with its load work, shown,
// and exposed and painted on the display. The record first goes through a three-nozzle exercise, so
// that the statement, schematic and calculations show real values. The openings go round the eleven
// screens, as navigation does, so that no screen is measured only against its own warm caches.
// Prints one line per screen: "screen <name> <median ms> <first ms> <slowest ms>".
#include "bench/bench_screens.h"
#include "core/screens/screen_id.h"
#include "core/screens/screen_load.h"
#include "core/screens/walkthrough.h"
#include "platform/system_locale.h"
#include "screens/application_look.h"
#include "screens/screen_factory.h"
#include "screens/silent_host.h"
#include "tests/support/named_exercises.h"

#include <QApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int defaultOpenings = 50;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    tavelle::applyApplicationLook();
    QApplication::setQuitOnLastWindowClosed(false);
    const int openings = argc > 1 ? std::max(1, std::atoi(argv[1])) : defaultOpenings;

    tavelle::ExerciseRecord record;
    const std::string separator = tavelle::systemDecimalSeparator();
    if (!tavelle::walkExercise(tavelle::testing::walkThroughExercise(3), record, separator).accepted) {
        std::fprintf(stderr, "screen_open_bench: the three-nozzle exercise was refused\n");
        return 1;
    }
    tavelle::SilentHost host;

    constexpr std::size_t screenCount = std::size(tavelle::allScreens);
    std::array<std::vector<double>, screenCount> times;
    for (int round = 0; round < openings; ++round) {
        for (std::size_t i = 0; i < screenCount; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const tavelle::ScreenId id = tavelle::allScreens[i];
            std::unique_ptr<tavelle::ScreenWindow> screen = tavelle::createScreen(id, host);
            screen->showLoad(tavelle::loadScreen(id, record, separator));
            screen->show();
            if (!tavelle::bench::waitUntilPainted(*screen)) {
                std::fprintf(stderr, "screen_open_bench: %s was never exposed\n",
                             screen->objectName().toUtf8().constData());
                return 1;
            }
            const auto painted = std::chrono::steady_clock::now();
            times[i].push_back(std::chrono::duration<double, std::milli>(painted - start).count());
            screen->closeForNavigation();
            screen.reset();
            QCoreApplication::processEvents();
        }
    }

    for (std::size_t i = 0; i < screenCount; ++i) {
        const std::string name(tavelle::screenName(tavelle::allScreens[i]));
        std::printf("screen %s %.3f %.3f %.3f\n", name.c_str(), median(times[i]), times[i].front(),
                    *std::max_element(times[i].begin(), times[i].end()));
    }
    return 0;
}
