#pragma once

#include "shell/printer_system.h"

namespace tavelle {

// The print system of the desktop, through Qt Print Support (CUPS on Linux). It lives in the print
// module (see print_module.h), so that only a program that prints loads those libraries.
class QtPrinterSystem final : public PrinterSystem {
public:
    std::vector<InstalledPrinter> installedPrinters() override;
    bool printPage(const std::string& printerName, const PaperScreen& page) override;
};

}  // namespace tavelle
