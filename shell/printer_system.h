#pragma once

#include "core/printer_choice.h"

#include <string>
#include <vector>

namespace tavelle {

class PaperScreen;

// What printing needs of the print system: its printers, and a screen printed as one page.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    // The installed printers, in the print system's order.
    virtual std::vector<InstalledPrinter> installedPrinters() = 0;
    // Prints the screen as one page on the named printer, on the printable area; false when the print
    // system reports a failure.
    virtual bool printPage(const std::string& printerName, const PaperScreen& page) = 0;
};

}  // namespace tavelle
