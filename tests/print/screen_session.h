#pragma once

#include "core/exercise_record.h"
#include "core/walkthrough.h"
#include "screens/screen_factory.h"
#include "screens/screen_host.h"
#include "shell/screen_printer.h"

#include <memory>

namespace tavelle::test {

// The walk-through screens of one exercise, with a shell that only prints: the record is filled as the
// trainee's road through the entry screens leaves it, and every screen opens on that record.
class ScreenSession final : public ScreenHost {
public:
    explicit ScreenSession(ScreenPrinter& printer)
        : m_printer(printer)
    {
        // Three nozzles, so that every part of the schematic is drawn.
        ExerciseInput input;
        input.exercise = {"2000/15", "110", "200", "3", "", ""};
        input.nozzle1 = {"65/18", "500", "5", "2"};
        input.nozzle2 = {"40/14", "250", "", "", "1"};
        input.nozzle3 = {"100/25", "1000", "3", "Positive", "5"};
        accepted = walkExercise(input, record, ",").accepted;
    }

    std::unique_ptr<ScreenWindow> open(ScreenId screen)
    {
        auto window = createScreen(screen, m_context);
        window->show();
        return window;
    }

    void navigateFrom(ScreenId, std::string_view) override { ++otherRequests; }
    void finishEntry(ScreenId, const PressOutcome&) override { ++otherRequests; }
    void printScreen(QWidget& screen) override { m_printer.printScreen(screen); }
    void showInformation(const QString&, const QString&) override { ++otherRequests; }
    void screenClosedByUser(ScreenId) override { ++otherRequests; }

    ExerciseRecord record;
    bool accepted = false;
    int otherRequests = 0;

private:
    ScreenPrinter& m_printer;
    ScreenContext m_context{record, *this, ","};
};

}  // namespace tavelle::test
