#pragma once

class QWidget;

namespace tavelle {

// Prints a walk-through screen as one page, without its four buttons (see print_operation.h).
class ScreenPrinter {
public:
    virtual ~ScreenPrinter() = default;
    virtual void printScreen(QWidget& screen) = 0;
};

}  // namespace tavelle
