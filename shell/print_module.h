#pragma once

#include "shell/printer_system.h"

#include <QString>

#include <memory>

// The print module's one entry: a new print system of the desktop, which the caller owns. The module
// holds everything that needs Qt Print Support and libcups; they weigh a few MiB of memory, which most
// runs never print and so never load.
extern "C" tavelle::PrinterSystem* tavelle_create_printer_system();

namespace tavelle {

// The print module of the program that lies in `programDirectory`. It lies at the same place relative
// to the program in the build tree and in every install, whatever the prefix.
QString printModuleFile(const QString& programDirectory);
// ... of this program.
QString printModuleFile();

// Loads the print module and makes its print system. When it cannot, says so in one line on standard
// error, naming the file and why, and gives nothing.
std::unique_ptr<PrinterSystem> loadPrintModule(const QString& file);

// The desktop's print system, loaded from the print module by the first look-up of the printers,
// which every print starts with. Until the module loads, there is no printer and nothing prints; each
// look-up tries it again.
class ModulePrinterSystem final : public PrinterSystem {
public:
    explicit ModulePrinterSystem(QString moduleFile);

    std::vector<InstalledPrinter> installedPrinters() override;
    bool printPage(const std::string& printerName, const PaperScreen& page) override;

private:
    QString m_moduleFile;
    std::unique_ptr<PrinterSystem> m_loaded;
};

}  // namespace tavelle
