#pragma once

namespace tavelle {

class ScreenWindow;

// Prints a walk-through screen as one page, without its buttons (see print_operation.h).
class ScreenPrinter {
public:
    virtual ~ScreenPrinter() = default;
    virtual void printScreen(ScreenWindow& screen) = 0;
};

}  // namespace tavelle
