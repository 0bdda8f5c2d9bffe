#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_load.h"
#include "core/screens/walkthrough.h"
#include "screens/screen_factory.h"
#include "tests/support/fake_shell.h"
#include "tests/support/named_exercises.h"

#include <memory>

namespace tavelle::testing {

// The walk-through screens of the three-nozzle exercise, so that every part of the schematic is drawn,
// with a shell that only prints: every screen opens on the record the walk left.
class ScreenSession {
public:
    explicit ScreenSession(ScreenPrinter& printer)
        : host(&printer)
        , accepted(walkExercise(threeNozzles(), record, ",").accepted)
    {
    }

    std::unique_ptr<ScreenWindow> open(ScreenId screen)
    {
        auto window = createScreen(screen, host);
        window->showLoad(loadScreen(screen, record, ","));
        window->show();
        return window;
    }

    // What the screens asked of the shell besides printing.
    std::size_t otherRequests() const
    {
        return host.navigations.size() + host.suitesPressed.size() + host.informations.size() +
               static_cast<std::size_t>(host.closedByUser);
    }

    RecordingHost host;
    ExerciseRecord record;
    bool accepted;
};

}  // namespace tavelle::testing
