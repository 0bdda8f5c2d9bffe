#pragma once

#include "shell/print_operation.h"
#include "shell/screen_printer.h"

#include <optional>

namespace tavelle {

class MessageBoxes;
class PrinterSystem;

// The application's print operation, set up once the home screen shows rather than before it: the
// look-up of the system's default printer loads the whole print system, and the trainee cannot reach
// an "Imprimer" button before that anyway. A print before the set-up sets it up first.
class DeferredPrintOperation final : public ScreenPrinter {
public:
    DeferredPrintOperation(MessageBoxes& messages, PrinterSystem& printers);

    // Makes the system's default printer the current printer, the first time only.
    void setUp();
    bool isSetUp() const { return m_operation.has_value(); }

    void printScreen(ScreenWindow& screen) override;

private:
    MessageBoxes& m_messages;
    PrinterSystem& m_printers;
    std::optional<PrintOperation> m_operation;
};

}  // namespace tavelle
