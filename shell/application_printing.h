#pragma once

#include "shell/default_printer_lookup.h"
#include "shell/print_module.h"
#include "shell/print_operation.h"

#include <QString>

namespace tavelle {

class MessageBoxes;

// The application's printing, wired once: the print operation, on the print system of the print module
// (loaded by the first print), with the system's default printer noted from lpstat when asked.
class ApplicationPrinting final {
public:
    ApplicationPrinting(MessageBoxes& messages, const QString& moduleFile);

    PrintOperation& operation() { return m_operation; }
    // Asks lpstat which printer is the default; the answer comes through the event loop.
    void noteDefaultPrinter() { m_defaultPrinter.start(); }
    bool defaultPrinterAnswered() const { return m_defaultPrinter.isDone(); }

private:
    ModulePrinterSystem m_printers;
    PrintOperation m_operation;
    DefaultPrinterLookup m_defaultPrinter;
};

}  // namespace tavelle
