#pragma once

#include "core/printer_choice.h"

#include <string>
#include <vector>

class QWidget;

namespace tavelle {

// What printing needs of the print system: its printers, and a window printed as one page.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    // The installed printers, in the print system's order.
    virtual std::vector<InstalledPrinter> installedPrinters() = 0;
    // Prints the window's client area, as it is now displayed, as one page on the named printer;
    // false when the print system reports a failure.
    virtual bool printWindow(const std::string& printerName, QWidget& window) = 0;
};

}  // namespace tavelle
